#include "core/data_file.h"

#include <QFile>
#include <QSaveFile>

#include "core/memory_image.h"

namespace qx210 {

namespace {
// Open reads this many bytes at most; the decoder needs the first 848.
constexpr qint64 kDataFileReadLimit = 850;
}  // namespace

FileResult ReadDataFile(const QString& path, QByteArray& image) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {false, QStringLiteral("Cannot open %1: %2").arg(path, file.errorString())};
  const QByteArray bytes = file.read(kDataFileReadLimit);
  if (bytes.size() < kEncodedImageSize)
    return {false, QStringLiteral("%1 holds %2 bytes; a data file has at least %3.")
                       .arg(path)
                       .arg(bytes.size())
                       .arg(kEncodedImageSize)};
  image = bytes;
  return {true, {}};
}

FileResult WriteDataFile(const QString& path, const QByteArray& image) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return {false, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString())};
  if (file.write(image) != image.size()) {
    const QString error = file.errorString();
    file.cancelWriting();
    return {false, QStringLiteral("Cannot write %1: %2").arg(path, error)};
  }
  if (!file.commit()) return {false, QStringLiteral("Cannot write %1: %2").arg(path, file.errorString())};
  return {true, {}};
}

}  // namespace qx210
