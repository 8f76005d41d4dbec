// Reading and replacing files on POSIX systems.
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "core/safe_file_platform.h"

namespace qx210::safe_file_platform {

namespace {

// The kernel gives up on longer chains of links as well.
constexpr int kMaxLinks = 40;

Outcome SystemError(int error) { return {Verdict::SystemError, qt_error_string(error)}; }

Verdict VerdictForMode(mode_t mode) {
  if (S_ISREG(mode)) return Verdict::Ok;
  if (S_ISDIR(mode)) return Verdict::Folder;
  if (S_ISFIFO(mode)) return Verdict::Fifo;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Verdict::Device;
  if (S_ISSOCK(mode)) return Verdict::Socket;
  return Verdict::NotRegular;
}

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

// What `path` finally stands for, without opening it; Missing is Ok when
// `missingIsFine`. Checking first means a device is never even opened
// (opening a serial port can toggle its control lines).
Outcome Check(const QString& path, bool missingIsFine) {
  struct stat info {};
  if (::stat(Native(path).constData(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT) return {missingIsFine ? Verdict::Ok : Verdict::Missing, {}};
    return SystemError(error);
  }
  return {VerdictForMode(info.st_mode), {}};
}

// Opens without blocking and looks again at what was opened: the node may
// have been swapped since the check.
Outcome OpenChecked(const QString& path, int flags, QIODevice::OpenMode mode, QFile& file) {
  const int fd = ::open(Native(path).constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return SystemError(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    return SystemError(error);
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return {VerdictForMode(info.st_mode), {}};
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
    const QString error = file.errorString();
    ::close(fd);
    return {Verdict::SystemError, error};
  }
  return {};
}

// The rule of the kernel's protected_symlinks: in a sticky folder that
// everybody may write to, a link is followed only by its owner or when the
// folder's owner owns it too.
bool MayFollow(const struct stat& link, const QString& folder) {
  struct stat dir {};
  if (::stat(Native(folder).constData(), &dir) != 0) return true;
  const bool shared = (dir.st_mode & S_ISVTX) && (dir.st_mode & S_IWOTH);
  return !shared || link.st_uid == ::geteuid() || link.st_uid == dir.st_uid;
}

bool WriteAll(int fd, const QByteArray& bytes) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    left -= n;
  }
  return true;
}

}  // namespace

Outcome OpenForReading(const QString& path, QFile& file) {
  const Outcome checked = Check(path, false);
  if (!checked.ok()) return checked;
  return OpenChecked(path, O_RDONLY, QIODevice::ReadOnly, file);
}

Outcome OpenForAppending(const QString& path, QFile& file) {
  const Outcome checked = Check(path, true);
  if (!checked.ok()) return checked;
  // Unbuffered: each write reaches the file at once, or says why not.
  return OpenChecked(path, O_WRONLY | O_APPEND | O_CREAT,
                     QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, file);
}

Outcome FindSaveTarget(const QString& path, SaveTarget& target) {
  QString current = QFileInfo(path).absoluteFilePath();
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat info {};
    if (::lstat(Native(current).constData(), &info) != 0) {
      const int error = errno;
      if (error != ENOENT) return SystemError(error);
      target = {current, false, false};
      return {};
    }
    const QString folder = QFileInfo(current).path();
    if (!S_ISLNK(info.st_mode)) {
      const Verdict verdict = VerdictForMode(info.st_mode);
      if (verdict != Verdict::Ok) return {verdict, {}};
      const bool writable = ::faccessat(AT_FDCWD, Native(current).constData(), W_OK, AT_EACCESS) == 0;
      target = {current, true, !writable || (info.st_mode & 0222) == 0};
      return {};
    }
    if (!MayFollow(info, folder)) return {Verdict::ForeignLink, {}};
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(Native(current).constData(), buffer, sizeof buffer);
    if (length < 0) return SystemError(errno);
    const QString next = QFile::decodeName(QByteArray(buffer, static_cast<qsizetype>(length)));
    current = QDir::cleanPath(QDir::isAbsolutePath(next) ? next : folder + QLatin1Char('/') + next);
  }
  return SystemError(ELOOP);
}

Outcome ReplaceFile(const SaveTarget& target, const QByteArray& bytes) {
  const QFileInfo info(target.path);
  QString temporary;
  int fd = -1;
  // A hidden name beside the target, so that the final rename stays on one
  // file system; created exclusively, never through a link.
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = info.path() + QStringLiteral("/.%1.%2.tmp")
                                  .arg(info.fileName())
                                  .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    fd = ::open(Native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                target.exists ? 0600 : 0666);
    if (fd < 0 && (errno != EEXIST || attempt > 100)) return SystemError(errno);
  }
  const auto fail = [&](int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(Native(temporary).constData());
    return SystemError(error);
  };
  if (target.exists) {
    struct stat old {};
    if (::stat(Native(target.path).constData(), &old) != 0) return fail(errno);
    // Only a caller who may give files away keeps another user's file
    // theirs; anyone keeps the group where the system lets them. Failing
    // both, the file becomes the caller's, as the caller's new files do.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
    }
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(fd, old.st_mode & 07777) != 0) return fail(errno);
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) return fail(errno);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail(errno);
  if (::rename(Native(temporary).constData(), Native(target.path).constData()) != 0) return fail(errno);
  // The new name reaches the disk with the folder.
  const int folder = ::open(Native(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return {};
}

}  // namespace qx210::safe_file_platform
