#include "gui/window_link.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProgressBar>

#include "core/document.h"
#include "core/language.h"
#include "gui/form_com.h"

namespace qx210 {

WindowLink::WindowLink(Document& document, const WindowLinkParts& parts, int rememberedPort,
                       PortCatalogue catalogue, QObject* parent)
    : QObject(parent), m_serial(std::move(catalogue)), m_control(m_serial, m_prompts) {
  m_serial.setComPortNumber(rememberedPort);
  m_control.setImageSource([&document] { return document.image(); });
  m_control.setBandSource([&document] { return document.state().band; });
  m_control.setCalibrationIncluded(document.debugParametersUnlocked());
  connect(&document, &Document::debugParametersUnlockedChanged, &m_control,
          &ExchangeControl::setCalibrationIncluded);
  m_control.setLanguage(CurrentLanguage());
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, &m_control,
          [this](int language) { m_control.setLanguage(language); });
  connect(&m_control, &ExchangeControl::readCompleted, &document,
          [this, &document, parts](const QByteArray& image, int radioBand) {
            if (parts.imageRead) parts.imageRead(image);
            // What was typed during the read becomes an edit of its own,
            // which the read then replaces.
            if (parts.commitPendingEdit) parts.commitPendingEdit();
            document.loadImage(image, EditKind::ReadRadio, radioBand);
            m_lastRead = document.state();
          });
  m_form = new FormCOM(m_serial, parts.window);
  m_form->hide();

  // An edit still open is committed first, so a write sends it.
  const auto start = [this, parts](bool write) {
    if (m_control.isBusy()) return;
    if (parts.commitPendingEdit) parts.commitPendingEdit();
    // With the port closed the start only says so; nothing to confirm.
    if (parts.confirmStart && m_serial.isOpen() && !parts.confirmStart(write)) return;
    if (write)
      m_control.startWrite();
    else
      m_control.startRead();
  };
  for (QAction* read : {parts.readCommand, parts.readButton})
    if (read) connect(read, &QAction::triggered, this, [start] { start(false); });
  for (QAction* write : {parts.writeCommand, parts.writeButton})
    if (write) connect(write, &QAction::triggered, this, [start] { start(true); });
  if (parts.portCommand) connect(parts.portCommand, &QAction::triggered, this, &WindowLink::showPortWindow);

  if (QLabel* label = parts.statusLabel) {
    connect(&m_control, &ExchangeControl::statusTextChanged, label, &QLabel::setText);
    connect(&m_control, &ExchangeControl::statusVisibleChanged, label, &QLabel::setVisible);
  }
  if (QProgressBar* bar = parts.progressBar) {
    connect(&m_control, &ExchangeControl::progressShown, bar, [bar](int maximum) {
      bar->setRange(0, maximum);
      bar->setValue(0);
      bar->show();
    });
    connect(&m_control, &ExchangeControl::progressChanged, bar, &QProgressBar::setValue);
    connect(&m_control, &ExchangeControl::progressHidden, bar, &QProgressBar::hide);
  }
  if (parts.setBusy) connect(&m_control, &ExchangeControl::busyChanged, this, parts.setBusy);
}

WindowLink::~WindowLink() {
  // The port window belongs to the main window but uses this object's port.
  delete m_form.data();
}

QString WindowLink::portDescription() const {
  const int slot = m_serial.comPortNumber();
  const QString path = m_serial.catalogue().slotPath(slot);
  const QString name = QStringLiteral("COM%1").arg(slot);
  return path.isEmpty() || path == name ? name : QStringLiteral("%1 (%2)").arg(name, QDir::toNativeSeparators(path));
}

void WindowLink::showPortWindow() {
  m_form->show();
  m_form->raise();
  m_form->activateWindow();
}

}  // namespace qx210
