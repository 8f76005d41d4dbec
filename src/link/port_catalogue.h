#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>

class QSettings;

// The 20 port slots COM1..COM20 and the device each one stands for.
//
// On Windows slot n is the port COMn. On Linux and macOS the slots are filled
// with the machine's serial devices: USB adapters first (ttyUSB*, ttyACM*,
// cu.usb*), then the others, each group in natural order of the device path
// (ttyUSB2 before ttyUSB10). A per-user setting overrides any slot with any
// path, a pseudo-terminal included:
//
//   [ports]
//   COM3=/dev/ttyUSB0
namespace qx210 {

class PortCatalogue {
 public:
  static constexpr int kSlotCount = 20;

  PortCatalogue() = default;

  // The machine's ports with the user's overrides from the default settings.
  static PortCatalogue fromSystem();
  // Same, with the overrides read from `settings`.
  static PortCatalogue fromSystem(QSettings& settings);

  // Device paths in slot order, without overrides.
  static QStringList systemDevicePaths();
  // Sorts device paths into slot order.
  static QStringList orderDevicePaths(QStringList paths);
  // Reads the [ports] group: COMn=path, n in 1..20.
  static QMap<int, QString> readOverrides(QSettings& settings);

  // Empty when slot n (1..20) has no device.
  QString slotPath(int slot) const;
  void setSlotPath(int slot, const QString& path);
  void applyOverrides(const QMap<int, QString>& overrides);

  static QString slotCaption(int slot) { return QStringLiteral("COM%1").arg(slot); }

 private:
  std::array<QString, kSlotCount> m_paths;
};

}  // namespace qx210
