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

TEST(PortCatalogue, UserDevicesKeepTheirSlotsAndTheMachinesFillTheRest) {
  const QStringList machine{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyUSB1"), QStringLiteral("/dev/ttyS0")};
  const PortCatalogue catalogue =
      PortCatalogue::fromDevices(machine, {{2, QStringLiteral("/tmp/radio")}, {3, QStringLiteral("/dev/ttyUSB1")}});
  EXPECT_EQ(catalogue.slotPath(1), QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(catalogue.slotPath(2), QStringLiteral("/tmp/radio"));
  EXPECT_EQ(catalogue.slotPath(3), QStringLiteral("/dev/ttyUSB1"));  // not listed twice
  EXPECT_EQ(catalogue.slotPath(4), QStringLiteral("/dev/ttyS0"));
  EXPECT_TRUE(catalogue.slotPath(5).isEmpty());
  EXPECT_EQ(catalogue.slotOf(QStringLiteral("/dev/ttyS0")), 4);
  EXPECT_EQ(catalogue.firstFreeSlot(), 5);
}

TEST(PortCatalogue, RescanKeepsSlotsOfDevicesThatStay) {
  PortDetails ftdi;
  ftdi.description = QStringLiteral("FT232R USB UART");
  ftdi.vendorId = 0x0403;
  ftdi.productId = 0x6001;
  const QString a = QStringLiteral("/dev/ttyUSB1");
  const QString b = QStringLiteral("/dev/ttyUSB2");
  const QString fresh = QStringLiteral("/dev/ttyUSB0");
  const PortCatalogue before = PortCatalogue::fromDevices({a, b}, {});
  // ttyUSB0 is plugged in and sorts first; ttyUSB1 is pulled.
  const PortCatalogue scan = PortCatalogue::fromDevices({fresh, b}, {}, {{fresh, ftdi}});
  const PortCatalogue after = before.merged(scan);
  EXPECT_EQ(after.slotPath(1), fresh);  // the slot left free, lowest first
  EXPECT_EQ(after.slotPath(2), b);      // kept
  EXPECT_EQ(after.slotDetails(1), ftdi);
  EXPECT_EQ(after.slotDetails(1).usbIds(), QStringLiteral("0403:6001"));
  // A user's device keeps its slot though no scan finds it.
  const PortCatalogue pinned = after.merged(PortCatalogue::fromDevices({b}, {}), {{5, QStringLiteral("/tmp/qx")}});
  EXPECT_EQ(pinned.slotPath(5), QStringLiteral("/tmp/qx"));
  EXPECT_EQ(pinned.slotPath(2), b);
  EXPECT_TRUE(pinned.slotPath(1).isEmpty());
}

TEST(PortCatalogue, StoredUserDeviceReplacesAnyOtherSpelling) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("qx210.ini")), QSettings::IniFormat);
  settings.setValue(QStringLiteral("ports/com4"), QStringLiteral("/dev/old"));
  PortCatalogue::storeOverride(settings, 4, QStringLiteral("/tmp/new"));
  PortCatalogue::storeOverride(settings, 21, QStringLiteral("/tmp/none"));
  EXPECT_EQ(PortCatalogue::readOverrides(settings), (QMap<int, QString>{{4, QStringLiteral("/tmp/new")}}));
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
  EXPECT_EQ(link.availability(1), PortProblem::Missing);
  EXPECT_EQ(link.availability(2), PortProblem::Missing);
}

TEST_F(PortScan, SingleOpenablePortIsOpenedAndRemembered) {
  addRadio(7);
  SerialLink link(m_catalogue);
  EXPECT_EQ(link.scan(0), 0);  // opened, but no option marked
  EXPECT_TRUE(link.isOpen());
  EXPECT_EQ(link.comPortNumber(), 7);
  EXPECT_EQ(link.availability(7), PortProblem::None);
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
  EXPECT_EQ(link.availability(1), PortProblem::Busy);
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
  EXPECT_EQ(link.availability(3), PortProblem::None);
  EXPECT_EQ(link.availability(8), PortProblem::Missing);
}

TEST_F(PortScan, DeniedPortIsReportedAndSkipped) {
  m_catalogue.setSlotPath(2, QStringLiteral("/dev/ttyLOCKED"));
  addRadio(5);
  test::FeignedLink link(m_catalogue);
  link.feigned.insert(QStringLiteral("/dev/ttyLOCKED"), PortProblem::PermissionDenied);
  EXPECT_EQ(link.scan(2), 0);  // the remembered port cannot be opened
  EXPECT_EQ(link.availability(2), PortProblem::PermissionDenied);
  EXPECT_EQ(link.openError(2), QStringLiteral("feigned failure"));
  EXPECT_EQ(link.comPortNumber(), 5);
  EXPECT_FALSE(link.choosePort(2));
  EXPECT_TRUE(link.lastOpenDenied());
  EXPECT_EQ(link.errorString(), QStringLiteral("feigned failure"));
}

TEST_F(PortScan, RescanTriesOnlyNewPortsAndTheOpenOneFollowsItsDevice) {
  const QString first = addRadio(1);
  test::FeignedLink link(m_catalogue);
  PortCatalogue machine = m_catalogue;
  link.setCatalogueSource([&machine] { return machine; });
  link.scan(0);
  ASSERT_TRUE(link.isOpen());
  ASSERT_EQ(link.comPortNumber(), 1);
  link.opened.clear();
  QSignalSpy changed(&link, &SerialLink::catalogueChanged);
  EXPECT_FALSE(link.rescan());  // nothing new, nothing opened
  EXPECT_TRUE(link.opened.isEmpty());
  EXPECT_TRUE(changed.isEmpty());

  auto plugged = std::make_unique<sim::PtyRadio>(sim::RadioProtocol(), sim::LineOptions{});
  ASSERT_TRUE(plugged->open());
  const QString second = plugged->slavePath();
  machine = PortCatalogue::fromDevices({second, first}, {});
  EXPECT_TRUE(link.rescan());
  EXPECT_EQ(link.opened, QStringList{second});  // only the newcomer is tried
  EXPECT_EQ(link.catalogue().slotPath(1), first);
  EXPECT_EQ(link.catalogue().slotPath(2), second);
  EXPECT_EQ(link.availability(2), PortProblem::None);
  EXPECT_EQ(link.slotInUse(), 1);
  EXPECT_EQ(changed.size(), 1);

  // A device added by the user goes to the lowest free slot.
  EXPECT_EQ(link.addUserDevice(QStringLiteral("/nonexistent/qx")), 3);
  EXPECT_EQ(link.availability(3), PortProblem::Missing);
  EXPECT_EQ(link.addUserDevice(second), 2);
  link.rescan();
  EXPECT_EQ(link.catalogue().slotPath(3), QStringLiteral("/nonexistent/qx"));
}

}  // namespace
}  // namespace qx210
