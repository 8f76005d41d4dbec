#include "link/port_diagnosis.h"

#include "link/port_catalogue.h"

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
constexpr Bilingual kNoPortsHere{"本机没有任何串口：请插上编程线，并在设备管理器的“端口 (COM 和 LPT)”下确认系统识别了它。",
                                 "There are no serial ports on this computer: plug the programming cable in and check "
                                 "that Device Manager lists it under \"Ports (COM & LPT)\"."};
constexpr Bilingual kRunningNow{"本机正在运行：%1。", "Running on this computer now: %1."};


}  // namespace

QStringList SerialDevicePaths() { return PortCatalogue::systemDevicePaths(); }

PortDiagnosis DiagnoseOpenFailure(const QString& path, const PortOpenResult& result) {
  PortDiagnosis diagnosis = DiagnosePort(path);
  diagnosis.systemReason = result.reason;
  if (result.ok()) return diagnosis;
  // The open's own verdict stands; the checks above only add details.
  diagnosis.problem = result.problem;
  switch (result.problem) {
    case PortProblem::Missing:
    case PortProblem::NotSerial:
      if (diagnosis.serialDevices.isEmpty()) diagnosis.serialDevices = SerialDevicePaths();
      break;
    case PortProblem::Busy:
      FindHolders(diagnosis);
      break;
    case PortProblem::PermissionDenied:
    case PortProblem::None:
      break;
  }
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
      sentences << (diagnosis.serialDevices.isEmpty() ? say(PortsNamedCom() ? kNoPortsHere : kNoDevicesHere)
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
      if (UsbGrabbingServicesApply()) sentences << say(kBusyServices);
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
