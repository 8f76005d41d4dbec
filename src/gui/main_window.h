#pragma once

#include <QMainWindow>
#include <QSettings>
#include <functional>
#include <memory>

#include "core/editor.h"
#include "link/port_catalogue.h"
#include "core/hidden_modes.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace qx210 {

class ChannelGrid;
class ClickableLabel;
class DialogSet;
class FileCommands;
class ModelFrame;
class SettingsPanel;
class WindowLink;

// Where the main window keeps what outlives a run.
struct MainWindowConfig {
  QString parameterFile;  // empty: ParameterFilePath()
  // The store of the one-time language hint; empty: the native per-user store.
  std::function<std::unique_ptr<QSettings>()> languageHintStore;
  // The serial ports the port scan sees; empty: the machine's own.
  std::function<PortCatalogue()> portCatalogue;
  // Where the user's own port devices are kept; empty: see WindowLinkParts.
  std::function<std::unique_ptr<QSettings>()> portSettings;
};

// Form1, the program's only top-level window: the channel table, the model and
// function settings frames, menus, toolbar, status line and progress bar. It
// lays them out and routes the commands; the work is done by the editor, the
// file commands, the hidden modes and the dialogs.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const MainWindowConfig& config = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  Editor& editor() { return m_editor; }
  ChannelGrid* grid() const { return m_grid; }
  ModelFrame* modelFrame() const { return m_frame1; }
  SettingsPanel* settingsPanel() const { return m_frame2; }
  FileCommands& fileCommands() { return *m_files; }
  DialogSet& dialogs() { return *m_dialogs; }
  HiddenModes& hiddenModes() { return m_hiddenModes; }

  // For the radio link: the commands it serves and the widgets it drives.
  QAction* readAction() const { return m_mnureadFre; }
  QAction* writeAction() const { return m_mnuwriteFre; }
  QAction* comPortAction() const { return m_mnucom; }
  QAction* toolbarReadAction() const { return m_readButton; }
  QAction* toolbarWriteAction() const { return m_writeButton; }
  QLabel* statusLabel() const { return m_label; }
  QProgressBar* progressBar() const { return m_progressBar1; }
  WindowLink* radioLink() const { return m_link; }
  // ComPortNumber: 1..20, 0 = none chosen yet; written to the parameter file at shutdown.
  int comPortNumber() const;
  void setComPortNumber(int number);
  // While an exchange runs: toolbar, Programming menu and the read/write buttons disabled.
  void setExchangeBusy(bool busy);
  // An exchange starts: the model frame is enabled whatever the edit lock, and the band list focused.
  void enableModelFrame();

  bool editLocked() const;
  void setEditLocked(bool locked);

  // mnuChinese and mnuEnglish.
  void chooseChinese();
  void chooseEnglish();
  // Writes every caption of the window in the current language.
  void applyLanguageCaptions();

 Q_SIGNALS:
  // The shutdown sequence has run; the program ends.
  void shutDown();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createMenus();
  void createToolbar();
  void layOut();
  void startUp(const MainWindowConfig& config);
  void switchLanguage(UiLanguage language);
  void hiddenButtonClicked(HiddenModes::Button button);

  Editor m_editor;
  std::unique_ptr<DialogSet> m_dialogs;
  HiddenModes m_hiddenModes;  // shares the gesture flags of m_dialogs
  FileCommands* m_files = nullptr;
  QString m_parameterFile;
  WindowLink* m_link = nullptr;

  ChannelGrid* m_grid = nullptr;
  ModelFrame* m_frame1 = nullptr;
  SettingsPanel* m_frame2 = nullptr;
  QLabel* m_label = nullptr;
  QProgressBar* m_progressBar1 = nullptr;
  ClickableLabel* m_label2 = nullptr;
  QToolBar* m_toolbar1 = nullptr;

  QMenu* m_mnuFile = nullptr;
  QMenu* m_mnupro = nullptr;
  QMenu* m_mnuset = nullptr;
  QMenu* m_mnuLanguage = nullptr;
  QMenu* m_mnuhelp = nullptr;
  QAction* m_mnuNew = nullptr;
  QAction* m_mnuOpen = nullptr;
  QAction* m_mnuAssave = nullptr;
  QAction* m_mnuQuit = nullptr;
  QAction* m_mnureadFre = nullptr;
  QAction* m_mnuwriteFre = nullptr;
  QAction* m_mnudtmf = nullptr;
  QAction* m_keyEnactment = nullptr;
  QAction* m_mnusetin = nullptr;
  QAction* m_mnudebug = nullptr;
  QAction* m_mnutestfre = nullptr;
  QAction* m_mnulock = nullptr;
  QAction* m_mnucom = nullptr;
  QAction* m_mnuProduction = nullptr;  // "Program several radios…"
  QAction* m_mnuTestLink = nullptr;    // "Test connection…"
  QAction* m_mnuChinese = nullptr;
  QAction* m_mnuEnglish = nullptr;
  QAction* m_mnumainhelp = nullptr;
  QAction* m_mnuabout = nullptr;
  QAction* m_newButton = nullptr;
  QAction* m_openButton = nullptr;
  QAction* m_saveButton = nullptr;
  QAction* m_readButton = nullptr;
  QAction* m_writeButton = nullptr;
  QAction* m_tanmaButton = nullptr;  // 7, debug-parameter mode
  QAction* m_anmaButton = nullptr;   // 8, band override
};

}  // namespace qx210
