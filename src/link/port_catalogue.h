#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QSettings;

// The 20 port slots COM1..COM20 and the device each one stands for.
//
// On Windows slot n is the port COMn. On Linux and macOS the slots are filled
// with the machine's serial devices: USB adapters first (ttyUSB*, ttyACM*,
// cu.usb*), then the others, each group in natural order of the device path
// (ttyUSB2 before ttyUSB10). A per-user setting puts any path, a
// pseudo-terminal included, into a slot of its own; the machine's devices
// fill the slots left free:
//
//   [ports]
//   COM3=/dev/ttyUSB0
namespace qx210 {

// What the system tells about a device, where it knows it.
struct PortDetails {
  QString description;   // "FT232R USB UART"
  QString manufacturer;  // "FTDI"
  QString serialNumber;
  int vendorId = -1;     // USB vendor and product identifiers, -1 unknown
  int productId = -1;
  bool operator==(const PortDetails&) const = default;
  bool isEmpty() const { return *this == PortDetails(); }
  // "0403:6001", or empty when unknown.
  QString usbIds() const;
};

class PortCatalogue {
 public:
  static constexpr int kSlotCount = 20;

  PortCatalogue() = default;

  // The per-user settings that hold the user's own devices.
  static std::unique_ptr<QSettings> openUserSettings();
  // The machine's ports with the user's own devices from the default settings.
  static PortCatalogue fromSystem();
  // Same, with the user's devices read from `settings`.
  static PortCatalogue fromSystem(QSettings& settings);
  // The machine's devices fill the free slots in slot order; the slots of
  // `overrides` keep their paths.
  static PortCatalogue fromDevices(const QStringList& devicePaths, const QMap<int, QString>& overrides,
                                   const QMap<QString, PortDetails>& details = {});

  // Device paths in slot order, without overrides.
  static QStringList systemDevicePaths();
  // The machine's devices in slot order, and what Qt knows about each, by path.
  struct SystemDevices {
    QStringList paths;
    QMap<QString, PortDetails> details;
  };
  static SystemDevices scanSystem();
  // Sorts device paths into slot order.
  static QStringList orderDevicePaths(QStringList paths);
  // Reads the [ports] group: COMn=path, n in 1..20.
  static QMap<int, QString> readOverrides(QSettings& settings);
  // Stores a user's device for slot n in the [ports] group (an empty path
  // removes the slot's entry).
  static void storeOverride(QSettings& settings, int slot, const QString& path);

  // Empty when slot n (1..20) has no device.
  QString slotPath(int slot) const;
  void setSlotPath(int slot, const QString& path);
  PortDetails slotDetails(int slot) const;
  void setSlotDetails(int slot, const PortDetails& details);
  void applyOverrides(const QMap<int, QString>& overrides);
  // The slot that stands for `path`, or 0.
  int slotOf(const QString& path) const;
  // The lowest slot without a device, or 0.
  int firstFreeSlot() const;

  // The catalogue after a rescan that found `fresh`: a device keeps its slot
  // for as long as it is there, a device that went away leaves its slot empty,
  // and a new device takes the lowest free slot. The user's own devices keep
  // their slots whatever the scan found.
  PortCatalogue merged(const PortCatalogue& fresh, const QMap<int, QString>& userDevices = {}) const;

  bool operator==(const PortCatalogue&) const = default;

  static QString slotCaption(int slot) { return QStringLiteral("COM%1").arg(slot); }

 private:
  std::array<QString, kSlotCount> m_paths;
  std::array<PortDetails, kSlotCount> m_details;
};

}  // namespace qx210
