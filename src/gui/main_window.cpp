#include "gui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>
#include <QUrl>

#include "gui/dialog_set.h"
#include "core/band_selection.h"
#include "gui/channel_grid.h"
#include "core/language.h"
#include "gui/message_box.h"
#include "gui/window_link.h"
#include "gui/file_commands.h"
#include "core/language_restore.h"
#include "core/parameter_file.h"
#include "gui/settings_panel.h"

namespace qx210 {

namespace {

// Geometry of the window's client area below the toolbar, in pixels (the
// layout is given in twips, 15 to a pixel, measured from below the toolbar's
// own 28 pixels).
constexpr QRect kGridRect(8, 4, 589, 346);
constexpr QRect kFrame1Rect(603, 12, 204, 72);
constexpr QRect kFrame2Rect(603, 108, 204, 224);
constexpr QSize kClientSize(815, 384);
constexpr int kGridHeaderHeight = kGridRect.height() - 16 * 20 - 2;
constexpr int kProgressMaximum = 460;

// The maker's site; the reserved .example domain until a real address is known.
const char kMakerUrl[] = "https://www.zerath.example/";
const char kMakerLine[] = "ZERATH Radio";

}  // namespace

MainWindow::MainWindow(const MainWindowConfig& config, QWidget* parent)
    : QMainWindow(parent),
      m_dialogs(std::make_unique<DialogSet>(m_editor)),
      m_hiddenModes(m_dialogs->gestures()) {
  setObjectName(QStringLiteral("Form1"));
  SetMessageBoxOwner(this);
  m_files = new FileCommands(m_editor, this);
  layOut();
  createMenus();
  createToolbar();
  // Setting UiLanguage, at start-up or from the menu, re-captions every window.
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this,
          &MainWindow::applyLanguageCaptions);
  startUp(config);
}

MainWindow::~MainWindow() {
  // The widgets and the link refer to the editor, a member that dies before
  // the base class deletes the children: a focus change while the window is
  // torn down would reach a dead editor. They go first.
  delete takeCentralWidget();
  delete m_link;
}

void MainWindow::layOut() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(kClientSize);
  setCentralWidget(client);

  m_grid = new ChannelGrid(m_editor, client);
  m_grid->setGeometry(kGridRect);
  m_grid->horizontalHeader()->setFixedHeight(kGridHeaderHeight);
  m_frame1 = new ModelFrame(m_editor, client);
  m_frame1->setGeometry(kFrame1Rect);
  m_frame2 = new SettingsPanel(m_editor, client);
  m_frame2->setGeometry(kFrame2Rect);
  connect(m_frame2, &SettingsPanel::gestureCaptionClicked, &m_hiddenModes, &HiddenModes::gestureClick);

  m_label = new QLabel(client);
  m_label->setObjectName(QStringLiteral("Label"));
  m_label->setStyleSheet(QStringLiteral("color: red;"));
  m_label->setGeometry(8, 358, 300, 20);
  m_label->hide();
  m_progressBar1 = new QProgressBar(client);
  m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  m_progressBar1->setRange(0, kProgressMaximum);
  m_progressBar1->setTextVisible(false);
  m_progressBar1->setGeometry(312, 360, 285, 16);
  m_progressBar1->hide();
  m_label2 = new ClickableLabel(client);
  m_label2->setObjectName(QStringLiteral("Label2"));
  m_label2->setText(QString::fromLatin1(kMakerLine));
  m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_label2->setCursor(Qt::PointingHandCursor);
  m_label2->setGeometry(kFrame2Rect.x(), 358, kFrame2Rect.width(), 20);
  connect(m_label2, &ClickableLabel::clicked, this,
          [] { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerUrl))); });
}

void MainWindow::startUp(const MainWindowConfig& config) {
  m_parameterFile = config.parameterFile.isEmpty() ? ParameterFilePath() : config.parameterFile;
  const Parameters parameters = ReadParameterFile(m_parameterFile);
  // Other values than 0 and 1 leave the lock as it is.
  if (parameters.editLock == 1 || parameters.editLock == 0) setEditLocked(parameters.editLock == 1);

  // Loading FormCOM scans the ports and opens the remembered, the only or the lowest one.
  m_link = new WindowLink(m_editor,
                          {.window = this, .readCommand = m_mnureadFre, .writeCommand = m_mnuwriteFre,
                           .readButton = m_readButton, .writeButton = m_writeButton, .portCommand = m_mnucom,
                           .productionCommand = m_mnuProduction, .testCommand = m_mnuTestLink,
                           .statusLabel = m_label, .progressBar = m_progressBar1,
                           .setBusy = [this](bool busy) { setExchangeBusy(busy); },
                           .prepareEditor = [this] { enableModelFrame(); },
                           .documentImage = [this] { return m_editor.encode(); },
                           .catalogueSource = config.portCatalogue, .portSettings = config.portSettings},
                          parameters.comPortNumber,
                          config.portCatalogue ? config.portCatalogue() : PortCatalogue::fromSystem(), this);
  connect(&m_hiddenModes, &HiddenModes::bandOverrideChanged, &m_link->control(),
          &ExchangeControl::setBandOverrideEnabled);

  std::unique_ptr<QSettings> hintStore =
      config.languageHintStore ? config.languageHintStore() : OpenLanguageHintStore();
  const UiLanguage language = RestoreLanguage(*hintStore, parameters.language);
  // Every window writes its captions when the language is set. The editor
  // starts with the start-up defaults (PF1 10, calibration locked).
  SetLanguage(language);

  SelectBandByProgram(m_editor.state().band, 0);
  m_editor.notifyBandChanged();
  adjustSize();
  setFixedSize(sizeHint());
}

// Held by the port: the scan and the port window change it.
int MainWindow::comPortNumber() const { return m_link->serial().comPortNumber(); }
void MainWindow::setComPortNumber(int number) { m_link->serial().setComPortNumber(number); }

bool MainWindow::editLocked() const { return m_mnulock->isChecked(); }

void MainWindow::setEditLocked(bool locked) {
  m_mnulock->setChecked(locked);
  m_frame1->setEnabled(!locked);
  m_frame2->setEnabled(!locked);
  m_grid->setEnabled(!locked);
}

void MainWindow::setExchangeBusy(bool busy) {
  m_toolbar1->setEnabled(!busy);
  m_mnupro->setEnabled(!busy);
  m_mnureadFre->setEnabled(!busy);
  m_mnuwriteFre->setEnabled(!busy);
  m_readButton->setEnabled(!busy);
  m_writeButton->setEnabled(!busy);
}

void MainWindow::enableModelFrame() {
  m_frame1->setEnabled(true);
  m_frame1->bandList()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::chooseChinese() {
  if (CurrentLanguage() == kEnglish) switchLanguage(kChinese);
}

void MainWindow::chooseEnglish() {
  if (CurrentLanguage() == kChinese) switchLanguage(kEnglish);
}

void MainWindow::switchLanguage(UiLanguage language) {
  SetLanguage(language);  // captions and lists of every window follow at once
  // Then the language-dependent cells of the channels in use.
  m_editor.table().SetGrid1Text(language);
  m_editor.notifyTableChanged();
}

void MainWindow::hiddenButtonClicked(HiddenModes::Button button) {
  if (!m_hiddenModes.hiddenButtonClick(button)) return;
  if (button == HiddenModes::Button::DebugParameters) {
    // The gesture flags are cleared already; the sliders follow the flag.
    m_editor.setDebugParametersUnlocked(false);
    m_tanmaButton->setVisible(false);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Parameters parameters;
  parameters.editLock = editLocked() ? 1 : 0;
  parameters.comPortNumber = comPortNumber();
  parameters.language = CurrentLanguage();
  // A folder that cannot be written only loses the remembered settings.
  WriteParameterFile(m_parameterFile, parameters);
  event->accept();
  Q_EMIT shutDown();
}


}  // namespace qx210
