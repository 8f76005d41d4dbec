#pragma once

#include <QByteArray>
#include <QString>

// ".DAT" data files: the raw bytes of a memory image, no header.
namespace qx210 {

struct FileResult {
  bool ok = false;
  QString error;  // English description for logs and the command line
};

// Reads up to the first 850 bytes of a regular file; a FIFO or a device is
// refused at once, and so is a file shorter than an encoded image (848 bytes).
FileResult ReadDataFile(const QString& path, QByteArray& image);

// Writes `image` atomically: a failed write leaves an existing file intact,
// and a target that is not a regular file (folder, FIFO, device) is refused.
FileResult WriteDataFile(const QString& path, const QByteArray& image);

}  // namespace qx210
