#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "core/radio_state.h"

#include "link/exchange_control.h"
#include "gui/form_com.h"
#include "gui/message_box_prompts.h"
#include "link/port_catalogue.h"
#include "link/serial_link.h"

class QAction;
class QLabel;
class QProgressBar;
class QWidget;

namespace qx210 {

class Document;

// What the main window lends the radio link.
struct WindowLinkParts {
  QWidget* window = nullptr;        // owner of FormCOM
  QAction* readCommand = nullptr;   // Programming > Read From Radio
  QAction* writeCommand = nullptr;  // Programming > Write To Radio
  QAction* readButton = nullptr;    // toolbar "read"
  QAction* writeButton = nullptr;   // toolbar "write"
  QAction* portCommand = nullptr;   // Settings > Communication port
  QLabel* statusLabel = nullptr;
  QProgressBar* progressBar = nullptr;
  std::function<void(bool busy)> setBusy;
  // Commits an edit still open before an exchange starts or its image arrives.
  std::function<void()> commitPendingEdit;
  // Asked before an exchange starts (true for a write): false keeps it from starting.
  std::function<bool(bool write)> confirmStart;
  // A read is complete, before its image goes into the document.
  std::function<void(const QByteArray& image)> imageRead;
};

// The radio link of the main window: the port (scanned when this is built,
// as FormCOM loads), the port window, the exchange control and its message
// boxes, wired to the window's commands, status label and progress bar. A
// write sends the document's image; a read loads into the document.
class WindowLink : public QObject {
  Q_OBJECT
 public:
  WindowLink(Document& document, const WindowLinkParts& parts, int rememberedPort,
             PortCatalogue catalogue = PortCatalogue::fromSystem(), QObject* parent = nullptr);
  ~WindowLink() override;

  SerialLink& serial() { return m_serial; }
  ExchangeControl& control() { return m_control; }
  FormCOM* form() const { return m_form; }

  void showPortWindow();

  // The port in use as the user knows it: "COM3 (/dev/ttyUSB0)".
  QString portDescription() const;
  // What the last read of this run found in the radio, if there was one.
  const std::optional<RadioState>& lastRead() const { return m_lastRead; }

 private:
  SerialLink m_serial;
  MessageBoxPrompts m_prompts;
  ExchangeControl m_control;
  QPointer<FormCOM> m_form;
  std::optional<RadioState> m_lastRead;
};

}  // namespace qx210
