#include "core/safe_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace qx210 {

namespace {

#ifdef Q_OS_UNIX
QString ReasonForMode(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return QStringLiteral("it is a folder");
  if (S_ISFIFO(mode)) return QStringLiteral("it is a named pipe (FIFO)");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("it is a device");
  if (S_ISSOCK(mode)) return QStringLiteral("it is a socket");
  return QStringLiteral("it is not a regular file");
}

// Follows links: what counts is the node the name finally stands for.
QString StatReason(const QString& path, bool missingIsFine) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT) return missingIsFine ? QString() : QStringLiteral("it does not exist");
    return qt_error_string(error);
  }
  return ReasonForMode(info.st_mode);
}
#else
QString StatReason(const QString& path, bool missingIsFine) {
  const QFileInfo info(path);
  if (!info.exists()) return missingIsFine ? QString() : QStringLiteral("it does not exist");
  if (info.isDir()) return QStringLiteral("it is a folder");
  if (!info.isFile()) return QStringLiteral("it is not a regular file");
  return {};
}
#endif

}  // namespace

QString NotARegularFileReason(const QString& path) { return StatReason(path, false); }

QString UnsuitableSaveTargetReason(const QString& path) { return StatReason(path, true); }

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error) {
  // Checking first means a device is never even opened (opening a serial
  // port can toggle its control lines).
  error = NotARegularFileReason(path);
  if (!error.isEmpty()) return false;
  QFile file;
#ifdef Q_OS_UNIX
  // The node may have been swapped since the check: open without blocking and
  // look again at what was opened.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = qt_error_string(errno);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    error = qt_error_string(errno);
    ::close(fd);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    error = ReasonForMode(info.st_mode);
    ::close(fd);
    return false;
  }
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    error = file.errorString();
    ::close(fd);
    return false;
  }
#else
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
#endif
  const QByteArray read = file.read(maxBytes);
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return false;
  }
  bytes = read;
  return true;
}

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error) {
  error = UnsuitableSaveTargetReason(path);
  if (!error.isEmpty()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    error = file.errorString();
    return false;
  }
  // commit() has been seen to report success after its own final flush
  // failed (a full disk), so the buffer is flushed and checked here first.
  if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    error = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace qx210
