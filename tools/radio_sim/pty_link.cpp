#include "pty_link.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace qx210::sim {

namespace {

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

}  // namespace

bool PtyLink::create(const QString& linkPath, const QString& target, QString* error) {
  remove();
  const QByteArray link = QFile::encodeName(linkPath);
  const QByteArray to = QFile::encodeName(target);
  struct stat existing {};
  if (::lstat(link.constData(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode)) {
      if (error) *error = QStringLiteral("%1 exists and is not a symbolic link; not replacing it").arg(linkPath);
      return false;
    }
    if (::unlink(link.constData()) != 0 && errno != ENOENT) {
      if (error) *error = QStringLiteral("cannot replace %1: %2").arg(linkPath, SystemError());
      return false;
    }
  }
  if (::symlink(to.constData(), link.constData()) != 0) {
    if (error) *error = QStringLiteral("cannot make the link %1: %2").arg(linkPath, SystemError());
    return false;
  }
  m_path = linkPath;
  m_target = target;
  return true;
}

void PtyLink::remove() {
  if (m_path.isEmpty()) return;
  const QByteArray link = QFile::encodeName(m_path);
  // Another emulator may have taken the path over since; its link stays.
  char buffer[4096];
  const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer - 1);
  if (n >= 0 && QFile::decodeName(QByteArray(buffer, static_cast<qsizetype>(n))) == m_target) ::unlink(link.constData());
  m_path.clear();
  m_target.clear();
}

}  // namespace qx210::sim
