#include "link/port_diagnosis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "link/port_catalogue.h"

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace qx210 {

namespace {

constexpr Bilingual kMissing{"端口 %1 不存在。", "%1 does not exist."};
constexpr Bilingual kNotSerial{"%1 不是串口设备。", "%1 is not a serial device."};
constexpr Bilingual kDevicesHere{"本机现有的串口：%1。请检查编程线是否插好，或选择其中一个端口。",
                                 "Serial devices on this computer: %1. Check that the cable is plugged in, "
                                 "or choose one of these."};
constexpr Bilingual kNoDevicesHere{"本机没有任何串口：请插上编程线，并确认系统识别了它（例如查看 dmesg 的输出）。",
                                   "There are no serial devices on this computer: plug the programming cable in "
                                   "and check that the system sees it (for instance in the output of dmesg)."};
constexpr Bilingual kDenied{"没有打开 %1 的权限。", "Permission denied: this user may not open %1."};
constexpr Bilingual kDeniedGroup{
    "串口属于用户组“%1”。请运行：%2 ，然后注销并重新登录。",
    "The port belongs to the group \"%1\". Run: %2 , then log out and back in."};
constexpr Bilingual kDeniedRelogin{
    "用户 %2 已在用户组“%1”中，但本次登录之前尚未加入：请注销并重新登录（或运行 newgrp %1）。",
    "The user %2 is in the group \"%1\" already, but was added after logging in: log out and back in "
    "(or run newgrp %1)."};
constexpr Bilingual kDeniedOther{"请让管理员为当前用户开放此端口的读写权限。",
                                 "Ask the administrator to let this user read and write the port."};
constexpr Bilingual kBusyNamed{"%1 正被其他程序占用：%2。请关闭该程序后再试。",
                               "%1 is in use by another program: %2. Close that program and try again."};
constexpr Bilingual kBusyUnnamed{"%1 正被其他程序占用（系统不向当前用户透露是哪个程序）。请关闭该程序后再试。",
                                 "%1 is in use by another program (the system does not tell this user which "
                                 "one). Close that program and try again."};
constexpr Bilingual kBusyServices{
    "ModemManager 和 brltty 会占用新插入的 USB 串口：可运行 sudo systemctl stop ModemManager 停止前者，"
    "用 sudo apt remove brltty 卸载后者。",
    "ModemManager and brltty grab new USB serial devices: stop the first with sudo systemctl stop ModemManager, "
    "remove the second with sudo apt remove brltty."};
constexpr Bilingual kRunningNow{"本机正在运行：%1。", "Running on this computer now: %1."};

#ifdef Q_OS_UNIX
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
#endif

}  // namespace

QStringList SerialDevicePaths() { return PortCatalogue::systemDevicePaths(); }

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

#ifdef Q_OS_UNIX
namespace {

// A character device that the system files under another class than the
// terminals (/dev/null is "mem") is no serial port. Asked of sysfs, so that
// the device is not opened; where sysfs has no entry (pseudo-terminals, other
// systems) nothing speaks against it.
bool IsTerminalDevice(dev_t device) {
  const QFileInfo subsystem(QStringLiteral("/sys/dev/char/%1:%2/subsystem").arg(major(device)).arg(minor(device)));
  return !subsystem.isSymLink() || QFileInfo(subsystem.symLinkTarget()).fileName() == QLatin1String("tty");
}

}  // namespace
#endif

PortDiagnosis DiagnosePort(const QString& path) {
  PortDiagnosis diagnosis;
  diagnosis.path = path;
#ifdef Q_OS_UNIX
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
#else
  if (path.isEmpty()) {
    diagnosis.problem = PortProblem::Missing;
    diagnosis.serialDevices = SerialDevicePaths();
  }
#endif
  return diagnosis;
}

PortDiagnosis DiagnoseOpenFailure(const QString& path, const QString& reason) {
  PortDiagnosis diagnosis = DiagnosePort(path);
  diagnosis.systemReason = reason;
  if (diagnosis.problem != PortProblem::None) return diagnosis;
  // It exists and this user may open it: another program has it.
  diagnosis.problem = PortProblem::Busy;
  FindHolders(diagnosis);
  return diagnosis;
}

void FindHolders(PortDiagnosis& diagnosis) {
  diagnosis.holders = PortHolders(diagnosis.path);
  diagnosis.modemManagerRunning = ProcessRunning(QStringLiteral("ModemManager"));
  diagnosis.brlttyRunning = ProcessRunning(QStringLiteral("brltty"));
}

QString DescribePortProblem(const PortDiagnosis& diagnosis, UiLanguage language) {
  const auto say = [language](const Bilingual& text) { return text.text(language); };
  const QString separator = language == kChinese ? QStringLiteral("、") : QStringLiteral(", ");
  QStringList sentences;
  switch (diagnosis.problem) {
    case PortProblem::None:
      return {};
    case PortProblem::Missing:
    case PortProblem::NotSerial:
      sentences << say(diagnosis.problem == PortProblem::Missing ? kMissing : kNotSerial).arg(diagnosis.path);
      sentences << (diagnosis.serialDevices.isEmpty() ? say(kNoDevicesHere)
                                                      : say(kDevicesHere).arg(diagnosis.serialDevices.join(separator)));
      break;
    case PortProblem::PermissionDenied:
      sentences << say(kDenied).arg(diagnosis.path);
      if (diagnosis.group.isEmpty())
        sentences << say(kDeniedOther);
      else if (diagnosis.groupListsUser)
        sentences << say(kDeniedRelogin).arg(diagnosis.group, diagnosis.user);
      else
        sentences << say(kDeniedGroup).arg(diagnosis.group, diagnosis.fixCommand);
      break;
    case PortProblem::Busy: {
      QStringList names;
      for (const PortHolder& holder : diagnosis.holders)
        names << QStringLiteral("%1 (%2)").arg(holder.name.isEmpty() ? QStringLiteral("?") : holder.name).arg(holder.pid);
      sentences << (names.isEmpty() ? say(kBusyUnnamed).arg(diagnosis.path)
                                    : say(kBusyNamed).arg(diagnosis.path, names.join(separator)));
      sentences << say(kBusyServices);
      QStringList running;
      if (diagnosis.modemManagerRunning) running << QStringLiteral("ModemManager");
      if (diagnosis.brlttyRunning) running << QStringLiteral("brltty");
      if (!running.isEmpty()) sentences << say(kRunningNow).arg(running.join(separator));
      break;
    }
  }
  return sentences.join(language == kChinese ? QString() : QStringLiteral(" "));
}

}  // namespace qx210
