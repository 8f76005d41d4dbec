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

constexpr Bilingual kMissing{"文件不存在", "it does not exist"};
constexpr Bilingual kFolder{"这是一个文件夹", "it is a folder"};
constexpr Bilingual kFifo{"这是一个命名管道（FIFO）", "it is a named pipe (FIFO)"};
constexpr Bilingual kDevice{"这是一个设备", "it is a device"};
constexpr Bilingual kSocket{"这是一个套接字", "it is a socket"};
constexpr Bilingual kNotRegular{"这不是普通文件", "it is not a regular file"};

#ifdef Q_OS_UNIX
QString ReasonForMode(mode_t mode, UiLanguage language) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return kFolder.text(language);
  if (S_ISFIFO(mode)) return kFifo.text(language);
  if (S_ISCHR(mode) || S_ISBLK(mode)) return kDevice.text(language);
  if (S_ISSOCK(mode)) return kSocket.text(language);
  return kNotRegular.text(language);
}

// Why `path` is not a regular file (or a link to one); empty when it is one,
// or when it is missing and `missingIsFine`. Follows links: what counts is the
// node the name finally stands for.
QString StatReason(const QString& path, bool missingIsFine, UiLanguage language) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
    const int error = errno;
    if (error == ENOENT) return missingIsFine ? QString() : kMissing.text(language);
    return qt_error_string(error);
  }
  return ReasonForMode(info.st_mode, language);
}
#else
QString StatReason(const QString& path, bool missingIsFine, UiLanguage language) {
  const QFileInfo info(path);
  if (!info.exists()) return missingIsFine ? QString() : kMissing.text(language);
  if (info.isDir()) return kFolder.text(language);
  if (!info.isFile()) return kNotRegular.text(language);
  return {};
}
#endif

}  // namespace

bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString& error, UiLanguage language) {
  // Checking first means a device is never even opened (opening a serial
  // port can toggle its control lines).
  error = StatReason(path, false, language);
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
    error = ReasonForMode(info.st_mode, language);
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

bool SaveFileAtomically(const QString& path, const QByteArray& bytes, QString& error, UiLanguage language) {
  // A missing target is fine: the save creates it.
  error = StatReason(path, true, language);
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
