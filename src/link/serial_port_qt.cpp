// The serial port on Linux and other Unix systems, through QSerialPort.
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <unistd.h>

#include "link/serial_port.h"

namespace qx210 {

namespace {

class QtSerialPort final : public SerialPort {
 public:
  QtSerialPort() {
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPort::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
  }

  PortOpenResult open(const QString& path) override {
    close();
    m_port.setPortName(path);
    m_port.clearError();
    if (m_port.open(QIODevice::ReadWrite)) return {};
    PortOpenResult result;
    result.reason = m_port.errorString();
    switch (m_port.error()) {
      case QSerialPort::DeviceNotFoundError:
        result.problem = PortProblem::Missing;
        break;
      case QSerialPort::PermissionError:
        // Qt also reports a port that another program holds (its lock file,
        // exclusive mode) as a permission error; only a device this user may
        // not open calls for the group membership.
        result.problem = ::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0 ? PortProblem::PermissionDenied
                                                                                          : PortProblem::Busy;
        break;
      case QSerialPort::ResourceError:
        result.problem = PortProblem::Busy;
        break;
      default:
        // It opened as a file but is no terminal (/dev/null, a disk).
        result.problem = PortProblem::NotSerial;
        break;
    }
    if (m_port.isOpen()) m_port.close();
    return result;
  }

  void configure() override {
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError();
  }

  bool isOpen() const override { return m_port.isOpen(); }
  void close() override {
    if (m_port.isOpen()) m_port.close();
  }
  void write(const QByteArray& bytes) override { m_port.write(bytes); }
  QByteArray readAll() override { return m_port.readAll(); }
  void clear() override {
    m_port.clear();
    m_port.clearError();
  }
  void flush() override {
    if (m_port.isOpen()) m_port.flush();
  }
  bool waitForBytesWritten(int msecs) override { return m_port.waitForBytesWritten(msecs); }

 private:
  void onError(QSerialPort::SerialPortError error) {
    switch (error) {
      case QSerialPort::ReadError:
      case QSerialPort::ResourceError:
      case QSerialPort::WriteError: {
        if (!m_port.isOpen()) return;
        // A vanished device keeps reporting; one report is enough.
        const QString reason = m_port.errorString();
        m_port.clearError();
        Q_EMIT failed(reason);
        return;
      }
      default:
        // Unsupported operations (DTR/RTS on a pseudo-terminal), timeouts and
        // open failures are not a lost port.
        return;
    }
  }

  QSerialPort m_port;
};

}  // namespace

std::unique_ptr<SerialPort> SerialPort::create() { return std::make_unique<QtSerialPort>(); }

QList<SerialDevice> SerialPort::systemDevices() {
  QList<SerialDevice> devices;
  const auto ports = QSerialPortInfo::availablePorts();
  for (const QSerialPortInfo& info : ports) {
    SerialDevice device;
    device.path = info.systemLocation();
    device.details.description = info.description();
    device.details.manufacturer = info.manufacturer();
    device.details.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier()) device.details.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier()) device.details.productId = info.productIdentifier();
    // macOS lists each device as /dev/tty.* and /dev/cu.*; the call-out side
    // is the one that opens without waiting for carrier.
    if (info.portName().startsWith(QLatin1String("tty."))) continue;
    devices << device;
  }
  return devices;
}

bool PortsNamedCom() { return false; }

bool SerialPort::deviceExists(const QString& path) { return QFileInfo::exists(path); }

}  // namespace qx210
