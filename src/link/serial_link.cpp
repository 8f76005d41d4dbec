#include "link/serial_link.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qx210 {

SerialLink::SerialLink(PortCatalogue catalogue, QObject* parent)
    : QObject(parent), m_catalogue(std::move(catalogue)), m_port(new QSerialPort(this)) {
  m_availability.fill(PortAvailability::NoDevice);
  connect(m_port, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
  connect(m_port, &QSerialPort::errorOccurred, this, &SerialLink::onErrorOccurred);
}

SerialLink::~SerialLink() { close(); }

void SerialLink::setComPortNumber(int number) {
  if (number < 0 || number > PortCatalogue::kSlotCount || number == m_comPortNumber) return;
  m_comPortNumber = number;
  Q_EMIT comPortNumberChanged(number);
}

bool SerialLink::isOpen() const { return m_port->isOpen(); }

void SerialLink::close() {
  if (!m_port->isOpen()) return;
  m_port->close();
}

bool SerialLink::openSlot(int slot) {
  close();
  const QString path = m_catalogue.slotPath(slot);
  m_lastOpenError.clear();
  m_lastOpenResult = PortAvailability::NoDevice;
  if (path.isEmpty()) return false;
  m_port->setPortName(path);
  m_port->clearError();
  m_lastOpenResult = openDevice(*m_port, path, m_lastOpenError);
  if (m_lastOpenResult != PortAvailability::Openable) {
    if (m_port->isOpen()) m_port->close();
    return false;
  }
  m_port->setBaudRate(QSerialPort::Baud9600);
  m_port->setDataBits(QSerialPort::Data8);
  m_port->setParity(QSerialPort::NoParity);
  m_port->setStopBits(QSerialPort::OneStop);
  m_port->setFlowControl(QSerialPort::NoFlowControl);
  // Programming cables commonly take their supply from DTR and RTS. On a
  // pseudo-terminal both calls fail with an unsupported operation, which the
  // error handler ignores.
  m_port->setDataTerminalReady(true);
  m_port->setRequestToSend(true);
  m_port->clearError();
  m_openPath = path;
  return true;
}

PortAvailability SerialLink::openDevice(QSerialPort& port, const QString& path, QString& reason) {
  if (port.open(QIODevice::ReadWrite)) return PortAvailability::Openable;
  reason = port.errorString();
  switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
      return PortAvailability::NoDevice;
    case QSerialPort::PermissionError: {
#ifdef Q_OS_UNIX
      // Qt also reports a port that another program holds (its lock file,
      // exclusive mode) as a permission error; only a device this user may
      // not open calls for the group membership.
      if (::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0) return PortAvailability::PermissionDenied;
#endif
      // On Windows access is denied to a port another program has open.
      Q_UNUSED(path);
      return PortAvailability::Unavailable;
    }
    default:
      return PortAvailability::Unavailable;
  }
}

int SerialLink::scan(int rememberedPort) {
  close();
  int count = 0;
  int first = 0;
  for (int slot = 1; slot <= PortCatalogue::kSlotCount; ++slot) {
    QString error;
    const PortAvailability availability = probePath(m_catalogue.slotPath(slot), error);
    m_availability[static_cast<std::size_t>(slot - 1)] = availability;
    m_errors[static_cast<std::size_t>(slot - 1)] = error;
    if (availability == PortAvailability::Openable && ++count == 1) first = slot;
  }
  if (rememberedPort >= 1 && rememberedPort <= PortCatalogue::kSlotCount &&
      availability(rememberedPort) == PortAvailability::Openable) {
    choosePort(rememberedPort);
    return m_scannedChoice = rememberedPort;
  }
  // One openable port, or several: the lowest one, remembered from now on.
  if (count >= 1) {
    setComPortNumber(first);
    openSlot(first);
  }
  return m_scannedChoice = 0;
}

// Opens and closes the device only: no line settings and no DTR, which would
// reset some devices on every port of the machine.
PortAvailability SerialLink::probePath(const QString& path, QString& error) {
  error.clear();
  if (path.isEmpty()) return PortAvailability::NoDevice;
  QSerialPort port;
  port.setPortName(path);
  const PortAvailability availability = openDevice(port, path, error);
  if (port.isOpen()) port.close();
  return availability;
}

void SerialLink::setUserDevices(const QMap<int, QString>& devices) {
  m_userDevices.clear();
  for (auto it = devices.cbegin(); it != devices.cend(); ++it)
    if (it.key() >= 1 && it.key() <= PortCatalogue::kSlotCount && !it.value().isEmpty())
      m_userDevices.insert(it.key(), it.value());
  m_catalogue.applyOverrides(m_userDevices);
}

int SerialLink::addUserDevice(const QString& path) {
  int slot = m_catalogue.slotOf(path);
  if (slot == 0) slot = m_catalogue.firstFreeSlot();
  if (slot == 0) slot = PortCatalogue::kSlotCount;
  // The device that held the slot before gives it up.
  if (m_catalogue.slotPath(slot) != path && slotInUse() == slot) close();
  m_userDevices.insert(slot, path);
  m_catalogue.setSlotPath(slot, path);
  m_catalogue.setSlotDetails(slot, {});
  QString error;
  const PortAvailability availability = slotInUse() == slot ? PortAvailability::Openable : probePath(path, error);
  m_availability[static_cast<std::size_t>(slot - 1)] = availability;
  m_errors[static_cast<std::size_t>(slot - 1)] = error;
  Q_EMIT catalogueChanged();
  return slot;
}

void SerialLink::removeUserDevice(int slot) {
  if (!m_userDevices.contains(slot)) return;
  if (slotInUse() == slot) close();
  m_userDevices.remove(slot);
  m_catalogue.setSlotPath(slot, QString());
  m_catalogue.setSlotDetails(slot, {});
  m_availability[static_cast<std::size_t>(slot - 1)] = PortAvailability::NoDevice;
  m_errors[static_cast<std::size_t>(slot - 1)].clear();
  Q_EMIT catalogueChanged();
}

int SerialLink::slotInUse() const {
  if (!m_port->isOpen()) return 0;
  if (m_catalogue.slotPath(m_comPortNumber) == m_openPath) return m_comPortNumber;
  return m_catalogue.slotOf(m_openPath);
}

bool SerialLink::rescan() {
  const QString openPath = m_port->isOpen() ? m_openPath : QString();
  // A device removed under an open port: closed now rather than at its next read.
  if (!openPath.isEmpty() && !QFileInfo::exists(openPath)) {
    close();
    Q_EMIT portLost(tr("The device was removed."));
  }
  const PortCatalogue fresh = m_catalogueSource ? m_catalogueSource() : m_catalogue;
  const PortCatalogue next = m_catalogue.merged(fresh, m_userDevices);
  bool changed = !(next == m_catalogue);
  const PortCatalogue previous = m_catalogue;
  m_catalogue = next;
  const QString stillOpen = m_port->isOpen() ? m_openPath : QString();
  for (int slot = 1; slot <= PortCatalogue::kSlotCount; ++slot) {
    const auto index = static_cast<std::size_t>(slot - 1);
    const QString path = m_catalogue.slotPath(slot);
    PortAvailability availability = m_availability[index];
    QString error = m_errors[index];
    if (path.isEmpty()) {
      availability = PortAvailability::NoDevice;
      error.clear();
    } else if (path == stillOpen) {
      availability = PortAvailability::Openable;
      error.clear();
    } else if (path != previous.slotPath(slot) || availability != PortAvailability::Openable) {
      // New here, or unusable at the last look: worth one more try. A port
      // that opened before is not opened again on every look.
      availability = probePath(path, error);
    }
#ifdef Q_OS_UNIX
    else if (!QFileInfo::exists(path)) {
      availability = PortAvailability::NoDevice;  // a user's device that went away
      error.clear();
    }
#endif
    if (availability != m_availability[index]) changed = true;
    m_availability[index] = availability;
    m_errors[index] = error;
  }
  // The open port follows its device.
  if (!stillOpen.isEmpty()) {
    const int slot = m_catalogue.slotOf(stillOpen);
    if (slot != 0 && slot != m_comPortNumber) setComPortNumber(slot);
  }
  if (changed) Q_EMIT catalogueChanged();
  return changed;
}

PortAvailability SerialLink::availability(int slot) const {
  if (slot < 1 || slot > PortCatalogue::kSlotCount) return PortAvailability::NoDevice;
  return m_availability[static_cast<std::size_t>(slot - 1)];
}

QString SerialLink::openError(int slot) const {
  if (slot < 1 || slot > PortCatalogue::kSlotCount) return {};
  return m_errors[static_cast<std::size_t>(slot - 1)];
}

bool SerialLink::choosePort(int slot) {
  if (slot < 1 || slot > PortCatalogue::kSlotCount) return false;
  setComPortNumber(slot);
  return openSlot(slot);
}

void SerialLink::transmit(const QByteArray& bytes) {
  if (!m_port->isOpen()) return;
  for (const char byte : bytes) m_port->write(&byte, 1);
}

void SerialLink::flush() {
  if (m_port->isOpen()) m_port->flush();
}

void SerialLink::onReadyRead() {
  const QByteArray bytes = m_port->readAll();
  if (!bytes.isEmpty()) Q_EMIT bytesReceived(bytes);
}

void SerialLink::onErrorOccurred(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::WriteError: {
      if (!m_port->isOpen()) return;
      // A vanished device keeps reporting; close at the first report.
      const QString reason = m_port->errorString();
      m_port->clearError();
      close();
      Q_EMIT portLost(reason);
      return;
    }
    default:
      // Unsupported operations (DTR/RTS on a pseudo-terminal), timeouts and
      // open failures are not a lost port.
      return;
  }
}

}  // namespace qx210
