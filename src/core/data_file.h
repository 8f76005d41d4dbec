#pragma once

#include <QByteArray>
#include <QString>

#include "core/safe_file.h"
#include "core/ui_language.h"

// ".DAT" data files: the raw bytes of a memory image, no header.
namespace qx210 {

struct FileResult {
  bool ok = false;
  QString error;  // what went wrong, in the language asked for
};

// Reads up to the first 850 bytes of a regular file; a FIFO or a device is
// refused at once, and so is a file shorter than an encoded image (848 bytes).
FileResult ReadDataFile(const QString& path, QByteArray& image, UiLanguage language = kEnglish);

// Writes `image` atomically: a failed write leaves an existing file intact,
// and a target that is not a regular file (folder, FIFO, device) is refused,
// as is a read-only file unless `readOnly` says to replace it.
FileResult WriteDataFile(const QString& path, const QByteArray& image, UiLanguage language = kEnglish,
                         ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

}  // namespace qx210
