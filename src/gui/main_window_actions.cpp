// Menus, toolbar and captions of the main window.
#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

#include "gui/access_keys.h"
#include "gui/channel_grid.h"
#include "gui/channel_list_commands.h"
#include "gui/dialog_set.h"
#include "gui/document_history.h"
#include "gui/message_box.h"
#include "gui/file_commands.h"
#include "gui/main_window.h"

namespace qx210 {

namespace {

QAction* AddAction(QMenu* menu, const char* name) {
  QAction* action = menu->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QAction* AddButton(QToolBar* toolbar, const char* key, QStyle::StandardPixmap icon) {
  QAction* action = toolbar->addAction(toolbar->style()->standardIcon(icon), QString());
  action->setObjectName(QString::fromLatin1(key));
  return action;
}

}  // namespace

void MainWindow::createMenus() {
  m_fileMenu = menuBar()->addMenu(QString());
  m_fileMenu->setObjectName(QStringLiteral("mnuFile"));
  m_newAction = AddAction(m_fileMenu, "mnuNew");
  m_newAction->setShortcut(QKeySequence::New);
  m_planAction = AddAction(m_fileMenu, "newFromPlanAction");
  m_openAction = AddAction(m_fileMenu, "mnuOpen");
  m_openAction->setShortcut(QKeySequence::Open);
  m_recentMenu = m_fileMenu->addMenu(QString());
  m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
  m_saveAction = AddAction(m_fileMenu, "mnuAssave");
  m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  m_saveAsAction = AddAction(m_fileMenu, "saveAsAction");
  m_saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  m_fileMenu->addSeparator();
  m_importAction = AddAction(m_fileMenu, "importChannelsAction");
  m_exportAction = AddAction(m_fileMenu, "exportChannelsAction");
  m_sheetAction = AddAction(m_fileMenu, "exportSheetAction");
  m_printAction = AddAction(m_fileMenu, "printAction");
  m_printAction->setShortcut(QKeySequence::Print);
  m_printAction->setVisible(ChannelListCommands::canPrint());
  m_fileMenu->addSeparator();
  m_restoreAction = AddAction(m_fileMenu, "restoreAction");
  m_backupFolderAction = AddAction(m_fileMenu, "backupFolderAction");
  m_fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuline"));
  m_exitAction = AddAction(m_fileMenu, "mnuQuit");
  // Ctrl+W stays Write To Radio, so Exit has only Ctrl+Q.
  m_exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  m_editMenu = menuBar()->addMenu(QString());
  m_editMenu->setObjectName(QStringLiteral("editMenu"));
  m_editMenu->addAction(m_history->undoAction());
  m_editMenu->addAction(m_history->redoAction());
  m_editMenu->addSeparator();
  // The table's own commands, with its shortcuts (they act while it has the focus).
  m_editMenu->addActions(m_grid->channelActions());

  m_programmingMenu = menuBar()->addMenu(QString());
  m_programmingMenu->setObjectName(QStringLiteral("mnupro"));
  m_readAction = AddAction(m_programmingMenu, "mnureadFre");
  m_readAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  m_writeAction = AddAction(m_programmingMenu, "mnuwriteFre");
  m_writeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  m_productionAction = AddAction(m_programmingMenu, "mnuProduction");
  m_programmingMenu->addSeparator()->setObjectName(QStringLiteral("mnuline1"));
  m_optionalFunctionsAction = AddAction(m_programmingMenu, "mnudtmf");
  m_keyAssignmentAction = AddAction(m_programmingMenu, "Key_enactment");
  m_embeddedMessageAction = AddAction(m_programmingMenu, "mnusetin");
  m_debugParametersAction = AddAction(m_programmingMenu, "mnudebug");
  m_testFrequenciesAction = AddAction(m_programmingMenu, "mnutestfre");

  m_settingsMenu = menuBar()->addMenu(QString());
  m_settingsMenu->setObjectName(QStringLiteral("mnuset"));
  m_lockAction = AddAction(m_settingsMenu, "mnulock");
  m_lockAction->setCheckable(true);
  m_portAction = AddAction(m_settingsMenu, "mnucom");
  m_testLinkAction = AddAction(m_settingsMenu, "mnuTestLink");

  m_languageMenu = menuBar()->addMenu(QString());
  m_languageMenu->setObjectName(QStringLiteral("mnuLanguage"));
  m_chineseAction = AddAction(m_languageMenu, "mnuChinese");
  m_englishAction = AddAction(m_languageMenu, "mnuEnglish");

  m_helpMenu = menuBar()->addMenu(QString());
  m_helpMenu->setObjectName(QStringLiteral("mnuhelp"));
  // The caption itself names F1, so the key is a window shortcut rather than
  // the item's, which would show "F1" a second time.
  m_helpAction = AddAction(m_helpMenu, "mnumainhelp");
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setObjectName(QStringLiteral("mnumainhelpShortcut"));
  m_aboutAction = AddAction(m_helpMenu, "mnuabout");

  // The items whose Chinese captions carry no access letter answer the
  // letter of their English caption in both languages.
  const std::pair<QAction*, char> accessKeys[] = {
      {m_optionalFunctionsAction, 'O'}, {m_keyAssignmentAction, 'K'}, {m_embeddedMessageAction, 'E'},
      {m_testFrequenciesAction, 'T'},   {m_chineseAction, 'C'},       {m_englishAction, 'E'},
      {m_helpAction, 'H'},              {m_aboutAction, 'A'}};
  for (const auto& [action, letter] : accessKeys) SetAccessKey(action, QLatin1Char(letter));
  for (QAction* menu : menuBar()->actions()) WatchAccessKeys(menu->menu());

  connect(m_newAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_files->newChannels();
  });
  connect(m_planAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_lists->newFromPlan([this] { return m_files->maySetDocumentAside(); });
  });
  connect(m_openAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_files->open();
  });
  connect(m_saveAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_files->save();
  });
  connect(m_saveAsAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_files->saveAs();
  });
  connect(m_restoreAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_files->restoreFromBackup();
  });
  connect(m_backupFolderAction, &QAction::triggered, m_files, &FileCommands::openBackupFolder);
  connect(m_importAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    // Rows without a channel number of their own fill from the selected channel.
    const QList<int> selected = m_grid->selectedChannels();
    m_lists->importChannels(selected.isEmpty() ? 1 : selected.first());
  });
  connect(m_exportAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_lists->exportChannels();
  });
  connect(m_sheetAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_lists->exportSheet();
  });
  connect(m_printAction, &QAction::triggered, this, [this] {
    commitPendingEdit();
    m_lists->print();
  });
  // Undo and redo take an edit still open first, so it can be undone too.
  connect(m_editMenu, &QMenu::aboutToShow, this, &MainWindow::commitPendingEdit);
  m_history->setBeforeStep([this] { commitPendingEdit(); });
  connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
  DialogSet* dialogs = m_dialogs.get();
  connect(m_optionalFunctionsAction, &QAction::triggered, dialogs, &DialogSet::showOptionalFunctions);
  connect(m_keyAssignmentAction, &QAction::triggered, dialogs, &DialogSet::showKeyAssignment);
  connect(m_embeddedMessageAction, &QAction::triggered, dialogs, &DialogSet::showEmbeddedMessage);
  connect(m_debugParametersAction, &QAction::triggered, dialogs, &DialogSet::showDebugParameters);
  connect(m_testFrequenciesAction, &QAction::triggered, dialogs, &DialogSet::showTestFrequencies);
  connect(m_helpAction, &QAction::triggered, dialogs, &DialogSet::openHelp);
  connect(f1, &QShortcut::activated, dialogs, &DialogSet::openHelp);
  connect(m_aboutAction, &QAction::triggered, dialogs, &DialogSet::showAbout);
  connect(m_lockAction, &QAction::triggered, this, &MainWindow::setEditLocked);
  connect(m_chineseAction, &QAction::triggered, this, &MainWindow::chooseChinese);
  connect(m_englishAction, &QAction::triggered, this, &MainWindow::chooseEnglish);
}

void MainWindow::createToolbar() {
  m_toolBar = addToolBar(QString());
  m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
  m_toolBar->setMovable(false);
  m_toolBar->setFloatable(false);
  m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
  m_toolBar->toggleViewAction()->setEnabled(false);
  m_newButton = AddButton(m_toolBar, "new", QStyle::SP_FileIcon);
  m_openButton = AddButton(m_toolBar, "open", QStyle::SP_DialogOpenButton);
  m_saveButton = AddButton(m_toolBar, "save", QStyle::SP_DialogSaveButton);
  m_toolBar->addSeparator();
  m_readButton = AddButton(m_toolBar, "read", QStyle::SP_ArrowDown);
  m_writeButton = AddButton(m_toolBar, "write", QStyle::SP_ArrowUp);
  m_leaveDebugButton = AddButton(m_toolBar, "TAnMa", QStyle::SP_MessageBoxWarning);
  m_leaveBandOverrideButton = AddButton(m_toolBar, "Anma", QStyle::SP_MessageBoxInformation);
  m_leaveDebugButton->setVisible(false);
  m_leaveBandOverrideButton->setVisible(false);

  // The same as the menu items, an open edit committed first.
  connect(m_newButton, &QAction::triggered, m_newAction, &QAction::trigger);
  connect(m_openButton, &QAction::triggered, m_openAction, &QAction::trigger);
  connect(m_saveButton, &QAction::triggered, m_saveAction, &QAction::trigger);
  connect(m_leaveDebugButton, &QAction::triggered, this,
          [this] { hiddenButtonClicked(HiddenModes::Button::DebugParameters); });
  connect(m_leaveBandOverrideButton, &QAction::triggered, this, [this] { hiddenButtonClicked(HiddenModes::Button::BandOverride); });
  connect(&m_hiddenModes, &HiddenModes::bandOverrideChanged, m_leaveBandOverrideButton, &QAction::setVisible);
  connect(&m_document, &Document::debugParametersUnlockedChanged, this, [this](bool unlocked) {
    if (unlocked) m_leaveDebugButton->setVisible(true);
  });
}

void MainWindow::fillRecentMenu() {
  m_recentMenu->clear();
  const QStringList files = m_files->recentFiles();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files.at(i);
    QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
    connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
  }
  m_recentMenu->setEnabled(!m_busy && !files.isEmpty());
}

void MainWindow::applyLanguageCaptions() {
  // Message boxes without a title of their own show the application's title.
  SetApplicationTitle(tr("ZERATH QX-210 Radio Software V1.80"));
  updateTitle();

  m_fileMenu->setTitle(tr("File(&F)"));
  m_newAction->setText(tr("New(&N)"));
  m_planAction->setText(tr("New from channel p&lan…"));
  m_openAction->setText(tr("Open(&O)"));
  m_recentMenu->setTitle(tr("&Recent Files"));
  m_saveAction->setText(tr("Save(&S)"));
  m_saveAsAction->setText(tr("Save &As…"));
  m_importAction->setText(tr("&Import channels (CSV)…"));
  m_exportAction->setText(tr("&Export channels (CSV)…"));
  m_sheetAction->setText(tr("Export channel s&heet…"));
  m_printAction->setText(tr("&Print…"));
  m_restoreAction->setText(tr("Restore from &backup…"));
  m_backupFolderAction->setText(tr("Open backup &folder"));
  m_exitAction->setText(tr("Exit(&Q)"));
  m_editMenu->setTitle(tr("Edit(&E)"));
  m_programmingMenu->setTitle(tr("Programming(&P)"));
  m_readAction->setText(tr("Read From Radio(&R)"));
  m_writeAction->setText(tr("Write To Radio(&W)"));
  m_optionalFunctionsAction->setText(tr("&Optional function "));
  m_keyAssignmentAction->setText(tr("&Keys Assigment "));
  m_embeddedMessageAction->setText(tr("&Embedded Message"));
  m_debugParametersAction->setText(tr("Debug Parameters(&D)"));
  m_testFrequenciesAction->setText(tr("&Test Frequency"));
  m_settingsMenu->setTitle(tr("Settings(&S)"));
  m_lockAction->setText(tr("Lock(&L)"));
  m_portAction->setText(tr("Communication port(&V)"));
  m_testLinkAction->setText(tr("&Test connection…"));
  m_productionAction->setText(tr("Program &several radios…"));
  m_languageMenu->setTitle(tr("Languages(&L)"));
  m_chineseAction->setText(tr("&Chinese"));
  m_englishAction->setText(tr("&English"));
  m_helpMenu->setTitle(tr("Help(&H)"));
  m_helpAction->setText(tr("The &help topic  F1 "));
  m_aboutAction->setText(tr("&About"));

  // The buttons show only their pictures; the texts name them to a screen reader.
  const std::pair<QAction*, QString> buttons[] = {{m_newButton, tr("New")},
                                                  {m_openButton, tr("Open")},
                                                  {m_saveButton, tr("Save")},
                                                  {m_readButton, tr("Read frequency")},
                                                  {m_writeButton, tr("Write frequency")}};
  for (const auto& [button, text] : buttons) {
    button->setText(text);
    button->setToolTip(text);
  }
  // The service buttons have no caption; only a screen reader names them.
  m_toolBar->widgetForAction(m_leaveDebugButton)->setAccessibleName(tr("Leave the debug parameter mode"));
  m_toolBar->widgetForAction(m_leaveBandOverrideButton)->setAccessibleName(tr("Leave the band override"));
}

}  // namespace qx210
