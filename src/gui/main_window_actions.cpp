// Menus, toolbar and captions of the main window.
#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

#include "gui/dialog_set.h"
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
  m_mnuFile = menuBar()->addMenu(QString());
  m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
  m_mnuNew = AddAction(m_mnuFile, "mnuNew");
  m_mnuOpen = AddAction(m_mnuFile, "mnuOpen");
  m_mnuAssave = AddAction(m_mnuFile, "mnuAssave");
  m_mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuline"));
  m_mnuQuit = AddAction(m_mnuFile, "mnuQuit");

  m_mnupro = menuBar()->addMenu(QString());
  m_mnupro->setObjectName(QStringLiteral("mnupro"));
  m_mnureadFre = AddAction(m_mnupro, "mnureadFre");
  m_mnureadFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  m_mnuwriteFre = AddAction(m_mnupro, "mnuwriteFre");
  m_mnuwriteFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
  m_mnuProduction = AddAction(m_mnupro, "mnuProduction");
  m_mnupro->addSeparator()->setObjectName(QStringLiteral("mnuline1"));
  m_mnudtmf = AddAction(m_mnupro, "mnudtmf");
  m_keyEnactment = AddAction(m_mnupro, "Key_enactment");
  m_mnusetin = AddAction(m_mnupro, "mnusetin");
  m_mnudebug = AddAction(m_mnupro, "mnudebug");
  m_mnutestfre = AddAction(m_mnupro, "mnutestfre");

  m_mnuset = menuBar()->addMenu(QString());
  m_mnuset->setObjectName(QStringLiteral("mnuset"));
  m_mnulock = AddAction(m_mnuset, "mnulock");
  m_mnulock->setCheckable(true);
  m_mnucom = AddAction(m_mnuset, "mnucom");
  m_mnuTestLink = AddAction(m_mnuset, "mnuTestLink");

  m_mnuLanguage = menuBar()->addMenu(QString());
  m_mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
  m_mnuChinese = AddAction(m_mnuLanguage, "mnuChinese");
  m_mnuEnglish = AddAction(m_mnuLanguage, "mnuEnglish");

  m_mnuhelp = menuBar()->addMenu(QString());
  m_mnuhelp->setObjectName(QStringLiteral("mnuhelp"));
  // The caption itself names F1, so the key is a window shortcut rather than
  // the item's, which would show "F1" a second time.
  m_mnumainhelp = AddAction(m_mnuhelp, "mnumainhelp");
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setObjectName(QStringLiteral("mnumainhelpShortcut"));
  m_mnuabout = AddAction(m_mnuhelp, "mnuabout");

  connect(m_mnuNew, &QAction::triggered, m_files, &FileCommands::newChannels);
  connect(m_mnuOpen, &QAction::triggered, m_files, &FileCommands::open);
  connect(m_mnuAssave, &QAction::triggered, m_files, &FileCommands::save);
  connect(m_mnuQuit, &QAction::triggered, this, &QWidget::close);
  DialogSet* dialogs = m_dialogs.get();
  connect(m_mnudtmf, &QAction::triggered, dialogs, &DialogSet::showOptionalFunctions);
  connect(m_keyEnactment, &QAction::triggered, dialogs, &DialogSet::showKeyAssignment);
  connect(m_mnusetin, &QAction::triggered, dialogs, &DialogSet::showEmbeddedMessage);
  connect(m_mnudebug, &QAction::triggered, dialogs, &DialogSet::showDebugParameters);
  connect(m_mnutestfre, &QAction::triggered, dialogs, &DialogSet::showTestFrequencies);
  connect(m_mnumainhelp, &QAction::triggered, dialogs, &DialogSet::openHelp);
  connect(f1, &QShortcut::activated, dialogs, &DialogSet::openHelp);
  connect(m_mnuabout, &QAction::triggered, dialogs, &DialogSet::showAbout);
  connect(m_mnulock, &QAction::triggered, this, &MainWindow::setEditLocked);
  connect(m_mnuChinese, &QAction::triggered, this, &MainWindow::chooseChinese);
  connect(m_mnuEnglish, &QAction::triggered, this, &MainWindow::chooseEnglish);
}

void MainWindow::createToolbar() {
  m_toolbar1 = addToolBar(QString());
  m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
  m_toolbar1->setMovable(false);
  m_toolbar1->setFloatable(false);
  m_toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
  m_toolbar1->toggleViewAction()->setEnabled(false);
  m_newButton = AddButton(m_toolbar1, "new", QStyle::SP_FileIcon);
  m_openButton = AddButton(m_toolbar1, "open", QStyle::SP_DialogOpenButton);
  m_saveButton = AddButton(m_toolbar1, "save", QStyle::SP_DialogSaveButton);
  m_toolbar1->addSeparator();
  m_readButton = AddButton(m_toolbar1, "read", QStyle::SP_ArrowDown);
  m_writeButton = AddButton(m_toolbar1, "write", QStyle::SP_ArrowUp);
  m_tanmaButton = AddButton(m_toolbar1, "TAnMa", QStyle::SP_MessageBoxWarning);
  m_anmaButton = AddButton(m_toolbar1, "Anma", QStyle::SP_MessageBoxInformation);
  m_tanmaButton->setVisible(false);
  m_anmaButton->setVisible(false);

  connect(m_newButton, &QAction::triggered, m_files, &FileCommands::newChannels);
  connect(m_openButton, &QAction::triggered, m_files, &FileCommands::open);
  connect(m_saveButton, &QAction::triggered, m_files, &FileCommands::save);
  connect(m_tanmaButton, &QAction::triggered, this,
          [this] { hiddenButtonClicked(HiddenModes::Button::DebugParameters); });
  connect(m_anmaButton, &QAction::triggered, this, [this] { hiddenButtonClicked(HiddenModes::Button::BandOverride); });
  connect(&m_hiddenModes, &HiddenModes::bandOverrideChanged, m_anmaButton, &QAction::setVisible);
  connect(&m_editor, &Editor::debugParametersUnlockedChanged, this, [this](bool unlocked) {
    if (unlocked) m_tanmaButton->setVisible(true);
  });
}

void MainWindow::applyLanguageCaptions() {
  setWindowTitle(tr("ZERATH QX-210 Radio Software V1.80"));
  // Message boxes without a title of their own show the window title.
  SetApplicationTitle(windowTitle());

  m_mnuFile->setTitle(tr("File(&F)"));
  m_mnuNew->setText(tr("New(&N)"));
  m_mnuOpen->setText(tr("Open(&O)"));
  m_mnuAssave->setText(tr("Save(&S)"));
  m_mnuQuit->setText(tr("Exit(&Q)"));
  m_mnupro->setTitle(tr("Programming(&P)"));
  m_mnureadFre->setText(tr("Read From Radio(&R)"));
  m_mnuwriteFre->setText(tr("Write To Radio(&W)"));
  m_mnudtmf->setText(tr("Optional function "));
  m_keyEnactment->setText(tr("Keys Assigment "));
  m_mnusetin->setText(tr("Embedded Message"));
  m_mnudebug->setText(tr("Debug Parameters(&D)"));
  m_mnutestfre->setText(tr("Test Frequency"));
  m_mnuset->setTitle(tr("Settings(&S)"));
  m_mnulock->setText(tr("Lock(&L)"));
  m_mnucom->setText(tr("Communication port(&V)"));
  m_mnuTestLink->setText(tr("Test connection…"));
  m_mnuProduction->setText(tr("Program several radios…"));
  m_mnuLanguage->setTitle(tr("Languages(&L)"));
  m_mnuChinese->setText(tr("Chinese"));
  m_mnuEnglish->setText(tr("English"));
  m_mnuhelp->setTitle(tr("Help(&H)"));
  m_mnumainhelp->setText(tr("The help topic  F1 "));
  m_mnuabout->setText(tr("About"));

  m_newButton->setToolTip(tr("New"));
  m_openButton->setToolTip(tr("Open"));
  m_saveButton->setToolTip(tr("Save"));
  m_readButton->setToolTip(tr("Read frequency"));
  m_writeButton->setToolTip(tr("Write frequency"));
}

}  // namespace qx210
