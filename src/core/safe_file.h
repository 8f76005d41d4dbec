#pragma once

#include <QByteArray>
#include <QFile>
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
// - a save replaces the file a link names only when the link may be followed:
//   one that another user placed in a folder everybody may write to (the
//   temporary folder) is refused, as the kernel refuses to follow it;
// - the new file keeps the owner and the permissions of the old one, and a
//   read-only file is replaced only when the caller says so.
// Errors are sentence fragments in the language asked for (English for logs
// and the command line), or the system's own words.
namespace qx210 {

// Reads up to `maxBytes` bytes from the start of the regular file `path` into
// `bytes`. On failure returns false, leaves `bytes` alone and sets `error`.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error,
                     UiLanguage language = kEnglish);

// Reads the whole regular file `path`; one larger than `maxBytes` is refused,
// never cut.
bool ReadWholeRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error,
                          UiLanguage language = kEnglish);

// Reads `device` (standard input, a pipe) to its end; more than `maxBytes`
// is refused, never cut.
bool ReadWholeStream(QIODevice& device, qint64 maxBytes, QByteArray& bytes, QString& error,
                     UiLanguage language = kEnglish);

// Whether a save to `path` would replace a read-only file.
bool IsReadOnlyFile(const QString& path);
// Why a save to `path` would be refused whatever it holds (a folder, a
// device, a link not to be followed); empty when it may go ahead.
QString SaveRefusal(const QString& path, UiLanguage language = kEnglish);

enum class ReadOnlyFiles { Refuse, Replace };

// Replaces the contents of `path` with `bytes` atomically. On failure returns
// false with `error` set; an existing file is then left untouched.
bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error,
                        UiLanguage language = kEnglish, ReadOnlyFiles readOnly = ReadOnlyFiles::Refuse);

enum class NewFile { Created, Exists, Failed };

// Creates `path` with `bytes`, only if no file of that name exists (two
// processes never take the same name). A failed write leaves no file.
NewFile CreateNewFile(const QString& path, const QByteArray& bytes, QString& error);

// Opens the regular file `path` to append to it, creating it when missing; a
// FIFO or a device is refused at once.
bool OpenFileForAppending(QFile& file, const QString& path, QString& error, UiLanguage language = kEnglish);

}  // namespace qx210
