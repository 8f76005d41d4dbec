#pragma once

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <functional>
#include <memory>
#include <optional>

#include "core/radio_state.h"
#include "gui/message_box_prompts.h"
#include "gui/port_window.h"
#include "link/exchange_control.h"
#include "link/link_doctor.h"
#include "link/port_catalogue.h"
#include "link/serial_link.h"

class QAction;
class QLabel;
class QProgressBar;
class QWidget;

namespace qx210 {

class Document;
class ProductionWindow;

// What the main window lends the radio link.
struct WindowLinkParts {
  QWidget* window = nullptr;        // owner of PortWindow
  QAction* readCommand = nullptr;   // Programming > Read From Radio
  QAction* writeCommand = nullptr;  // Programming > Write To Radio
  QAction* readButton = nullptr;    // toolbar "read"
  QAction* writeButton = nullptr;   // toolbar "write"
  QAction* portCommand = nullptr;   // Settings > Communication port
  QAction* productionCommand = nullptr;  // "Program several radios…"
  QAction* testCommand = nullptr;        // "Test connection…"
  QLabel* statusLabel = nullptr;
  QProgressBar* progressBar = nullptr;
  std::function<void(bool busy)> setBusy;
  // Commits an edit still open before an exchange starts or its image arrives.
  std::function<void()> commitPendingEdit;
  // Asked before an exchange starts (true for a write): false keeps it from starting.
  std::function<bool(bool write)> confirmStart;
  // A read is complete, before its image goes into the document.
  std::function<void(const QByteArray& image)> imageRead;
  // The open document's image, for the production window.
  std::function<QByteArray()> documentImage;
  // Where rescans find the machine's ports; the system's when empty.
  std::function<PortCatalogue()> catalogueSource;
  // Where the user's own devices ("Other device…") are kept. When empty: the
  // per-user settings, unless a catalogue source is given (a test rig), in
  // which case they are kept for this run only.
  std::function<std::unique_ptr<QSettings>()> portSettings;
};

// The radio link of the main window: the port (scanned when this is built,
// as PortWindow loads), the port window, the exchange control and its message
// boxes, wired to the window's commands, status label and progress bar; and
// the two fleet tools, the production window and the link doctor. A write
// sends the document's image; a read loads into the document.
class WindowLink : public QObject {
  Q_OBJECT
 public:
  WindowLink(Document& document, const WindowLinkParts& parts, int rememberedPort,
             PortCatalogue catalogue = PortCatalogue::fromSystem(), QObject* parent = nullptr);
  ~WindowLink() override;

  SerialLink& serial() { return m_serial; }
  ExchangeControl& control() { return m_control; }
  // Built when first shown; the ports were scanned at start-up.
  PortWindow* portWindow() const { return m_portWindow; }
  ProductionWindow* productionWindow() const;

  void showPortWindow();
  // Programming -> "Program several radios…".
  void showProductionWindow();
  // Settings -> "Test connection…": the link doctor on the chosen port; its
  // answer comes as a message box.
  void testConnection();

  // The port in use as the user knows it: "COM3 (/dev/ttyUSB0)".
  QString portDescription() const;
  // What the radio on the port holds as far as this run knows: the image last
  // read, with every write since laid over it; none before the first read or
  // write. After a write without a read only the written ranges are known.
  const std::optional<QByteArray>& radioImage() const { return m_radioImage; }
  // True when the last exchange that set radioImage() was a write.
  bool radioImageWritten() const { return m_radioImageWritten; }

 Q_SIGNALS:
  void connectionTested(const qx210::DoctorReport& report);

 private:
  void onDoctorFinished(const DoctorReport& report);
  bool acquirePorts(const QStringList& paths);
  void releasePorts();
  void setBusy(bool busy);

  WindowLinkParts m_parts;
  SerialLink m_serial;
  MessageBoxPrompts m_prompts;
  ExchangeControl m_control;
  LinkDoctor m_doctor;
  QPointer<PortWindow> m_portWindow;
  std::function<std::unique_ptr<QSettings>()> m_portSettings;
  std::optional<QByteArray> m_radioImage;
  bool m_radioImageWritten = false;
  QPointer<ProductionWindow> m_production;
  int m_testedSlot = 0;
  bool m_reopenAfterTest = false;
  bool m_reopenAfterRun = false;
};

}  // namespace qx210
