#include "link/serial_link.h"

namespace qx210 {

SerialLink::SerialLink(PortCatalogue catalogue, QObject* parent)
    : QObject(parent), m_catalogue(std::move(catalogue)), m_port(SerialPort::create()) {
  m_availability.fill(PortProblem::Missing);
  connect(m_port.get(), &SerialPort::readyRead, this, &SerialLink::onReadyRead);
  connect(m_port.get(), &SerialPort::failed, this, &SerialLink::onFailed);
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
  m_lastOpen = {PortProblem::Missing, {}};
  if (path.isEmpty()) return false;
  m_lastOpen = openDevice(*m_port, path);
  if (!m_lastOpen.ok()) {
    m_port->close();
    return false;
  }
  m_port->configure();
  m_openPath = path;
  return true;
}

PortOpenResult SerialLink::openDevice(SerialPort& port, const QString& path) { return port.open(path); }

int SerialLink::scan(int rememberedPort) {
  close();
  int count = 0;
  int first = 0;
  for (int slot = 1; slot <= PortCatalogue::kSlotCount; ++slot) {
    const PortOpenResult result = probePath(m_catalogue.slotPath(slot));
    m_availability[static_cast<std::size_t>(slot - 1)] = result.problem;
    m_errors[static_cast<std::size_t>(slot - 1)] = result.reason;
    if (result.ok() && ++count == 1) first = slot;
  }
  if (rememberedPort >= 1 && rememberedPort <= PortCatalogue::kSlotCount &&
      availability(rememberedPort) == PortProblem::None) {
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
PortOpenResult SerialLink::probePath(const QString& path) {
  if (path.isEmpty()) return {PortProblem::Missing, {}};
  const std::unique_ptr<SerialPort> port = SerialPort::create();
  const PortOpenResult result = openDevice(*port, path);
  port->close();
  return result;
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
  const PortOpenResult result = slotInUse() == slot ? PortOpenResult{} : probePath(path);
  m_availability[static_cast<std::size_t>(slot - 1)] = result.problem;
  m_errors[static_cast<std::size_t>(slot - 1)] = result.reason;
  Q_EMIT catalogueChanged();
  return slot;
}

int SerialLink::slotInUse() const {
  if (!m_port->isOpen()) return 0;
  if (m_catalogue.slotPath(m_comPortNumber) == m_openPath) return m_comPortNumber;
  return m_catalogue.slotOf(m_openPath);
}

bool SerialLink::rescan() {
  const QString openPath = m_port->isOpen() ? m_openPath : QString();
  // A device removed under an open port: closed now rather than at its next read.
  if (!openPath.isEmpty() && !SerialPort::deviceExists(openPath)) {
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
    PortProblem availability = m_availability[index];
    QString error = m_errors[index];
    if (path.isEmpty()) {
      availability = PortProblem::Missing;
      error.clear();
    } else if (path == stillOpen) {
      availability = PortProblem::None;
      error.clear();
    } else if (path != previous.slotPath(slot) || availability != PortProblem::None) {
      // New here, or unusable at the last look: worth one more try. A port
      // that opened before is not opened again on every look.
      const PortOpenResult result = probePath(path);
      availability = result.problem;
      error = result.reason;
    } else if (!SerialPort::deviceExists(path)) {
      availability = PortProblem::Missing;  // a user's device that went away
      error.clear();
    }
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

PortProblem SerialLink::availability(int slot) const {
  if (slot < 1 || slot > PortCatalogue::kSlotCount) return PortProblem::Missing;
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
  for (const char byte : bytes) m_port->write(QByteArray(1, byte));
}

void SerialLink::flush() {
  if (m_port->isOpen()) m_port->flush();
}

void SerialLink::onReadyRead() {
  const QByteArray bytes = m_port->readAll();
  if (!bytes.isEmpty()) Q_EMIT bytesReceived(bytes);
}

void SerialLink::onFailed(const QString& reason) {
  if (!m_port->isOpen()) return;
  close();
  Q_EMIT portLost(reason);
}

}  // namespace qx210
