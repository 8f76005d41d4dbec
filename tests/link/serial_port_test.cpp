// Opening ports: the link reports the outcome the port gave, nothing of its own.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/serial_link.h"
#include "link/serial_port.h"

namespace qx210 {
namespace {

TEST(SerialPortOpen, FailuresAreClassifiedOnce) {
  QTemporaryDir dir;
  QFile file(dir.filePath(QStringLiteral("plain")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const auto port = SerialPort::create();
  EXPECT_EQ(port->open(dir.filePath(QStringLiteral("ttyNONE"))).problem, PortProblem::Missing);
  const PortOpenResult devNull = port->open(QStringLiteral("/dev/null"));
  EXPECT_EQ(devNull.problem, PortProblem::NotSerial);
  EXPECT_FALSE(devNull.reason.isEmpty());
  EXPECT_FALSE(port->isOpen());

  // The link reports a slot the same way.
  PortCatalogue catalogue;
  catalogue.setSlotPath(1, QStringLiteral("/dev/null"));
  SerialLink link(catalogue);
  EXPECT_FALSE(link.choosePort(1));
  EXPECT_EQ(link.lastOpenResult().problem, PortProblem::NotSerial);
  EXPECT_EQ(link.availability(1), PortProblem::Missing);  // never scanned
}

}  // namespace
}  // namespace qx210
