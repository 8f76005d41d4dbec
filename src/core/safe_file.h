#pragma once

#include <QByteArray>
#include <QString>

#include "core/ui_language.h"

// Reading and writing the program's own small files (data files, backups,
// channel lists, the parameter file) so that nothing hangs and nothing is half
// written:
// - reading opens without blocking and accepts regular files only, so a FIFO
//   or a device named like a data file is refused at once instead of hanging;
// - writing goes through a temporary file that replaces the target only when
//   every byte reached the disk, so a failed save (full disk, size limit)
//   leaves the old file as it was; a target that is not a regular file is
//   refused before anything is touched (saving onto /dev/sda or a FIFO must
//   never replace or feed the node).
// Errors are sentence fragments in the language asked for (English for logs
// and the command line), or the system's own words.
namespace qx210 {

// Reads up to `maxBytes` bytes from the start of the regular file `path` into
// `bytes`. On failure returns false, leaves `bytes` alone and sets `error`.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error,
                     UiLanguage language = kEnglish);

// Replaces the contents of `path` with `bytes` atomically. On failure returns
// false with `error` set; an existing file is then left untouched.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error,
                        UiLanguage language = kEnglish);

}  // namespace qx210
