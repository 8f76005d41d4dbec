#include <gtest/gtest.h>

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "support/feigned_link.h"
#include "link/port_catalogue.h"
#include "link/serial_link.h"
#include "pty_radio.h"

namespace qx210 {
namespace {

TEST(PortCatalogue, UsbAdaptersFirstThenNaturalOrder) {
  const QStringList ordered = PortCatalogue::orderDevicePaths(
      {QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyUSB10"), QStringLiteral("/dev/ttyUSB2"),
       QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/ttyS0")});
  EXPECT_EQ(ordered, (QStringList{QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/ttyUSB2"),
                                  QStringLiteral("/dev/ttyUSB10"), QStringLiteral("/dev/ttyS0"),
                                  QStringLiteral("/dev/ttyS1")}));
}

TEST(PortCatalogue, SettingsOverrideSlots) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("qx210.ini")), QSettings::IniFormat);
  settings.beginGroup(QStringLiteral("ports"));
  settings.setValue(QStringLiteral("COM3"), QStringLiteral("/dev/pts/7"));
  settings.setValue(QStringLiteral("com20"), QStringLiteral("/dev/ttyUSB0"));
  settings.setValue(QStringLiteral("COM21"), QStringLiteral("/dev/ttyUSB1"));
  settings.setValue(QStringLiteral("COM0"), QStringLiteral("/dev/ttyUSB2"));
  settings.setValue(QStringLiteral("COM4"), QString());
  settings.setValue(QStringLiteral("modem"), QStringLiteral("/dev/ttyUSB3"));
  settings.endGroup();
  const QMap<int, QString> overrides = PortCatalogue::readOverrides(settings);
  EXPECT_EQ(overrides, (QMap<int, QString>{{3, QStringLiteral("/dev/pts/7")}, {20, QStringLiteral("/dev/ttyUSB0")}}));
  const PortCatalogue catalogue = PortCatalogue::fromSystem(settings);
  EXPECT_EQ(catalogue.slotPath(3), QStringLiteral("/dev/pts/7"));
  EXPECT_EQ(catalogue.slotPath(20), QStringLiteral("/dev/ttyUSB0"));
  EXPECT_TRUE(catalogue.slotPath(21).isEmpty());
  EXPECT_EQ(PortCatalogue::slotCaption(12), QStringLiteral("COM12"));
}

// Slots backed by emulated radios; the others by paths that do not exist.
class PortScan : public ::testing::Test {
 protected:
  QString addRadio(int slot) {
    auto radio = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});
    EXPECT_TRUE(radio->open());
    m_catalogue.setSlotPath(slot, radio->slavePath());
    m_radios.push_back(std::move(radio));
    return m_catalogue.slotPath(slot);
  }
  PortCatalogue m_catalogue;
  std::vector<std::unique_ptr<sim::PtyRadio>> m_radios;
};

TEST_F(PortScan, NoOpenablePortLeavesThePortClosed) {
  m_catalogue.setSlotPath(1, QStringLiteral("/nonexistent/tty0"));
  SerialLink link(m_catalogue);
  EXPECT_EQ(link.scan(0), 0);
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 0);
  EXPECT_EQ(link.availability(1), PortAvailability::NoDevice);
  EXPECT_EQ(link.availability(2), PortAvailability::NoDevice);
}

TEST_F(PortScan, SingleOpenablePortIsOpenedAndRemembered) {
  addRadio(7);
  SerialLink link(m_catalogue);
  EXPECT_EQ(link.scan(0), 0);  // opened, but no option marked
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 7);
  EXPECT_EQ(link.availability(7), PortAvailability::Openable);
}

TEST_F(PortScan, RememberedPortIsOpenedAndMarked) {
  addRadio(2);
  addRadio(9);
  SerialLink link(m_catalogue);
  EXPECT_EQ(link.scan(9), 9);
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 9);
}

TEST_F(PortScan, SeveralPortsWithoutTheRememberedOneOpenTheLowest) {
  addRadio(4);
  addRadio(11);
  SerialLink link(m_catalogue);
  QSignalSpy stored(&link, &SerialLink::comPortNumberChanged);
  EXPECT_EQ(link.scan(15), 0);
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 4);
  EXPECT_EQ(stored.size(), 1);
}

TEST_F(PortScan, ChoosingAPortThatCannotOpenLeavesItClosed) {
  addRadio(1);
  m_catalogue.setSlotPath(2, QStringLiteral("/nonexistent/tty1"));
  SerialLink link(m_catalogue);
  link.scan(0);
  ASSERT_TRUE(link.isOpen());
  EXPECT_FALSE(link.choosePort(2));
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 2);
  EXPECT_TRUE(link.choosePort(1));
}

// Qt reports a port that another opener holds (its lock file, exclusive
// mode) as a permission error; the window must not then blame the user's
// group membership.
TEST_F(PortScan, PortHeldElsewhereIsUnavailableNotDenied) {
  addRadio(1);
  SerialLink holder(m_catalogue);
  ASSERT_TRUE(holder.choosePort(1));
  SerialLink link(m_catalogue);
  EXPECT_EQ(link.scan(0), 0);
  EXPECT_FALSE(link.isOpen());
  EXPECT_EQ(link.availability(1), PortAvailability::Unavailable);
  EXPECT_FALSE(link.openError(1).isEmpty());
  EXPECT_FALSE(link.choosePort(1));
  EXPECT_FALSE(link.lastOpenDenied());
}

TEST_F(PortScan, ScanTriesEveryExistingPortOnceComOneFirst) {
  m_catalogue.setSlotPath(1, QStringLiteral("/nonexistent/ttyA"));
  const QString second = addRadio(3);
  m_catalogue.setSlotPath(8, QStringLiteral("/nonexistent/ttyB"));
  const QString fourth = addRadio(12);
  m_catalogue.setSlotPath(20, QStringLiteral("/nonexistent/ttyC"));
  test::FeignedLink link(m_catalogue);
  EXPECT_EQ(link.scan(12), 12);
  // The scan in slot order, then the remembered port opened for good.
  EXPECT_EQ(link.opened, (QStringList{QStringLiteral("/nonexistent/ttyA"), second, QStringLiteral("/nonexistent/ttyB"),
                                      fourth, QStringLiteral("/nonexistent/ttyC"), fourth}));
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.availability(3), PortAvailability::Openable);
  EXPECT_EQ(link.availability(8), PortAvailability::NoDevice);
}

TEST_F(PortScan, DeniedPortIsReportedAndSkipped) {
  m_catalogue.setSlotPath(2, QStringLiteral("/dev/ttyLOCKED"));
  addRadio(5);
  test::FeignedLink link(m_catalogue);
  link.feigned.insert(QStringLiteral("/dev/ttyLOCKED"), PortAvailability::PermissionDenied);
  EXPECT_EQ(link.scan(2), 0);  // the remembered port cannot be opened
  EXPECT_EQ(link.availability(2), PortAvailability::PermissionDenied);
  EXPECT_EQ(link.openError(2), QStringLiteral("feigned failure"));
  EXPECT_EQ(link.comPortNumber(), 5);
  EXPECT_FALSE(link.choosePort(2));
  EXPECT_TRUE(link.lastOpenDenied());
  EXPECT_EQ(link.errorString(), QStringLiteral("feigned failure"));
}

}  // namespace
}  // namespace qx210
