// Start-up, shutdown, edit lock, New, hidden modes and the language switch.
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>

#include "core/link_texts.h"
#include "gui/dialog_set.h"
#include "gui/embedded_message_dialog.h"
#include "gui/key_assignment_dialog.h"
#include "gui/settings_panel.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

QAction* Action(QWidget* window, const char* name) {
  auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
  if (!action) ADD_FAILURE() << "no action " << name;
  return action;
}

QComboBox* Combo(QWidget* window, const char* name) {
  auto* combo = window->findChild<QComboBox*>(QString::fromLatin1(name));
  if (!combo) ADD_FAILURE() << "no combo " << name;
  return combo;
}

QStringList Items(QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

TEST_F(MainWindowTest, StartUpShowsTheDefaults) {
  start();
  EXPECT_EQ(Combo(window.get(), "Combo1")->currentText(), QStringLiteral("400-480MHz"));
  EXPECT_EQ(Combo(window.get(), "Combo2")->currentText(), QStringLiteral("Chinese"));
  EXPECT_EQ(Combo(window.get(), "Combo3")->currentText(), QStringLiteral("90 S"));
  EXPECT_EQ(Combo(window.get(), "Combo9")->currentText(), QStringLiteral("Level 3"));
  for (const char* name : {"Combo6", "Combo7", "Combo10", "Combo4"})
    EXPECT_EQ(Combo(window.get(), name)->currentIndex(), 1) << name;
  EXPECT_FALSE(Combo(window.get(), "Combo4")->isVisibleTo(window.get()));
  EXPECT_FALSE(window->findChild<QLabel*>(QStringLiteral("Label1"))->isVisibleTo(window.get()));
  EXPECT_FALSE(window->statusLabel()->isVisible());
  EXPECT_FALSE(window->progressBar()->isVisible());
  EXPECT_EQ(window->progressBar()->maximum(), 460);
  EXPECT_FALSE(Action(window.get(), "TAnMa")->isVisible());
  EXPECT_FALSE(Action(window.get(), "Anma")->isVisible());
  EXPECT_EQ(state().settings.keys.pf1, 10);
  EXPECT_FALSE(document().debugParametersUnlocked());
  EXPECT_EQ(window->readAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
  EXPECT_EQ(window->writeAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
  EXPECT_FALSE(window->editLocked());
}

TEST_F(MainWindowTest, ToolbarButtonsByKeyInOrder) {
  start();
  auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
  ASSERT_NE(toolbar, nullptr);
  QStringList keys;
  for (QAction* action : toolbar->actions()) keys << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
  EXPECT_EQ(keys, (QStringList{"new", "open", "save", "|", "read", "write", "TAnMa", "Anma"}));
  for (const char* key : {"new", "open", "save", "read", "write"})
    EXPECT_TRUE(Action(window.get(), key)->isVisible()) << key;
  for (const char* key : {"TAnMa", "Anma"}) {
    EXPECT_FALSE(Action(window.get(), key)->isVisible()) << key;
    EXPECT_TRUE(Action(window.get(), key)->text().isEmpty()) << key;
  }
}

TEST_F(MainWindowTest, F1OpensTheHelpFile) {
  start();
  QFile help(dir.filePath(HelpFileName()));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.close();
  window->dialogs().setHelpFolder(dir.path());
  QList<QUrl> opened;
  window->dialogs().setUrlOpener([&opened](const QUrl& url) {
    opened << url;
    return true;
  });
  QTest::keyClick(window.get(), Qt::Key_F1);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.first(), QUrl::fromLocalFile(help.fileName()));
  Action(window.get(), "mnumainhelp")->trigger();
  EXPECT_EQ(opened.size(), 2);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindowTest, LockPersistsAcrossARestart) {
  writeParameters(0, 7, kEnglish);
  start();
  EXPECT_EQ(window->comPortNumber(), 7);
  Action(window.get(), "mnulock")->trigger();
  EXPECT_TRUE(window->editLocked());
  EXPECT_FALSE(window->grid()->isEnabled());
  window->setComPortNumber(3);
  window->close();  // the close box
  EXPECT_EQ(readParameters(), QByteArray("\x01\x03\x01", 3));

  start();
  EXPECT_TRUE(Action(window.get(), "mnulock")->isChecked());
  EXPECT_FALSE(window->grid()->isEnabled());
  EXPECT_FALSE(window->modelFrame()->isEnabled());
  EXPECT_FALSE(window->settingsPanel()->isEnabled());
  Action(window.get(), "mnulock")->trigger();
  EXPECT_TRUE(window->grid()->isEnabled());
  EXPECT_TRUE(window->modelFrame()->isEnabled());
}

TEST_F(MainWindowTest, ExitWritesTheParameterFileAndEndsTheProgram) {
  QFile::remove(parameterPath());  // a first start
  start();
  // Start-up creates the file, empty, before anything else happens.
  EXPECT_TRUE(QFile::exists(parameterPath()));
  EXPECT_EQ(readParameters(), QByteArray());
  window->chooseChinese();
  QSignalSpy ended(window.get(), &MainWindow::shutDown);
  Action(window.get(), "mnuQuit")->trigger();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(readParameters(), QByteArray("\x00\x00\x00", 3));
}

TEST_F(MainWindowTest, ShutdownKeepsBytesAfterTheThird) {
  {
    QFile file(parameterPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\x02\x01\x55\x66", 5));
  }
  start();
  window->close();
  EXPECT_EQ(readParameters(), QByteArray("\x00\x02\x01\x55\x66", 5));
}

TEST_F(MainWindowTest, NewAnsweredCancelKeepsAndOkEmptiesChannelsOnly) {
  start();
  useBand(kVhfBandPosition);
  typeFrequency(2, kColRxFreq, QStringLiteral("150"));
  typeFrequency(9, kColRxFreq, QStringLiteral("160"));
  Combo(window.get(), "Combo9")->setCurrentIndex(6);
  const RadioState before = state();

  // The changes may be saved first; then the channels' own question.
  answers = {MessageResult::kDiscard, MessageResult::kCancel};
  Action(window.get(), "mnuNew")->trigger();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, QStringLiteral("All channel data will be clear."));
  EXPECT_EQ(boxes[1].title, QStringLiteral("Warnning"));
  EXPECT_EQ(boxes[1].buttons, (QStringList{"OK", "Cancel"}));
  EXPECT_EQ(state(), before);

  answers = {MessageResult::kDiscard, MessageResult::kOk};
  Action(window.get(), "new")->trigger();  // the toolbar button does the same
  EXPECT_EQ(boxes.size(), 4u);
  EXPECT_FALSE(channel(2).inUse());
  EXPECT_FALSE(channel(9).inUse());
  EXPECT_TRUE(cell(2, kColPower).isEmpty());
  EXPECT_EQ(state().band, before.band);
  EXPECT_EQ(state().settings, before.settings);
  EXPECT_EQ(Combo(window.get(), "Combo1")->currentIndex(), kVhfBandPosition);
  EXPECT_EQ(state().settings.panel.squelchLevel, 6);
}

TEST_F(MainWindowTest, LanguageSwitchRecaptionsListsAndInUseRowsOnly) {
  start();
  useBand(kVhfBandPosition);
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  typeTone(1, kColTxTone, QStringLiteral("D023N"));
  // Channel 3 is not in use: its values show nowhere, in either language.
  change([](RadioState& next) { next.channel(3).bclo = true; });
  Combo(window.get(), "Combo3")->setCurrentIndex(5);

  Action(window.get(), "mnuChinese")->trigger();
  EXPECT_EQ(CurrentLanguage(), kChinese);
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("关闭"));
  EXPECT_EQ(cell(1, kColTxTone), QStringLiteral("D023N"));
  EXPECT_EQ(cell(1, kColPower), QStringLiteral("高"));
  EXPECT_EQ(cell(1, kColBclo), QStringLiteral("关闭"));
  EXPECT_EQ(cell(1, kColWn), QStringLiteral("宽带"));
  EXPECT_EQ(cell(1, kColScanAdd), QStringLiteral("有"));
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("150.00000"));
  EXPECT_TRUE(cell(3, kColBclo).isEmpty());
  EXPECT_EQ(Combo(window.get(), "Combo3")->currentText(), QStringLiteral("90 秒"));
  EXPECT_EQ(Combo(window.get(), "Combo9")->currentText(), QStringLiteral("3 级"));
  EXPECT_EQ(Items(combo5(kColPower)), (QStringList{"低", "高"}));
  EXPECT_EQ(Items(combo5(kColBclo)), (QStringList{"关闭", "载波"}));
  EXPECT_EQ(combo8()->itemText(0), QStringLiteral("关闭"));
  EXPECT_EQ(combo8()->itemText(1), QStringLiteral("67.0"));
  EXPECT_EQ(combo8()->count(), 261);
  EXPECT_EQ(state().settings.panel.timeoutTimer, 5);
  EXPECT_EQ(grid()->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("宽\\窄带"));

  // A new channel is now written in Chinese.
  typeFrequency(2, kColRxFreq, QStringLiteral("151"));
  EXPECT_EQ(cell(2, kColWn), QStringLiteral("宽带"));

  QSignalSpy switched(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged);
  Action(window.get(), "mnuChinese")->trigger();  // already Chinese: nothing
  EXPECT_EQ(switched.count(), 0);

  Action(window.get(), "mnuEnglish")->trigger();
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("Off"));
  EXPECT_EQ(cell(2, kColPower), QStringLiteral("High"));
  EXPECT_EQ(Items(Combo(window.get(), "Combo9")).first(), QStringLiteral("Level 0"));
  EXPECT_EQ(Items(Combo(window.get(), "Combo3")).last(), QStringLiteral("600 S"));
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  // A display name would be appended by the window system to every other
  // window title ("Warnning — ZERATH ..."), so the title is not set as one.
  EXPECT_NE(QApplication::applicationDisplayName(), ApplicationTitle());
}

TEST_F(MainWindowTest, LanguageHintOverridesTheStoredByteOnce) {
  {
    QSettings hint(hintPath(), QSettings::IniFormat);
    hint.setValue(QStringLiteral("Languages"), QStringLiteral("english"));
  }
  writeParameters(0, 0, kChinese);
  start();
  EXPECT_EQ(CurrentLanguage(), kEnglish);
  EXPECT_EQ(shownTitle(), QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_FALSE(QSettings(hintPath(), QSettings::IniFormat).contains(QStringLiteral("Languages")));
  window.reset();
  start();
  EXPECT_EQ(CurrentLanguage(), kChinese);
  EXPECT_EQ(shownTitle(), QStringLiteral("ZERATH QX-210 写频软件 V1.80"));
}

TEST_F(MainWindowTest, LanguageTwoShowsEnglishWithTraditionalButtons) {
  writeParameters(0, 0, kTraditionalButtons);
  start();
  EXPECT_EQ(shownTitle(), QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_EQ(Action(window.get(), "mnuNew")->text(), QStringLiteral("New(&N)"));
  Action(window.get(), "mnuChinese")->trigger();
  Action(window.get(), "mnuEnglish")->trigger();
  EXPECT_EQ(CurrentLanguage(), kTraditionalButtons);
  answers.push_back(MessageResult::kCancel);
  Action(window.get(), "mnuNew")->trigger();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("All channel data will be clear."));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"確定", "取消"}));
  window->close();
  EXPECT_EQ(readParameters().at(2), 2);
}

TEST_F(MainWindowTest, DamagedLanguageByteStillGivesCaptions) {
  writeParameters(0, 0, 9);
  start();
  EXPECT_EQ(shownTitle(), QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_EQ(Action(window.get(), "mnuQuit")->text(), QStringLiteral("Exit(&Q)"));
  EXPECT_EQ(grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("RX frequency"));
}

TEST_F(MainWindowTest, GestureCaptionsShowButtonEightAndADoubleClickHidesIt) {
  start();
  qint64 now = 10'000;
  window->hiddenModes().setClock([&now] { return now; });
  for (const char* name : SettingsPanel::kGestureCaptions) {
    QTest::mouseClick(window->findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
    now += 1000;
  }
  QAction* anma = Action(window.get(), "Anma");
  EXPECT_TRUE(anma->isVisible());
  EXPECT_TRUE(window->hiddenModes().bandOverrideEnabled());
  anma->trigger();
  EXPECT_TRUE(anma->isVisible());  // a single click only records its time
  now += 400;
  anma->trigger();
  EXPECT_FALSE(anma->isVisible());
  EXPECT_FALSE(window->hiddenModes().bandOverrideEnabled());
}

TEST_F(MainWindowTest, DebugUnlockShowsButtonSevenAndADoubleClickLocks) {
  start();
  qint64 now = 50'000;
  window->hiddenModes().setClock([&now] { return now; });
  QAction* tanma = Action(window.get(), "TAnMa");
  document().setDebugParametersUnlocked(true);
  EXPECT_TRUE(tanma->isVisible());
  EXPECT_TRUE(tanma->text().isEmpty());
  tanma->trigger();
  now += 1500;
  tanma->trigger();  // too slow: counts as a first click
  EXPECT_TRUE(tanma->isVisible());
  now += 200;
  tanma->trigger();
  EXPECT_FALSE(tanma->isVisible());
  EXPECT_FALSE(document().debugParametersUnlocked());
}

// While an exchange runs, whatever would change or replace the document waits.
TEST_F(MainWindowTest, BusyStateHoldsBackEveryCommandThatChangesTheDocument) {
  start();
  typeFrequency(1, kColRxFreq, QStringLiteral("440"));
  window->dialogs().showKeyAssignment();
  const auto okOf = [](QWidget& dialog) { return dialog.findChild<QPushButton*>(QStringLiteral("Command1")); };
  window->setExchangeBusy(true);
  // The dialogs' OK waits too, in a dialog open already and in one opened now.
  EXPECT_FALSE(okOf(window->dialogs().keyAssignment())->isEnabled());
  window->dialogs().showEmbeddedMessage();
  EXPECT_FALSE(okOf(window->dialogs().embeddedMessage())->isEnabled());
  EXPECT_FALSE(window->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isEnabled());
  EXPECT_FALSE(window->findChild<QMenu*>(QStringLiteral("mnupro"))->isEnabled());
  for (const char* name : {"mnuNew", "mnuOpen", "restoreAction", "importChannelsAction", "undoAction"})
    EXPECT_FALSE(window->findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
  EXPECT_FALSE(window->modelFrame()->isEnabled());
  EXPECT_FALSE(window->settingsPanel()->isEnabled());
  // Saving does not change the document: it stays available.
  EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("mnuAssave"))->isEnabled());
  window->setExchangeBusy(false);
  EXPECT_TRUE(window->toolbarReadAction()->isEnabled());
  EXPECT_FALSE(window->findChild<QMenu*>(QStringLiteral("recentMenu"))->isEnabled());  // nothing in it yet
  EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("undoAction"))->isEnabled());
  EXPECT_TRUE(window->modelFrame()->isEnabled());
  EXPECT_TRUE(okOf(window->dialogs().embeddedMessage())->isEnabled());
}

// Nothing of a status text is cut off, in either language (the longest one
// asks about a band that does not match).
TEST_F(MainWindowTest, StatusLineHoldsEveryStatusText) {
  start();
  const QLabel* status = window->statusLabel();
  for (const Bilingual& text : {link_texts::kStatusRunning, link_texts::kStatusReadDone, link_texts::kStatusWriteDone,
                                link_texts::kStatusBandRefused, link_texts::kBandQuestion})
    for (UiLanguage language : {kChinese, kEnglish})
      EXPECT_LE(status->fontMetrics().horizontalAdvance(text.text(language)), status->contentsRect().width())
          << text.text(language).toStdString();
  // The text shown while the progress bar runs stays clear of the bar.
  const int room = window->progressBar()->geometry().left() - status->geometry().left();
  for (UiLanguage language : {kChinese, kEnglish})
    EXPECT_LE(status->fontMetrics().horizontalAdvance(link_texts::kStatusRunning.text(language)), room);
}

}  // namespace
}  // namespace qx210::testing
