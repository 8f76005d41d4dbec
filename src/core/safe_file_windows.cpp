// What safe_file.cpp asks of Windows: files opened through Win32 so that
// device names (COM1, NUL, CON...) are refused before they are opened, and
// saves that replace the target in one step with the data on the disk first.
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h maps ReplaceFile to ReplaceFileW; the name here is the interface's.
#undef ReplaceFile

#include "core/safe_file_platform.h"

namespace qx210::safe_file_platform {

namespace {

Outcome SystemFailure() { return {Verdict::SystemError, qt_error_string(static_cast<int>(GetLastError()))}; }

// The names Windows gives to devices in every folder ("C:\data\COM1.DAT" is
// the port, not a file), and paths into the device namespace.
bool IsDeviceName(const QString& path) {
  const QString native = QDir::toNativeSeparators(path);
  if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\GLOBALROOT")))
    return true;
  QString name = native.section(QLatin1Char('\\'), -1).section(QLatin1Char('.'), 0, 0);
  name = name.section(QLatin1Char(':'), 0, 0).trimmed().toUpper();
  static const QStringList kReserved{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                     QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
  if (kReserved.contains(name)) return true;
  if (name.size() == 4 && (name.startsWith(QLatin1String("COM")) || name.startsWith(QLatin1String("LPT"))))
    return name.at(3).isDigit() && name.at(3) != QLatin1Char('0');
  return false;
}

Outcome Classify(const QString& path, bool missingIsFine) {
  if (IsDeviceName(path)) return {Verdict::Device, {}};
  const QFileInfo info(path);
  if (!info.exists()) return {missingIsFine ? Verdict::Ok : Verdict::Missing, {}};
  if (info.isDir()) return {Verdict::Folder, {}};
  if (!info.isFile()) return {Verdict::NotRegular, {}};
  return {};
}

// Opens `path` with Win32 and hands the handle to `file`, after checking that
// it is a file on a disk (not a pipe or a console).
Outcome OpenHandle(const QString& path, DWORD access, DWORD disposition, int flags, QIODevice::OpenMode mode,
                   QFile& file) {
  const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
  HANDLE handle = CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return SystemFailure();
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    return {Verdict::Device, {}};
  }
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
  if (fd < 0) {
    CloseHandle(handle);
    return SystemFailure();
  }
  if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    _close(fd);
    return {Verdict::SystemError, file.errorString()};
  }
  return {};
}

}  // namespace

Outcome OpenForReading(const QString& path, QFile& file) {
  if (const Outcome outcome = Classify(path, false); !outcome.ok()) return outcome;
  return OpenHandle(path, GENERIC_READ, OPEN_EXISTING, _O_RDONLY | _O_BINARY, QIODevice::ReadOnly, file);
}

Outcome OpenForAppending(const QString& path, QFile& file) {
  if (const Outcome outcome = Classify(path, true); !outcome.ok()) return outcome;
  return OpenHandle(path, FILE_APPEND_DATA | GENERIC_READ, OPEN_ALWAYS, _O_APPEND | _O_BINARY,
                    QIODevice::WriteOnly | QIODevice::Append, file);
}

Outcome FindSaveTarget(const QString& path, SaveTarget& target) {
  if (const Outcome outcome = Classify(path, true); !outcome.ok()) return outcome;
  const QFileInfo info(path);
  target.path = info.isSymbolicLink() ? info.symLinkTarget() : info.absoluteFilePath();
  if (IsDeviceName(target.path)) return {Verdict::Device, {}};
  const std::wstring name = QDir::toNativeSeparators(target.path).toStdWString();
  const DWORD attributes = GetFileAttributesW(name.c_str());
  target.exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (target.exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {Verdict::Folder, {}};
  target.readOnly = target.exists && (attributes & FILE_ATTRIBUTE_READONLY);
  return {};
}

Outcome ReplaceFile(const SaveTarget& target, const QByteArray& bytes) {
  const QFileInfo info(target.path);
  const std::wstring finalName = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
  // A new file in the same folder, so that putting it in place is a rename.
  HANDLE handle = INVALID_HANDLE_VALUE;
  std::wstring temporary;
  for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
    const QString name = QStringLiteral("%1/.%2.%3-%4.tmp")
                             .arg(info.absolutePath(), info.fileName())
                             .arg(GetCurrentProcessId())
                             .arg(attempt);
    temporary = QDir::toNativeSeparators(name).toStdWString();
    handle = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return SystemFailure();
  }
  if (handle == INVALID_HANDLE_VALUE) return SystemFailure();
  const auto discard = [&] {
    const Outcome failure = SystemFailure();
    CloseHandle(handle);
    DeleteFileW(temporary.c_str());
    return failure;
  };
  qsizetype written = 0;
  while (written < bytes.size()) {
    DWORD count = 0;
    const auto chunk = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - written, 1 << 20));
    if (!WriteFile(handle, bytes.constData() + written, chunk, &count, nullptr) || count == 0) return discard();
    written += count;
  }
  if (!FlushFileBuffers(handle)) return discard();
  CloseHandle(handle);
  // ReplaceFileW keeps the replaced file's attributes and security; a target
  // that is new, or a volume where it is not supported, takes a plain rename.
  // Windows will not replace a read-only file, which the user has agreed to
  // replace by now: lift the mark for the replacement and put it back after.
  const DWORD attributes = target.exists ? GetFileAttributesW(finalName.c_str()) : INVALID_FILE_ATTRIBUTES;
  const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  if (readOnly) {
    const DWORD lifted = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(finalName.c_str(), lifted ? lifted : FILE_ATTRIBUTE_NORMAL);
  }
  const auto markReadOnly = [&] {
    if (!readOnly) return;
    const DWORD now = GetFileAttributesW(finalName.c_str());
    if (now != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(finalName.c_str(), now | FILE_ATTRIBUTE_READONLY);
  };
  if (target.exists &&
      ::ReplaceFileW(finalName.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    markReadOnly();
    return {};
  }
  if (MoveFileExW(temporary.c_str(), finalName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    markReadOnly();
    return {};
  }
  const Outcome failure = SystemFailure();
  markReadOnly();
  DeleteFileW(temporary.c_str());
  return failure;
}

}  // namespace qx210::safe_file_platform
