#pragma once

#include <QMainWindow>
#include <QSettings>
#include <functional>
#include <memory>

#include "core/document.h"
#include "core/hidden_modes.h"
#include "core/ui_language.h"
#include "link/port_catalogue.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace qx210 {

class ChannelGrid;
class ClickableLabel;
class DialogSet;
class DocumentHistory;
class FileChooser;
class ChannelListCommands;
class FileCommands;
class ModelFrame;
class SettingsPanel;
class WindowLink;

// Where the main window keeps what outlives a run.
struct MainWindowConfig {
  QString parameterFile;  // empty: ParameterFileCandidates()
  // The store of the one-time language hint; empty: the native per-user store.
  std::function<std::unique_ptr<QSettings>()> languageHintStore;
  // The serial ports the port scan sees; empty: the machine's own.
  std::function<PortCatalogue()> portCatalogue;
  // Where the user's own port devices are kept; empty: see WindowLinkParts.
  std::function<std::unique_ptr<QSettings>()> portSettings;
};

// The program's only top-level window (Form1): the channel table, the model
// and function settings frames, menus, toolbar, status line and progress bar.
// It owns the document, lays out the views and routes the commands; the work
// is done by the document, the file commands, the hidden modes, the dialogs
// and the radio link. Every command that saves, sends, replaces the document,
// switches the language or opens a dialog first commits an edit still open
// in the channel table.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const MainWindowConfig& config = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  Document& document() { return m_document; }
  ChannelGrid* grid() const { return m_grid; }
  ModelFrame* modelFrame() const { return m_modelFrame; }
  SettingsPanel* settingsPanel() const { return m_settingsPanel; }
  FileCommands& fileCommands() { return *m_files; }
  ChannelListCommands& channelLists() { return *m_lists; }
  FileChooser& fileChooser() { return *m_chooser; }
  DocumentHistory& history() { return *m_history; }
  DialogSet& dialogs() { return *m_dialogs; }
  HiddenModes& hiddenModes() { return m_hiddenModes; }

  // For the radio link: the commands it serves and the widgets it drives.
  QAction* readAction() const { return m_readAction; }
  QAction* writeAction() const { return m_writeAction; }
  QAction* comPortAction() const { return m_portAction; }
  QAction* toolbarReadAction() const { return m_readButton; }
  QAction* toolbarWriteAction() const { return m_writeButton; }
  QLabel* statusLabel() const { return m_statusLabel; }
  QProgressBar* progressBar() const { return m_progressBar; }
  WindowLink* radioLink() const { return m_link; }
  // The chosen port slot: 1..20, 0 = none chosen yet; written to the parameter file at shutdown.
  int comPortNumber() const;
  void setComPortNumber(int number);
  // While an exchange runs: the toolbar, the Programming menu and every
  // command that would change or replace the document wait until it ends.
  void setExchangeBusy(bool busy);

  bool editLocked() const;
  void setEditLocked(bool locked);

  // Ends an edit still open in the channel table, so nothing typed is lost.
  void commitPendingEdit();

  // Opens a data file named on the command line or dropped on the window,
  // offering to save a changed document first.
  bool openFile(const QString& path);

  // Languages > Chinese and English.
  void chooseChinese();
  void chooseEnglish();
  // Writes every caption of the window in the current language.
  void applyLanguageCaptions();

 Q_SIGNALS:
  // The shutdown sequence has run; the program ends.
  void shutDown();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createMenus();
  void createToolbar();
  void layOut();
  void startUp(const MainWindowConfig& config);
  void switchLanguage(UiLanguage language);
  void hiddenButtonClicked(HiddenModes::Button button);
  void updateTitle();
  void updateEnabled();
  void fillRecentMenu();
  // The questions before an exchange: a read over a changed document offers
  // to save it; a write says what it will change in the radio.
  bool confirmExchange(bool write);
  bool confirmWrite();

  Document m_document;
  std::unique_ptr<DialogSet> m_dialogs;
  std::unique_ptr<FileChooser> m_chooser;
  DocumentHistory* m_history = nullptr;
  ChannelListCommands* m_lists = nullptr;
  HiddenModes m_hiddenModes;  // shares the gesture flags of m_dialogs
  FileCommands* m_files = nullptr;
  QString m_parameterFile;  // empty: nowhere to write
  WindowLink* m_link = nullptr;

  ChannelGrid* m_grid = nullptr;
  ModelFrame* m_modelFrame = nullptr;
  SettingsPanel* m_settingsPanel = nullptr;
  QLabel* m_statusLabel = nullptr;
  QProgressBar* m_progressBar = nullptr;
  ClickableLabel* m_makerLabel = nullptr;
  QToolBar* m_toolBar = nullptr;

  QMenu* m_fileMenu = nullptr;
  QMenu* m_recentMenu = nullptr;
  QMenu* m_editMenu = nullptr;
  QMenu* m_programmingMenu = nullptr;
  QMenu* m_settingsMenu = nullptr;
  QMenu* m_languageMenu = nullptr;
  QMenu* m_helpMenu = nullptr;
  QAction* m_newAction = nullptr;
  QAction* m_planAction = nullptr;
  QAction* m_openAction = nullptr;
  QAction* m_saveAction = nullptr;
  QAction* m_saveAsAction = nullptr;
  QAction* m_restoreAction = nullptr;
  QAction* m_backupFolderAction = nullptr;
  QAction* m_importAction = nullptr;
  QAction* m_exportAction = nullptr;
  QAction* m_sheetAction = nullptr;
  QAction* m_printAction = nullptr;
  QAction* m_exitAction = nullptr;
  QAction* m_readAction = nullptr;
  QAction* m_writeAction = nullptr;
  QAction* m_optionalFunctionsAction = nullptr;
  QAction* m_keyAssignmentAction = nullptr;
  QAction* m_embeddedMessageAction = nullptr;
  QAction* m_debugParametersAction = nullptr;
  QAction* m_testFrequenciesAction = nullptr;
  QAction* m_lockAction = nullptr;
  QAction* m_portAction = nullptr;
  QAction* m_productionAction = nullptr;  // "Program several radios…"
  QAction* m_testLinkAction = nullptr;    // "Test connection…"
  QAction* m_chineseAction = nullptr;
  QAction* m_englishAction = nullptr;
  QAction* m_helpAction = nullptr;
  QAction* m_aboutAction = nullptr;
  QAction* m_newButton = nullptr;
  QAction* m_openButton = nullptr;
  QAction* m_saveButton = nullptr;
  QAction* m_readButton = nullptr;
  QAction* m_writeButton = nullptr;
  QAction* m_leaveDebugButton = nullptr;  // 7, debug-parameter mode
  QAction* m_leaveBandOverrideButton = nullptr;   // 8, band override
  bool m_locked = false;
  bool m_busy = false;
};

}  // namespace qx210
