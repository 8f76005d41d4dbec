#include "link/port_catalogue.h"

#include <QSettings>
#include <algorithm>

#include "link/serial_port.h"

namespace qx210 {

namespace {

const QString kPortsGroup = QStringLiteral("ports");

bool IsUsbAdapter(const QString& path) {
  const QString name = path.section(QLatin1Char('/'), -1);
  return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")) ||
         name.startsWith(QLatin1String("cu.usb")) || name.startsWith(QLatin1String("tty.usb"));
}

// Natural order: runs of digits compare by value, so ttyUSB2 < ttyUSB10.
bool NaturalLess(const QString& a, const QString& b) {
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i].isDigit() && b[j].isDigit()) {
      qsizetype ei = i;
      qsizetype ej = j;
      while (ei < a.size() && a[ei].isDigit()) ++ei;
      while (ej < b.size() && b[ej].isDigit()) ++ej;
      const qulonglong na = a.mid(i, ei - i).toULongLong();
      const qulonglong nb = b.mid(j, ej - j).toULongLong();
      if (na != nb) return na < nb;
      i = ei;
      j = ej;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

}  // namespace

QStringList PortCatalogue::orderDevicePaths(QStringList paths) {
  std::stable_sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
    const bool usbA = IsUsbAdapter(a);
    const bool usbB = IsUsbAdapter(b);
    if (usbA != usbB) return usbA;
    return NaturalLess(a, b);
  });
  return paths;
}

QString PortDetails::usbIds() const {
  if (vendorId < 0 || productId < 0) return {};
  return QStringLiteral("%1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
}

PortCatalogue::SystemDevices PortCatalogue::scanSystem() {
  // One enumeration gives both: it reads the whole device tree each time.
  SystemDevices devices;
  const QList<SerialDevice> found = SerialPort::systemDevices();
  for (const SerialDevice& device : found) {
    devices.details.insert(device.path, device.details);
    if (!device.alias.isEmpty()) devices.details.insert(device.alias, device.details);
    devices.paths << device.path;
  }
  devices.paths.removeDuplicates();
  devices.paths = orderDevicePaths(devices.paths);
  return devices;
}

QStringList PortCatalogue::systemDevicePaths() { return scanSystem().paths; }

QMap<int, QString> PortCatalogue::readOverrides(QSettings& settings) {
  QMap<int, QString> overrides;
  settings.beginGroup(kPortsGroup);
  const QStringList keys = settings.childKeys();
  for (const QString& key : keys) {
    if (!key.startsWith(QLatin1String("COM"), Qt::CaseInsensitive)) continue;
    bool ok = false;
    const int slot = key.mid(3).toInt(&ok);
    const QString path = settings.value(key).toString().trimmed();
    if (ok && slot >= 1 && slot <= kSlotCount && !path.isEmpty()) overrides.insert(slot, path);
  }
  settings.endGroup();
  return overrides;
}

void PortCatalogue::storeOverride(QSettings& settings, int slot, const QString& path) {
  if (slot < 1 || slot > kSlotCount) return;
  settings.beginGroup(kPortsGroup);
  // One spelling per slot: a hand-written "com3" gives way to the new entry.
  const QStringList keys = settings.childKeys();
  for (const QString& key : keys)
    if (key.compare(slotCaption(slot), Qt::CaseInsensitive) == 0) settings.remove(key);
  settings.setValue(slotCaption(slot), path);
  settings.endGroup();
  settings.sync();
}

std::unique_ptr<QSettings> PortCatalogue::openUserSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qx210"),
                                     QStringLiteral("qx210"));
}

PortCatalogue PortCatalogue::fromSystem() { return fromSystem(*openUserSettings()); }

PortCatalogue PortCatalogue::fromSystem(QSettings& settings) {
  const SystemDevices devices = scanSystem();
  if (!PortsNamedCom()) return fromDevices(devices.paths, readOverrides(settings), devices.details);
  // Slot n is the port COMn, whether or not Windows has it now.
  PortCatalogue catalogue;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    catalogue.setSlotPath(slot, slotCaption(slot));
    catalogue.setSlotDetails(slot, devices.details.value(slotCaption(slot)));
  }
  catalogue.applyOverrides(readOverrides(settings));
  return catalogue;
}

PortCatalogue PortCatalogue::fromDevices(const QStringList& devicePaths, const QMap<int, QString>& overrides,
                                         const QMap<QString, PortDetails>& details) {
  PortCatalogue catalogue;
  catalogue.applyOverrides(overrides);
  for (const QString& path : devicePaths) {
    if (catalogue.slotOf(path) != 0) continue;  // already the user's own entry
    const int slot = catalogue.firstFreeSlot();
    if (slot == 0) break;
    catalogue.setSlotPath(slot, path);
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) catalogue.setSlotDetails(slot, details.value(catalogue.slotPath(slot)));
  return catalogue;
}

QString PortCatalogue::slotPath(int slot) const {
  if (slot < 1 || slot > kSlotCount) return {};
  return m_paths[static_cast<std::size_t>(slot - 1)];
}

void PortCatalogue::setSlotPath(int slot, const QString& path) {
  if (slot < 1 || slot > kSlotCount) return;
  m_paths[static_cast<std::size_t>(slot - 1)] = path;
}

PortDetails PortCatalogue::slotDetails(int slot) const {
  if (slot < 1 || slot > kSlotCount) return {};
  return m_details[static_cast<std::size_t>(slot - 1)];
}

void PortCatalogue::setSlotDetails(int slot, const PortDetails& details) {
  if (slot < 1 || slot > kSlotCount) return;
  m_details[static_cast<std::size_t>(slot - 1)] = details;
}

void PortCatalogue::applyOverrides(const QMap<int, QString>& overrides) {
  for (auto it = overrides.cbegin(); it != overrides.cend(); ++it) {
    setSlotPath(it.key(), it.value());
    setSlotDetails(it.key(), {});
  }
}

int PortCatalogue::slotOf(const QString& path) const {
  if (path.isEmpty()) return 0;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (slotPath(slot) == path) return slot;
  return 0;
}

int PortCatalogue::firstFreeSlot() const {
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (slotPath(slot).isEmpty()) return slot;
  return 0;
}

PortCatalogue PortCatalogue::merged(const PortCatalogue& fresh, const QMap<int, QString>& userDevices) const {
  PortCatalogue result;
  result.applyOverrides(userDevices);
  const auto isFree = [&](int slot) { return result.slotPath(slot).isEmpty() && !userDevices.contains(slot); };
  // Devices still there keep their slots.
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const QString path = slotPath(slot);
    const int now = fresh.slotOf(path);
    if (now == 0 || !isFree(slot) || result.slotOf(path) != 0) continue;
    result.setSlotPath(slot, path);
    result.setSlotDetails(slot, fresh.slotDetails(now));
  }
  // New devices, in the order of the fresh scan, into the free slots.
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const QString path = fresh.slotPath(slot);
    if (path.isEmpty() || result.slotOf(path) != 0) continue;
    int free = 0;
    for (int candidate = 1; candidate <= kSlotCount && free == 0; ++candidate)
      if (isFree(candidate)) free = candidate;
    if (free == 0) break;
    result.setSlotPath(free, path);
    result.setSlotDetails(free, fresh.slotDetails(slot));
  }
  return result;
}

}  // namespace qx210
