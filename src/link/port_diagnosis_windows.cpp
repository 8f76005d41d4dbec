// The checks of a port on Windows: ports are COMn names from the registry's
// map; Windows does not tell which program holds a port.
#include "link/port_diagnosis.h"

namespace qx210 {

bool UsbGrabbingServicesApply() { return false; }

QList<PortHolder> PortHolders(const QString& path) {
  Q_UNUSED(path);
  return {};
}

bool ProcessRunning(const QString& name) {
  Q_UNUSED(name);
  return false;
}

PortDiagnosis DiagnosePort(const QString& path) {
  PortDiagnosis diagnosis;
  diagnosis.path = path;
  if (path.isEmpty() || !SerialPort::deviceExists(path)) {
    diagnosis.problem = PortProblem::Missing;
    diagnosis.serialDevices = SerialDevicePaths();
  }
  return diagnosis;
}

}  // namespace qx210
