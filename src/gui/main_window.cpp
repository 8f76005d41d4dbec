#include "gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <QUrl>

#include "core/clone_plan.h"
#include "core/language.h"
#include "core/language_restore.h"
#include "core/parameter_file.h"
#include "core/state_fields.h"
#include "core/user_settings.h"
#include "gui/accessibility.h"
#include "gui/channel_grid.h"
#include "gui/channel_list_commands.h"
#include "gui/dialog_set.h"
#include "gui/document_history.h"
#include "gui/file_chooser.h"
#include "gui/file_commands.h"
#include "gui/message_box.h"
#include "gui/production_window.h"
#include "gui/settings_panel.h"
#include "gui/window_link.h"

namespace qx210 {

namespace {

// The client area below the toolbar, in pixels at the usual font (the layout
// is given in twips, 15 to a pixel, measured from below the toolbar's own 28
// pixels): the table at (8, 4), the frames at x 603, y 12 and 108, the status
// line at y 358, the maker's line below the frames. Larger fonts and other
// languages widen and lengthen what needs it; a larger window goes to the
// table.
constexpr QMargins kClientMargins(8, 4, 8, 6);
constexpr int kColumnGap = 6;     // table to frames
constexpr int kStatusGap = 8;     // table to status line
constexpr int kFrame1Top = 8;     // below the table's top
constexpr int kFrameGap = 24;     // Frame1 to Frame2
constexpr int kStatusHeight = 20;
constexpr QSize kProgressSize(285, 16);
constexpr int kProgressMaximum = 460;

// The maker's site; the reserved .example domain until a real address is known.
const char kMakerUrl[] = "https://www.zerath.example/";
const char kMakerLine[] = "ZERATH Radio";

}  // namespace

MainWindow::MainWindow(const MainWindowConfig& config, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(std::make_unique<DialogSet>(m_document)),
      m_hiddenModes(m_dialogs->gestures()) {
  setObjectName(QStringLiteral("Form1"));
  InstallAccessibleInterfaces();
  SetMessageBoxOwner(this);
  m_history = new DocumentHistory(m_document, this);
  m_chooser = std::make_unique<FileChooser>(this);
  m_files = new FileCommands(m_document, *m_history, *m_chooser, this);
  m_lists = new ChannelListCommands(m_document, *m_chooser, this);
  m_dialogs->setBeforeShow([this] { commitPendingEdit(); });
  setAcceptDrops(true);
  layOut();
  createMenus();
  createToolbar();
  // Setting UiLanguage, at start-up or from the menu, re-captions every window.
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this,
          &MainWindow::applyLanguageCaptions);
  connect(&m_document, &Document::filePathChanged, this, &MainWindow::updateTitle);
  connect(&m_document, &Document::modifiedChanged, this, &MainWindow::updateTitle);
  connect(m_files, &FileCommands::recentFilesChanged, this, &MainWindow::fillRecentMenu);
  startUp(config);
  fillRecentMenu();
}

MainWindow::~MainWindow() {
  // The widgets and the link refer to the document, a member that dies
  // before the base class deletes the children: a focus change while the
  // window is torn down would reach a dead document. They go first.
  delete takeCentralWidget();
  delete m_link;
}

void MainWindow::layOut() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);

  m_grid = new ChannelGrid(m_document, client);
  m_modelFrame = new ModelFrame(m_document, client);
  connect(m_modelFrame, &ModelFrame::aboutToChangeBand, this, &MainWindow::commitPendingEdit);
  m_settingsPanel = new SettingsPanel(m_document, client);
  connect(m_settingsPanel, &SettingsPanel::gestureCaptionClicked, &m_hiddenModes, &HiddenModes::gestureClick);

  m_statusLabel = new QLabel(client);
  m_statusLabel->setObjectName(QStringLiteral("Label"));
  m_statusLabel->setStyleSheet(QStringLiteral("color: red;"));
  m_statusLabel->setMinimumHeight(kStatusHeight);
  m_statusLabel->hide();
  m_progressBar = new QProgressBar(client);
  m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
  m_progressBar->setRange(0, kProgressMaximum);
  m_progressBar->setTextVisible(false);
  m_progressBar->setFixedSize(kProgressSize);
  m_progressBar->hide();
  m_makerLabel = new ClickableLabel(client);
  m_makerLabel->setObjectName(QStringLiteral("Label2"));
  m_makerLabel->setText(QString::fromLatin1(kMakerLine));
  m_makerLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_makerLabel->setCursor(Qt::PointingHandCursor);
  m_makerLabel->setMinimumHeight(kStatusHeight);
  connect(m_makerLabel, &ClickableLabel::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerUrl))); });
  // The status line keeps its room while it is hidden, so the table does not jump.
  for (QWidget* widget : {static_cast<QWidget*>(m_statusLabel), static_cast<QWidget*>(m_progressBar)}) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
  }

  // The status line is as wide as the table: the longest status text needs
  // more than the room beside the progress bar, which is hidden whenever such
  // a text shows.
  auto* table = new QGridLayout;
  table->setVerticalSpacing(kStatusGap);
  table->addWidget(m_grid, 0, 0);
  table->addWidget(m_statusLabel, 1, 0);
  table->addWidget(m_progressBar, 1, 0, Qt::AlignRight | Qt::AlignVCenter);
  auto* frames = new QVBoxLayout;
  frames->setSpacing(0);
  frames->addSpacing(kFrame1Top);
  frames->addWidget(m_modelFrame);
  frames->addSpacing(kFrameGap);
  frames->addWidget(m_settingsPanel);
  frames->addStretch(1);
  frames->addWidget(m_makerLabel);
  auto* columns = new QHBoxLayout(client);
  columns->setContentsMargins(kClientMargins);
  columns->setSpacing(kColumnGap);
  columns->addLayout(table, 1);
  columns->addLayout(frames, 0);
}

void MainWindow::startUp(const MainWindowConfig& config) {
  // Opened (and created when missing) now; shutdown writes the same file.
  const OpenedParameters opened =
      OpenParameterFile(config.parameterFile.isEmpty() ? ParameterFileCandidates() : QStringList{config.parameterFile});
  m_parameterFile = opened.path;
  const Parameters& parameters = opened.parameters;
  // Other values than 0 and 1 leave the lock as it is.
  if (parameters.editLock == 1 || parameters.editLock == 0) setEditLocked(parameters.editLock == 1);

  // The radio link scans the ports and opens the remembered, the only or the lowest one.
  m_link = new WindowLink(m_document,
                          {.window = this, .readCommand = m_readAction, .writeCommand = m_writeAction,
                           .readButton = m_readButton, .writeButton = m_writeButton, .portCommand = m_portAction,
                           .productionCommand = m_productionAction, .testCommand = m_testLinkAction,
                           .statusLabel = m_statusLabel, .progressBar = m_progressBar,
                           .setBusy = [this](bool busy) { setExchangeBusy(busy); },
                           .commitPendingEdit = [this] { commitPendingEdit(); },
                           .confirmStart = [this](bool write) { return confirmExchange(write); },
                           .imageRead = [this](const QByteArray& image) { m_files->backUpRead(image); },
                           .documentImage = [this] { return m_document.image(); },
                           .catalogueSource = config.portCatalogue, .portSettings = config.portSettings},
                          parameters.comPortNumber,
                          config.portCatalogue ? config.portCatalogue() : PortCatalogue::fromSystem(), this);
  connect(&m_hiddenModes, &HiddenModes::bandOverrideChanged, &m_link->control(),
          &ExchangeControl::setBandOverrideEnabled);

  std::unique_ptr<QSettings> hintStore =
      config.languageHintStore ? config.languageHintStore() : OpenLanguageHintStore();
  // A first start (no language stored) follows the system's language.
  const UiLanguage language =
      RestoreLanguage(*hintStore, parameters.languageStored ? parameters.language : LanguageOfLocale());
  // Every window writes its captions when the language is set. The document
  // starts with the start-up defaults (band 400-480MHz, PF1 10, calibration
  // locked).
  SetLanguage(language);
  // The window opens at its usual size, or smaller where the screen is.
  const QSize room = screen()->availableGeometry().size() - (frameGeometry().size() - geometry().size());
  resize(sizeHint().boundedTo(room).expandedTo(minimumSizeHint()));
}

// Held by the port: the scan and the port window change it.
int MainWindow::comPortNumber() const { return m_link->serial().comPortNumber(); }
void MainWindow::setComPortNumber(int number) { m_link->serial().setComPortNumber(number); }

bool MainWindow::editLocked() const { return m_locked; }

void MainWindow::setEditLocked(bool locked) {
  m_locked = locked;
  updateEnabled();
}

void MainWindow::setExchangeBusy(bool busy) {
  m_busy = busy;
  // The document itself refuses every change meanwhile, whichever way it
  // would come (the table, undo, a dialog, an import).
  m_document.setExchangeRunning(busy);
  updateEnabled();
}

// The edit lock disables the frames and the table; an exchange disables the
// toolbar, the Programming menu and everything that would change or replace
// the document, until it ends.
void MainWindow::updateEnabled() {
  m_lockAction->setChecked(m_locked);
  m_modelFrame->setEnabled(!m_locked && !m_busy);
  m_settingsPanel->setEnabled(!m_locked && !m_busy);
  m_grid->setEnabled(!m_locked);
  m_toolBar->setEnabled(!m_busy);
  m_programmingMenu->setEnabled(!m_busy);
  for (QAction* action : {m_readAction, m_writeAction, m_readButton, m_writeButton, m_newAction, m_openAction,
                          m_restoreAction, m_importAction, m_planAction})
    action->setEnabled(!m_busy);
  m_recentMenu->setEnabled(!m_busy && !m_recentMenu->isEmpty());
  m_dialogs->setEditsBlocked(m_busy);
}

void MainWindow::updateTitle() {
  // The application title stays as it is; the file and the change mark follow it.
  const QString path = m_document.filePath();
  setWindowFilePath(path);
  const QString file = path.isEmpty() ? QString() : QStringLiteral(" - ") + QFileInfo(path).fileName();
  setWindowTitle(ApplicationTitle() + file + QStringLiteral("[*]"));
  setWindowModified(m_document.isModified());
}

bool MainWindow::openFile(const QString& path) {
  commitPendingEdit();
  if (m_busy || !m_files->maySetDocumentAside()) return false;
  return m_files->openPath(path);
}

bool MainWindow::confirmExchange(bool write) {
  if (write) return confirmWrite();
  // The read replaces the document: what has not been saved may be saved first.
  return m_files->maySetDocumentAside();
}

bool MainWindow::confirmWrite() {
  QSettings settings = UserSettings();
  if (settings.value(QStringLiteral("confirmWrite"), true).toBool() == false) return true;
  QString change;
  if (const std::optional<QByteArray>& radio = m_link->radioImage()) {
    const DifferenceCount count = WriteChanges(*radio, m_document.state(), m_document.debugParametersUnlocked());
    const QString channels = count.channels == 1 ? tr("1 channel") : tr("%1 channels").arg(count.channels);
    const QString others = count.settings == 1 ? tr("1 setting") : tr("%1 settings").arg(count.settings);
    const bool nothing = count.channels == 0 && count.settings == 0;
    if (m_link->radioImageWritten())
      change = nothing ? tr("Nothing differs from what was last written to the radio.")
                       : tr("%1 and %2 differ from what was last written to the radio.").arg(channels, others);
    else
      change = nothing ? tr("Nothing differs from what was last read from the radio.")
                       : tr("%1 and %2 differ from what was last read from the radio.").arg(channels, others);
  } else {
    change = tr("The radio has not been read in this run, so what will change in it is not known.");
  }
  bool dontAskAgain = false;
  const QString text = tr("Write to the radio on %1?").arg(m_link->portDescription()) + QStringLiteral("\n\n") + change;
  if (AskToWrite(text, dontAskAgain) != MessageResult::kWrite) return false;
  if (dontAskAgain) settings.setValue(QStringLiteral("confirmWrite"), false);
  return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!m_busy && !urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  openFile(urls.first().toLocalFile());
}

void MainWindow::commitPendingEdit() { m_grid->commitPendingEdit(); }

void MainWindow::chooseChinese() {
  if (CurrentLanguage() == kEnglish) switchLanguage(kChinese);
}

void MainWindow::chooseEnglish() {
  if (CurrentLanguage() == kChinese) switchLanguage(kEnglish);
}

void MainWindow::switchLanguage(UiLanguage language) {
  // A value being typed is taken in the language it was typed in.
  commitPendingEdit();
  // Captions, lists and the channel table's texts of every window follow.
  SetLanguage(language);
}

void MainWindow::hiddenButtonClicked(HiddenModes::Button button) {
  if (!m_hiddenModes.hiddenButtonClick(button)) return;
  if (button == HiddenModes::Button::DebugParameters) {
    // The gesture flags are cleared already; the sliders follow the flag.
    m_document.setDebugParametersUnlocked(false);
    m_leaveDebugButton->setVisible(false);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  commitPendingEdit();
  ExchangeControl& exchange = m_link->control();
  ProductionWindow* production = m_link->productionWindow();
  const bool programmingSeveral = production && production->isRunning();
  if (exchange.isRunning() || programmingSeveral) {
    // Leaving now would leave radios half written: stop them properly, or stay.
    const int answer = ShowLocalizedMessage(
        programmingSeveral ? tr("Several radios are being programmed. Stop them and exit?")
                           : tr("The radio is being read or written. Stop and exit?"),
        MessageStyle::kYesNo | MessageStyle::kIconExclamation | MessageStyle::kDefaultButton2);
    if (answer != MessageResult::kYes) {
      event->ignore();
      return;
    }
    // Nothing happens to what ended while the question was open.
    exchange.stop();
    if (production) production->abort();
  }
  if (!m_files->maySetDocumentAside()) {
    event->ignore();
    return;
  }
  Parameters parameters;
  parameters.editLock = editLocked() ? 1 : 0;
  parameters.comPortNumber = comPortNumber();
  parameters.language = CurrentLanguage();
  // Where nothing can be written, only the remembered settings are lost.
  if (!m_parameterFile.isEmpty()) WriteParameterFile(m_parameterFile, parameters);
  event->accept();
  Q_EMIT shutDown();
}


}  // namespace qx210
