#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "link/port_catalogue.h"

// One serial port, opened by path ("/dev/ttyUSB0", "COM5"), at the radio's line
// settings: 9600 bit/s, 8 data bits, no parity, 1 stop bit, no flow control.
// Each platform has its own implementation (serial_port_qt.cpp on Linux,
// serial_port_windows.cpp on Windows); this is the only place that opens a
// port and says why it could not.
namespace qx210 {

// What an attempt to open a port came to.
enum class PortProblem {
  None,              // it opened
  Missing,           // no such device
  NotSerial,         // the path is there but is no serial device
  PermissionDenied,  // this user may not open it
  Busy,              // another program holds it
};

struct PortOpenResult {
  PortProblem problem = PortProblem::None;
  QString reason;  // the system's own words when it failed
  bool ok() const { return problem == PortProblem::None; }
};

// A device of this machine and what the system tells about it.
struct SerialDevice {
  QString path;
  PortDetails details;
  // Windows lists each port under its name and its device path; details are
  // looked up by either.
  QString alias;
};

// Whether this system names its ports COM1, COM2... (Windows) rather than by
// device path: slot n is then the port COMn.
bool PortsNamedCom();

class SerialPort : public QObject {
  Q_OBJECT
 public:
  static std::unique_ptr<SerialPort> create();
  // The serial devices of this machine, in no particular order.
  static QList<SerialDevice> systemDevices();
  // Whether the device behind `path` is still there.
  static bool deviceExists(const QString& path);

  using QObject::QObject;

  // Opens the device only: no line settings, no DTR (which resets some devices).
  virtual PortOpenResult open(const QString& path) = 0;
  // The radio's line settings, with DTR and RTS raised: programming cables
  // commonly draw their supply from them (a pseudo-terminal refuses both,
  // which is no fault).
  virtual void configure() = 0;
  virtual bool isOpen() const = 0;
  virtual void close() = 0;
  virtual void write(const QByteArray& bytes) = 0;
  virtual QByteArray readAll() = 0;
  // Discards what is waiting to be read or sent.
  virtual void clear() = 0;
  // Hands queued bytes to the device without waiting for the event loop.
  virtual void flush() = 0;
  // Waits until queued bytes have left, at most `msecs`.
  virtual bool waitForBytesWritten(int msecs) = 0;

 Q_SIGNALS:
  void readyRead();
  // The open port failed (device removed, read or write error) and should be
  // closed.
  void failed(const QString& reason);
};

}  // namespace qx210
