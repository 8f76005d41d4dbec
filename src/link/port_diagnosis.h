#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/ui_language.h"
#include "link/serial_port.h"

// Why a serial port cannot be used, in words a user can act on: the device
// is missing, this user may not open it, or another program holds it (named
// from /proc where the system lets this user see it).
namespace qx210 {

// A program that has the device open.
struct PortHolder {
  qint64 pid = 0;
  QString name;  // the program's name, as /proc/<pid>/comm gives it
  bool operator==(const PortHolder&) const = default;
};

struct PortDiagnosis {
  PortProblem problem = PortProblem::None;
  QString path;
  QString systemReason;        // the system's own words, when it gave any
  QStringList serialDevices;   // the serial devices that do exist (Missing, NotSerial)
  // PermissionDenied: the device's group, the user, whether the group database
  // already lists the user (added after logging in), and the command that
  // adds the user to the group on this system.
  QString group;
  QString user;
  bool groupListsUser = false;
  QString fixCommand;
  // Busy: the programs that hold it, and whether the two services known to
  // grab new USB serial devices run on this computer.
  QList<PortHolder> holders;
  bool modemManagerRunning = false;
  bool brlttyRunning = false;
};

// Checks the path without opening it: None when nothing speaks against an open.
PortDiagnosis DiagnosePort(const QString& path);
// After an open of `path` failed as `result` says: the details that help.
PortDiagnosis DiagnoseOpenFailure(const QString& path, const PortOpenResult& result);
// Fills in the programs that hold `path` open, this process excluded.
void FindHolders(PortDiagnosis& diagnosis);

// Programs other than this one with `path` open, as far as /proc shows them.
QList<PortHolder> PortHolders(const QString& path);
// Whether a process of this name runs (its /proc/<pid>/comm).
bool ProcessRunning(const QString& name);
// Serial devices of this computer, for a user who named one that is missing.
QStringList SerialDevicePaths();
// Whether the advice about services that grab new USB serial devices
// (ModemManager, brltty) applies on this system.
bool UsbGrabbingServicesApply();

// What is wrong and what to do, in one or two sentences.
QString DescribePortProblem(const PortDiagnosis& diagnosis, UiLanguage language);

}  // namespace qx210
