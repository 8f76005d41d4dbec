#include "gui/window_link.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QProgressBar>

#include "core/clone_plan.h"
#include "core/document.h"
#include "core/language.h"
#include "gui/message_box.h"
#include "gui/production_window.h"

namespace qx210 {

WindowLink::WindowLink(Document& document, const WindowLinkParts& parts, int rememberedPort,
                       PortCatalogue catalogue, QObject* parent)
    : QObject(parent), m_parts(parts), m_serial(std::move(catalogue)), m_control(m_serial, m_prompts) {
  m_serial.setComPortNumber(rememberedPort);
  std::function<std::unique_ptr<QSettings>()> settings = parts.portSettings;
  if (!settings && !parts.catalogueSource) settings = [] { return PortCatalogue::openUserSettings(); };
  m_serial.setCatalogueSource(parts.catalogueSource ? parts.catalogueSource : [] { return PortCatalogue::fromSystem(); });
  if (settings) {
    if (std::unique_ptr<QSettings> store = settings()) m_serial.setUserDevices(PortCatalogue::readOverrides(*store));
  }
  m_control.setImageSource([&document] { return document.image(); });
  m_control.setBandSource([&document] { return document.state().band; });
  m_control.setCalibrationIncluded(document.debugParametersUnlocked());
  connect(&document, &Document::debugParametersUnlockedChanged, &m_control,
          &ExchangeControl::setCalibrationIncluded);
  m_control.setLanguage(CurrentLanguage());
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, &m_control,
          [this](int language) { m_control.setLanguage(language); });
  connect(&m_control, &ExchangeControl::readCompleted, &document,
          [this, &document](const QByteArray& image, int radioBand) {
            if (m_parts.imageRead) m_parts.imageRead(image);
            // What was typed during the read becomes an edit of its own,
            // which the read then replaces.
            if (m_parts.commitPendingEdit) m_parts.commitPendingEdit();
            document.loadImage(image, EditKind::ReadRadio, radioBand);
            m_radioImage = image;
            m_radioImageWritten = false;
          });
  connect(&m_control, &ExchangeControl::finished, this, [this](ExchangeOutcome outcome) {
    if (outcome != ExchangeOutcome::WriteComplete) return;
    const QByteArray& written = m_control.session().writeImage();
    m_radioImage = ImageAfterWrite(m_radioImage.value_or(written), written, m_control.calibrationIncluded());
    m_radioImageWritten = true;
  });
  // As the port window loads: scan the ports and open the remembered, the
  // only or the lowest one. The window itself is built when first shown.
  m_serial.scan(m_serial.comPortNumber());
  m_portSettings = settings;
  connect(&m_doctor, &LinkDoctor::finished, this, &WindowLink::onDoctorFinished);
  if (parts.productionCommand)
    connect(parts.productionCommand, &QAction::triggered, this, &WindowLink::showProductionWindow);
  if (parts.testCommand) connect(parts.testCommand, &QAction::triggered, this, &WindowLink::testConnection);

  // An edit still open is committed first, so a write sends it.
  const auto start = [this](bool write) {
    if (m_control.isBusy()) return;
    if (m_parts.commitPendingEdit) m_parts.commitPendingEdit();
    // With the port closed the start only says so; nothing to confirm.
    if (m_parts.confirmStart && m_serial.isOpen() && !m_parts.confirmStart(write)) return;
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
  // The port and production windows belong to the main window but use this
  // object's port.
  delete m_production.data();
  delete m_portWindow.data();
}

QString WindowLink::portDescription() const {
  const int slot = m_serial.comPortNumber();
  const QString path = m_serial.catalogue().slotPath(slot);
  const QString name = PortCatalogue::slotCaption(slot);
  return path.isEmpty() || path == name ? name : QStringLiteral("%1 (%2)").arg(name, QDir::toNativeSeparators(path));
}

ProductionWindow* WindowLink::productionWindow() const { return m_production.data(); }

void WindowLink::setBusy(bool busy) {
  if (m_parts.setBusy) m_parts.setBusy(busy);
  if (m_parts.testCommand) m_parts.testCommand->setEnabled(!busy);
}

void WindowLink::showProductionWindow() {
  if (!m_production) {
    ProductionWindow::Hooks hooks;
    hooks.image = m_parts.documentImage;
    hooks.acquirePorts = [this](const QStringList& paths) { return acquirePorts(paths); };
    hooks.releasePorts = [this] { releasePorts(); };
    m_production = new ProductionWindow(m_serial, std::move(hooks), m_parts.window);
  }
  m_production->show();
  m_production->raise();
  m_production->activateWindow();
}

bool WindowLink::acquirePorts(const QStringList& paths) {
  const QString own = m_serial.catalogue().slotPath(m_serial.slotInUse());
  if (own.isEmpty() || !paths.contains(own)) return true;
  if (m_control.isBusy() || m_doctor.isRunning()) {
    ShowLocalizedMessage(tr("The main window is using %1 with a radio; start when it has finished.").arg(own),
                         MessageStyle::kOk + MessageStyle::kIconInformation);
    return false;
  }
  // The run takes the window's port; the window has it back afterwards.
  m_serial.close();
  m_reopenAfterRun = true;
  return true;
}

void WindowLink::releasePorts() {
  if (!m_reopenAfterRun) return;
  m_reopenAfterRun = false;
  m_serial.choosePort(m_serial.comPortNumber());
}

void WindowLink::testConnection() {
  const QString title = tr("Test connection");
  if (m_doctor.isRunning()) return;
  if (m_control.isBusy()) {
    ShowLocalizedMessage(tr("An exchange with the radio is under way; test the connection when it has finished."),
                         MessageStyle::kOk + MessageStyle::kIconInformation, title);
    return;
  }
  if (m_production && m_production->isRunning()) {
    ShowLocalizedMessage(tr("Several radios are being programmed; test the connection when the run has ended."),
                         MessageStyle::kOk + MessageStyle::kIconInformation, title);
    return;
  }
  const int slot = m_serial.comPortNumber();
  const QString path = m_serial.catalogue().slotPath(slot);
  if (path.isEmpty()) {
    ShowLocalizedMessage(tr("No port has been chosen yet: choose one under Settings, \"Communication port\"."),
                         MessageStyle::kOk + MessageStyle::kIconInformation, title);
    return;
  }
  // The doctor needs the port to itself.
  m_testedSlot = slot;
  m_reopenAfterTest = m_serial.isOpen();
  m_serial.close();
  setBusy(true);
  if (QLabel* label = m_parts.statusLabel) {
    label->setText(tr("Testing the connection on %1…").arg(path));
    label->show();
  }
  m_doctor.start(path);
}

void WindowLink::onDoctorFinished(const DoctorReport& report) {
  // A port that answers is opened for the window, as a chosen one would be.
  if (m_reopenAfterTest || report.verdict == DoctorVerdict::RadioAnswers) m_serial.choosePort(m_testedSlot);
  m_reopenAfterTest = false;
  if (QLabel* label = m_parts.statusLabel) label->hide();
  setBusy(false);
  const bool good = report.verdict == DoctorVerdict::RadioAnswers;
  ShowLocalizedMessage(DescribeReport(report, CurrentLanguage()),
                       MessageStyle::kOk + (good ? MessageStyle::kIconInformation : MessageStyle::kIconStop),
                       tr("Test connection"));
  Q_EMIT connectionTested(report);
}

void WindowLink::showPortWindow() {
  if (!m_portWindow) {
    m_portWindow = new PortWindow(m_serial, m_parts.window);
    m_portWindow->setSettingsFactory(m_portSettings);
  }
  m_portWindow->show();
  m_portWindow->raise();
  m_portWindow->activateWindow();
}

}  // namespace qx210
