// The Win32 serial port (the Windows build, under Wine here): failures are
// classified as on Linux, and ports are named COMn.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/serial_port.h"

namespace qx210 {
namespace {

TEST(SerialPortWindows, FailuresAreClassifiedAndPortsAreComNames) {
  const auto port = SerialPort::create();
  EXPECT_EQ(port->open(QStringLiteral("COM250")).problem, PortProblem::Missing);

  // A plain file opens but is no serial device.
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const PortOpenResult plain = port->open(file.fileName());
  EXPECT_EQ(plain.problem, PortProblem::NotSerial);
  EXPECT_FALSE(plain.reason.isEmpty());
  EXPECT_FALSE(port->isOpen());

  EXPECT_TRUE(PortsNamedCom());
  for (const SerialDevice& device : SerialPort::systemDevices())
    EXPECT_TRUE(device.path.startsWith(QLatin1String("COM"))) << device.path.toStdString();
}

}  // namespace
}  // namespace qx210
