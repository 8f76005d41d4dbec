#include "gui/window_link.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>

#include "core/band_selection.h"
#include "core/editor.h"
#include "core/language.h"
#include "gui/form_com.h"

namespace qx210 {

WindowLink::WindowLink(Editor& editor, const WindowLinkParts& parts, int rememberedPort, PortCatalogue catalogue,
                       QObject* parent)
    : QObject(parent), m_serial(std::move(catalogue)), m_control(m_serial, m_prompts) {
  m_serial.setComPortNumber(rememberedPort);
  m_control.setImageSource([&editor] { return editor.encode(); });
  m_control.setBandSource([&editor] { return editor.state().band.selected; });
  m_control.setCalibrationIncluded(editor.debugParametersUnlocked());
  connect(&editor, &Editor::debugParametersUnlockedChanged, &m_control, &ExchangeControl::setCalibrationIncluded);
  m_control.setLanguage(CurrentLanguage());
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, &m_control,
          [this](int language) { m_control.setLanguage(language); });
  connect(&m_control, &ExchangeControl::readCompleted, &editor, [&editor](const QByteArray& image, int radioBand) {
    editor.decode(image);
    // The band the radio reported, taken without the band-change question.
    SelectBandByProgram(editor.state().band, radioBand);
    editor.notifyBandChanged();
  });
  m_form = new FormCOM(m_serial, parts.window);
  m_form->hide();

  for (QAction* read : {parts.readCommand, parts.readButton})
    if (read) connect(read, &QAction::triggered, &m_control, &ExchangeControl::startRead);
  for (QAction* write : {parts.writeCommand, parts.writeButton})
    if (write) connect(write, &QAction::triggered, &m_control, &ExchangeControl::startWrite);
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
  if (parts.prepareEditor) connect(&m_control, &ExchangeControl::editorCommitRequested, this, parts.prepareEditor);
}

WindowLink::~WindowLink() {
  // The port window belongs to the main window but uses this object's port.
  delete m_form.data();
}

void WindowLink::showPortWindow() {
  m_form->show();
  m_form->raise();
  m_form->activateWindow();
}

}  // namespace qx210
