#include "link/port_catalogue.h"

#include <QSerialPortInfo>
#include <QSettings>
#include <algorithm>

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

QStringList PortCatalogue::systemDevicePaths() {
  QStringList paths;
  const auto ports = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& info : ports) {
#ifdef Q_OS_MACOS
    // Each device appears as /dev/tty.* and /dev/cu.*; the call-out side is
    // the one that opens without waiting for carrier.
    if (info.portName().startsWith(QLatin1String("tty."))) continue;
#endif
    paths << info.systemLocation();
  }
  paths.removeDuplicates();
  return orderDevicePaths(paths);
}

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

PortCatalogue PortCatalogue::fromSystem() {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qx210"), QStringLiteral("qx210"));
  return fromSystem(settings);
}

PortCatalogue PortCatalogue::fromSystem(QSettings& settings) {
  PortCatalogue catalogue;
#ifdef Q_OS_WIN
  for (int slot = 1; slot <= kSlotCount; ++slot) catalogue.setSlotPath(slot, slotCaption(slot));
#else
  const QStringList paths = systemDevicePaths();
  for (int slot = 1; slot <= kSlotCount && slot <= paths.size(); ++slot)
    catalogue.setSlotPath(slot, paths.at(slot - 1));
#endif
  catalogue.applyOverrides(readOverrides(settings));
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

void PortCatalogue::applyOverrides(const QMap<int, QString>& overrides) {
  for (auto it = overrides.cbegin(); it != overrides.cend(); ++it) setSlotPath(it.key(), it.value());
}

}  // namespace qx210
