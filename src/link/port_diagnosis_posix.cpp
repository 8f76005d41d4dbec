// The checks of a port that read the Unix device files and /proc.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "link/port_diagnosis.h"

namespace qx210 {

namespace {

QString UserName() {
  if (const passwd* entry = ::getpwuid(::getuid())) return QString::fromLocal8Bit(entry->pw_name);
  return qEnvironmentVariable("USER");
}

// Whether the group database lists `user` in `gid`, as a member or as the
// primary group.
bool GroupListsUser(gid_t gid, const QString& user) {
  if (const passwd* entry = ::getpwnam(user.toLocal8Bit().constData()); entry && entry->pw_gid == gid) return true;
  const group* entry = ::getgrgid(gid);
  if (!entry) return false;
  for (char** member = entry->gr_mem; member && *member; ++member)
    if (QString::fromLocal8Bit(*member) == user) return true;
  return false;
}

QString AddToGroupCommand(const QString& group, const QString& user) {
  if (QFileInfo::exists(QStringLiteral("/usr/sbin/usermod")) || QFileInfo::exists(QStringLiteral("/sbin/usermod")))
    return QStringLiteral("sudo usermod -aG %1 %2").arg(group, user);
  if (QFileInfo::exists(QStringLiteral("/usr/bin/gpasswd")))
    return QStringLiteral("sudo gpasswd -a %1 %2").arg(user, group);
  return QStringLiteral("sudo usermod -aG %1 %2").arg(group, user);
}

void FillPermission(PortDiagnosis& diagnosis, const struct stat& info) {
  diagnosis.user = UserName();
  // Only a device its group may read and write is fixed by joining the group.
  if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return;
  if (const group* entry = ::getgrgid(info.st_gid)) diagnosis.group = QString::fromLocal8Bit(entry->gr_name);
  if (diagnosis.group.isEmpty() || diagnosis.group == QLatin1String("root")) {
    diagnosis.group.clear();
    return;
  }
  diagnosis.groupListsUser = GroupListsUser(info.st_gid, diagnosis.user);
  diagnosis.fixCommand = AddToGroupCommand(diagnosis.group, diagnosis.user);
}

// A character device that the system files under another class than the
// terminals (/dev/null is "mem") is no serial port. Asked of sysfs, so that
// the device is not opened; where sysfs has no entry (pseudo-terminals, other
// systems) nothing speaks against it.
bool IsTerminalDevice(dev_t device) {
  const QFileInfo subsystem(QStringLiteral("/sys/dev/char/%1:%2/subsystem").arg(major(device)).arg(minor(device)));
  return !subsystem.isSymLink() || QFileInfo(subsystem.symLinkTarget()).fileName() == QLatin1String("tty");
}
}  // namespace

bool UsbGrabbingServicesApply() { return true; }

QList<PortHolder> PortHolders(const QString& path) {
  QList<PortHolder> holders;
#ifdef Q_OS_LINUX
  const QString device = QFileInfo(path).canonicalFilePath();
  if (device.isEmpty()) return holders;
  const qint64 self = ::getpid();
  const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& entry : pids) {
    bool numeric = false;
    const qint64 pid = entry.toLongLong(&numeric);
    if (!numeric || pid == self) continue;
    const QString fdFolder = QStringLiteral("/proc/%1/fd").arg(pid);
    // Another user's descriptors stay hidden unless this user may trace them.
    const QStringList fds = QDir(fdFolder).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& fd : fds) {
      if (QFile::symLinkTarget(fdFolder + QLatin1Char('/') + fd) != device) continue;
      QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
      QString name;
      if (comm.open(QIODevice::ReadOnly)) name = QString::fromLocal8Bit(comm.readAll()).trimmed();
      holders.append({pid, name});
      break;
    }
  }
#else
  Q_UNUSED(path);
#endif
  return holders;
}

bool ProcessRunning(const QString& name) {
#ifdef Q_OS_LINUX
  const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& entry : pids) {
    if (!entry.front().isDigit()) continue;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(entry));
    if (comm.open(QIODevice::ReadOnly) && QString::fromLocal8Bit(comm.readAll()).trimmed() == name) return true;
  }
#else
  Q_UNUSED(name);
#endif
  return false;
}

PortDiagnosis DiagnosePort(const QString& path) {
  PortDiagnosis diagnosis;
  diagnosis.path = path;
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (path.isEmpty() || ::stat(name.constData(), &info) != 0) {
    diagnosis.problem = PortProblem::Missing;
    diagnosis.serialDevices = SerialDevicePaths();
    return diagnosis;
  }
  if (!S_ISCHR(info.st_mode) || !IsTerminalDevice(info.st_rdev)) {
    diagnosis.problem = PortProblem::NotSerial;
    diagnosis.serialDevices = SerialDevicePaths();
    return diagnosis;
  }
  if (::access(name.constData(), R_OK | W_OK) != 0) {
    diagnosis.problem = PortProblem::PermissionDenied;
    FillPermission(diagnosis, info);
  }
  return diagnosis;
}

}  // namespace qx210
