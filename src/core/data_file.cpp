#include "core/data_file.h"

#include "core/memory_image.h"
#include "core/safe_file.h"

namespace qx210 {

namespace {

// Open reads this many bytes at most; the decoder needs the first 848.
constexpr qint64 kDataFileReadLimit = 850;

constexpr Bilingual kCannotOpen{"无法打开 %1：%2", "Cannot open %1: %2"};
constexpr Bilingual kTooShort{"%1 只有 %2 字节，而数据文件至少有 %3 字节。",
                              "%1 holds %2 bytes; a data file has at least %3."};
constexpr Bilingual kCannotWrite{"无法写入 %1：%2", "Cannot write %1: %2"};

}  // namespace

FileResult ReadDataFile(const QString& path, QByteArray& image, UiLanguage language) {
  QByteArray bytes;
  QString error;
  if (!ReadRegularFile(path, kDataFileReadLimit, bytes, error, language))
    return {false, kCannotOpen.text(language).arg(path, error)};
  if (bytes.size() < kEncodedImageSize)
    return {false, kTooShort.text(language).arg(path, QString::number(bytes.size()),
                                                QString::number(kEncodedImageSize))};
  image = bytes;
  return {true, {}};
}

FileResult WriteDataFile(const QString& path, const QByteArray& image, UiLanguage language,
                         ReadOnlyFiles readOnly) {
  QString error;
  if (!SaveFileAtomically(path, image, error, language, readOnly))
    return {false, kCannotWrite.text(language).arg(path, error)};
  return {true, {}};
}

}  // namespace qx210
