#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// What safe_file.cpp asks of the operating system. Each system has one file
// behind this interface (safe_file_posix.cpp, ...), chosen by the build; the
// texts and the rules above it live in safe_file.cpp. Internal to the core.
namespace qx210::safe_file_platform {

enum class Verdict {
  Ok,
  Missing,
  Folder,
  Fifo,
  Device,
  Socket,
  NotRegular,
  // A link in a folder that everybody may write to, such as the temporary
  // folder, owned by neither the caller nor the folder's owner: another user
  // may have planted it there, so it is not followed.
  ForeignLink,
  SystemError,  // `systemError` holds the system's words
};

struct Outcome {
  Verdict verdict = Verdict::Ok;
  QString systemError;
  bool ok() const { return verdict == Verdict::Ok; }
};

// Opens the regular file `path` for reading. A FIFO or a device is refused
// without being waited on (and, where the system allows, without being opened).
Outcome OpenForReading(const QString& path, QFile& file);

// Opens the regular file `path` for appending, creating it when missing; a
// FIFO or a device is refused without being waited on.
Outcome OpenForAppending(const QString& path, QFile& file);

// The file a save to `path` replaces or creates: links followed, except a
// ForeignLink, which refuses the save.
struct SaveTarget {
  QString path;
  bool exists = false;
  // The file's permissions do not let the caller write it, or let nobody
  // write it (which even a caller who may write anything respects).
  bool readOnly = false;
};
Outcome FindSaveTarget(const QString& path, SaveTarget& target);

// Writes `bytes` to a new file beside `target.path` that takes the owner and
// the permissions of the file it replaces (a new file gets the caller's
// defaults), makes sure every byte reached the disk, then puts it in place of
// the target in one step. On failure the target is untouched and no
// temporary file is left.
Outcome ReplaceFile(const SaveTarget& target, const QByteArray& bytes);

}  // namespace qx210::safe_file_platform
