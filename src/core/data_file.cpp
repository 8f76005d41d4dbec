#include "core/data_file.h"

#include "core/memory_image.h"
#include "core/safe_file.h"

namespace qx210 {

namespace {
// Open reads this many bytes at most; the decoder needs the first 848.
constexpr qint64 kDataFileReadLimit = 850;
}  // namespace

FileResult ReadDataFile(const QString& path, QByteArray& image) {
  QByteArray bytes;
  QString error;
  if (!ReadRegularFile(path, kDataFileReadLimit, bytes, error))
    return {false, QStringLiteral("Cannot open %1: %2").arg(path, error)};
  if (bytes.size() < kEncodedImageSize)
    return {false, QStringLiteral("%1 holds %2 bytes; a data file has at least %3.")
                       .arg(path)
                       .arg(bytes.size())
                       .arg(kEncodedImageSize)};
  image = bytes;
  return {true, {}};
}

FileResult WriteDataFile(const QString& path, const QByteArray& image) {
  QString error;
  if (!SaveFileAtomically(path, image, error))
    return {false, QStringLiteral("Cannot write %1: %2").arg(path, error)};
  return {true, {}};
}

}  // namespace qx210
