#pragma once

#include <QByteArray>
#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "link/port_catalogue.h"
#include "link/serial_port.h"

// The serial port: 9600 bit/s, 8 data bits, no parity, 1 stop bit, no
// flow control, raw bytes. Opens ports by slot number (COM1..COM20), runs the
// start-up scan and reports every received chunk.
namespace qx210 {

class SerialLink : public QObject {
  Q_OBJECT
 public:
  explicit SerialLink(PortCatalogue catalogue, QObject* parent = nullptr);
  ~SerialLink() override;

  const PortCatalogue& catalogue() const { return m_catalogue; }

  // Where rescans look for the machine's devices (none: rescans only check
  // what is known).
  void setCatalogueSource(std::function<PortCatalogue()> source) { m_catalogueSource = std::move(source); }
  // The user's own devices ("Other device..."): they keep their slots through
  // every rescan.
  void setUserDevices(const QMap<int, QString>& devices);
  const QMap<int, QString>& userDevices() const { return m_userDevices; }
  // Puts `path` into a slot (the one that has it already, else the lowest
  // free one, else the last), remembers it as the user's own and returns the
  // slot. The port is not opened.
  int addUserDevice(const QString& path);

  // Looks for devices that came or went since the last look. Known devices
  // keep their slots; only new ones are tried, and the open port is left as
  // it is (it follows its device into another slot). True when the catalogue
  // or a slot's availability changed.
  bool rescan();
  // The slot whose port is open now, or 0.
  int slotInUse() const;

  // The chosen slot: 1..20, 0 = none chosen yet.
  int comPortNumber() const { return m_comPortNumber; }
  void setComPortNumber(int number);

  // The start-up scan: tries every slot once, COM1 first, then opens the
  // remembered port, or the only openable one, or the lowest openable one
  // (which then becomes the chosen slot). Returns the slot that was marked as
  // chosen (the remembered one), or 0.
  int scan(int rememberedPort);
  // The slot the last scan marked as chosen (the remembered one), or 0; -1
  // before any scan.
  int scannedChoice() const { return m_scannedChoice; }
  // What trying the slot's device came to (Missing for a slot without one).
  PortProblem availability(int slot) const;
  QString openError(int slot) const;

  // The user picks a slot: it becomes the chosen one and is opened. False
  // when the port stays closed.
  bool choosePort(int slot);

  bool isOpen() const;
  void close();
  // Why the last open failed.
  QString errorString() const { return m_lastOpen.reason; }
  const PortOpenResult& lastOpenResult() const { return m_lastOpen; }
  bool lastOpenDenied() const { return m_lastOpen.problem == PortProblem::PermissionDenied; }
  // Hands written bytes to the device without waiting for the event loop.
  void flush();
  // One message, handed to the port one byte at a time.
  void transmit(const QByteArray& bytes);

 Q_SIGNALS:
  void bytesReceived(const QByteArray& bytes);
  // The open port failed (device removed, read error) and has been closed.
  void portLost(const QString& reason);
  void comPortNumberChanged(int number);
  void catalogueChanged();

 protected:
  // Opens `path` on `port`, or says why it stays closed. Tests replace it to
  // feign the open failures of devices they cannot make.
  virtual PortOpenResult openDevice(SerialPort& port, const QString& path);

 private:
  bool openSlot(int slot);
  void onReadyRead();
  void onFailed(const QString& reason);
  // Tries `path` with a port of its own, leaving the open one alone.
  PortOpenResult probePath(const QString& path);

  PortCatalogue m_catalogue;
  QString m_openPath;  // the path the open port was opened by (portName() shortens it)
  std::function<PortCatalogue()> m_catalogueSource;
  QMap<int, QString> m_userDevices;
  std::unique_ptr<SerialPort> m_port;
  int m_comPortNumber = 0;
  int m_scannedChoice = -1;
  PortOpenResult m_lastOpen{PortProblem::Missing, {}};
  std::array<PortProblem, PortCatalogue::kSlotCount> m_availability{};
  std::array<QString, PortCatalogue::kSlotCount> m_errors;
};

}  // namespace qx210
