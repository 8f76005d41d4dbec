// The document's files: New, Open, Save and Save As through the real file
// dialog, the questions that keep work from being lost, backups and recent files.
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include "core/backups.h"
#include "core/codec.h"
#include "gui/dialog_set.h"
#include "gui/file_chooser.h"
#include "gui/key_assignment_dialog.h"
#include "gui/settings_panel.h"
#include "gui/document_history.h"
#include "gui/file_commands.h"
#include "support/file_dialog_answers.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

class FileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    start();
    window->fileChooser().setDialogOptions(QFileDialog::DontUseNativeDialog);
  }
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  FileCommands& files() { return window->fileCommands(); }
  // Runs `command` with the file dialogs answered by `paths` in turn.
  template <typename Command>
  void withFiles(const QStringList& paths, Command&& command) {
    {
      FileDialogAnswers answersToDialogs(paths);
      command();
      dialogs = answersToDialogs.seen();
      filters = answersToDialogs.filters();
    }
    // Back from the dialogs, so that clicks reach the table again.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  static QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void fillDocument() {
    useBand(kVhfBandPosition);
    typeFrequency(1, kColRxFreq, QStringLiteral("145.0125"));
    typeTone(1, kColRxTone, QStringLiteral("88.5"));
    typeTone(1, kColTxTone, QStringLiteral("D023N"));
    typeFrequency(3, kColRxFreq, QStringLiteral("150.025"));
    typeFrequency(3, kColTxFreq, QStringLiteral("155.5"));
    window->findChild<QComboBox*>(QStringLiteral("Combo9"))->setCurrentIndex(7);
  }
  QString title() const { return window->windowTitle(); }

  int dialogs = 0;
  QStringList filters;
};

TEST_F(FileCommandsTest, SaveAsThenOpenGivesTheSameDocumentAndTheTitleFollows) {
  EXPECT_EQ(title(), QStringLiteral("ZERATH QX-210 Radio Software V1.80[*]"));
  fillDocument();
  EXPECT_TRUE(window->isWindowModified());
  const RadioState saved = state();
  // Untitled: Save asks for a name; a name without a suffix gets ".DAT".
  withFiles({path("radio")}, [this] { files().save(); });
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(filters, QStringList{QStringLiteral("ZERATH QX-210 Radio Software V1.80 (*.DAT)")});
  ASSERT_EQ(contents(path("radio.DAT")).size(), 848);
  EXPECT_EQ(document().filePath(), QFileInfo(path("radio.DAT")).absoluteFilePath());
  EXPECT_EQ(title(), QStringLiteral("ZERATH QX-210 Radio Software V1.80 - radio.DAT[*]"));
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_TRUE(boxes.empty());

  // A changed document asks before New replaces its channels.
  typeFrequency(5, kColRxFreq, QStringLiteral("146"));
  answers = {MessageResult::kDiscard, MessageResult::kOk};
  files().newChannels();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Save changes?"));
  QStringList buttons = boxes[0].buttons;
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{"Cancel", "Don't Save", "Save"}));
  EXPECT_EQ(boxes[1].text, QStringLiteral("All channel data will be clear."));
  EXPECT_FALSE(channel(1).inUse());
  EXPECT_TRUE(document().filePath().isEmpty());

  // New gave a new, untouched document: Open does not ask to save it.
  EXPECT_FALSE(window->isWindowModified());
  answers.clear();
  withFiles({path("radio.DAT")}, [this] { files().open(); });
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(state(), saved);
  EXPECT_EQ(cell(1, kColTxTone), QStringLiteral("D023N"));
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(files().recentFiles().value(0), QFileInfo(path("radio.DAT")).absoluteFilePath());

  // New on the saved document asks nothing: its file keeps the channels.
  files().newChannels();
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_FALSE(channel(1).inUse());
  EXPECT_FALSE(window->isWindowModified());
  // Undo brings them back, as a change of the new document.
  window->history().stack().undo();
  EXPECT_EQ(state(), saved);
  EXPECT_TRUE(window->isWindowModified());
}

TEST_F(FileCommandsTest, SaveWritesTheOpenFileWithoutAskingAndBacksUpWhatItHeld) {
  fillDocument();
  withFiles({path("radio.DAT")}, [this] { files().save(); });
  const QByteArray first = contents(path("radio.DAT"));
  typeFrequency(2, kColRxFreq, QStringLiteral("147"));
  withFiles({}, [this] { files().save(); });
  EXPECT_EQ(dialogs, 0);
  EXPECT_NE(contents(path("radio.DAT")), first);
  const QStringList backups = BackupStore(files().backupFolder()).backups();
  ASSERT_EQ(backups.size(), 1);
  EXPECT_TRUE(backups[0].endsWith(QStringLiteral("_overwritten.DAT")));
  EXPECT_EQ(contents(backups[0]), first);
}

// Nothing is replaced behind the user's back: a read-only file, or a file
// whose present content cannot be backed up, is saved over only when the user
// says so.
TEST_F(FileCommandsTest, SaveAsksBeforeReplacingAReadOnlyFileOrOneItCannotBackUp) {
  fillDocument();
  const QString file = path("radio.DAT");
  withFiles({file}, [this] { files().save(); });
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  const QByteArray first = contents(file);
  typeFrequency(2, kColRxFreq, QStringLiteral("147"));
  boxes.clear();
  answers = {MessageResult::kNo};
  EXPECT_FALSE(files().save());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            QStringLiteral("The file \"%1\" is read-only. Replace it anyway?").arg(QDir::toNativeSeparators(file)));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"Yes", "No"}));
  EXPECT_EQ(contents(file), first);
  EXPECT_TRUE(window->isWindowModified());
  answers = {MessageResult::kYes};
  EXPECT_TRUE(files().save());
  const QByteArray second = contents(file);
  EXPECT_NE(second, first);
  EXPECT_FALSE(QFile::permissions(file) &
               (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));

  // The backup folder cannot be made where a file stands.
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  files().setBackupFolder(file + QStringLiteral("/backups"));
  window->chooseChinese();
  typeFrequency(4, kColRxFreq, QStringLiteral("148"));
  boxes.clear();
  answers = {MessageResult::kNo};
  EXPECT_FALSE(files().save());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.startsWith(
      QStringLiteral("文件“%1”现有的内容无法备份：\n").arg(QDir::toNativeSeparators(file))))
      << boxes[0].text.toStdString();
  EXPECT_TRUE(boxes[0].text.endsWith(QStringLiteral("\n仍要覆盖保存吗？")));
  EXPECT_EQ(contents(file), second);
  answers = {MessageResult::kYes};
  EXPECT_TRUE(files().save());
  EXPECT_NE(contents(file), second);
}

TEST_F(FileCommandsTest, SaveAsOverAnotherFileAsksAndNoReopensTheDialog) {
  fillDocument();
  {
    QFile old(path("old.DAT"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
  }
  answers.push_back(MessageResult::kNo);
  withFiles({path("old.DAT"), path("new.DAT")}, [this] { files().saveAs(); });
  EXPECT_EQ(dialogs, 2);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("This file already exists, whether to cover?"));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"Yes", "No"}));
  EXPECT_EQ(contents(path("old.DAT")), QByteArray("previous"));
  EXPECT_EQ(contents(path("new.DAT")).size(), 848);
}

TEST_F(FileCommandsTest, CancelKeepsEverythingAsItWas) {
  fillDocument();
  const RadioState before = state();
  withFiles({QString()}, [this] { files().saveAs(); });
  answers = {MessageResult::kCancel, MessageResult::kCancel};
  files().open();
  files().newChannels();
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.DAT")}).isEmpty());
  // The close box too: Cancel keeps the window.
  answers = {MessageResult::kCancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  // Save, then the close goes on.
  answers = {MessageResult::kSave};
  FileDialogAnswers name({path("kept.DAT")});
  EXPECT_TRUE(window->close());
  EXPECT_EQ(contents(path("kept.DAT")).size(), 848);
}

TEST_F(FileCommandsTest, UndoAndRedoACellABandChangeAndADialog) {
  typeFrequency(1, kColRxFreq, QStringLiteral("440"));
  answers = {MessageResult::kOk};
  window->modelFrame()->bandList()->setCurrentIndex(kVhfBandPosition);
  ASSERT_FALSE(channel(1).inUse());
  window->dialogs().showKeyAssignment();
  KeyAssignment keys = state().settings.keys;
  keys.pf2 = 4;
  Q_EMIT window->dialogs().keyAssignment().valuesAccepted(keys);
  auto* undo = window->findChild<QAction*>(QStringLiteral("undoAction"));
  auto* redo = window->findChild<QAction*>(QStringLiteral("redoAction"));
  EXPECT_EQ(undo->text(), QStringLiteral("&Undo Key Assignment"));

  undo->trigger();
  EXPECT_EQ(state().settings.keys.pf2, 0);
  undo->trigger();  // the band change, with the channel it cleared
  EXPECT_EQ(state().band, 0);
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("440.00000"));
  EXPECT_EQ(window->modelFrame()->bandList()->currentIndex(), 0);
  undo->trigger();
  EXPECT_FALSE(channel(1).inUse());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(window->isWindowModified());

  redo->trigger();
  redo->trigger();
  redo->trigger();
  EXPECT_EQ(state().band, kVhfBandPosition);
  EXPECT_EQ(state().settings.keys.pf2, 4);
  EXPECT_TRUE(window->isWindowModified());
  window->chooseChinese();
  EXPECT_EQ(undo->text(), QStringLiteral("撤销键设定(&U)"));
}

TEST_F(FileCommandsTest, FilesThatAreNoDataFilesAreRefusedOrQuestioned) {
  fillDocument();
  const RadioState before = state();
  {
    QFile shortFile(path("short.DAT"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(847, '\x00'));
    QFile text(path("README.md"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(2000, 'x'));
  }
  answers = {MessageResult::kDiscard};
  EXPECT_FALSE(window->openFile(path("short.DAT")));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(boxes[1].text.contains(QStringLiteral("848"))) << boxes[1].text.toStdString();

  // Long enough but not this radio's: asked, No by default.
  boxes.clear();
  answers = {MessageResult::kDiscard, MessageResult::kNo};
  EXPECT_FALSE(window->openFile(path("README.md")));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, QStringLiteral("This does not look like a QX-210 data file. Open anyway?"));
  EXPECT_EQ(state(), before);
  answers = {MessageResult::kDiscard, MessageResult::kYes};
  EXPECT_TRUE(window->openFile(path("README.md")));

  // A missing file and a FIFO are refused at once.
  boxes.clear();
  EXPECT_FALSE(window->openFile(path("missing.DAT")));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.startsWith(
      QStringLiteral("The file \"%1\" cannot be read.").arg(QDir::toNativeSeparators(path("missing.DAT")))));
#ifdef Q_OS_UNIX
  const QString fifo = path("pipe.DAT");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(window->openFile(fifo));
  EXPECT_LT(timer.elapsed(), 1000);
#endif
}

// A data file dropped onto the window opens, after the changes are offered for saving.
TEST_F(FileCommandsTest, ADroppedFileOpens) {
  fillDocument();
  const RadioState saved = state();
  withFiles({path("drop.DAT")}, [this] { files().save(); });
  typeFrequency(8, kColRxFreq, QStringLiteral("148"));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path("drop.DAT"))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  answers = {MessageResult::kDiscard};
  QCoreApplication::sendEvent(window.get(), &drop);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(state(), saved);
  EXPECT_FALSE(window->isWindowModified());
}

TEST_F(FileCommandsTest, AFailedSaveSaysWhyAndKeepsTheChangeMark) {
  fillDocument();
  withFiles({QStringLiteral("/proc/qx210-cannot-be-here.DAT")}, [this] { EXPECT_FALSE(files().saveAs()); });
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("cannot be saved"))) << boxes[0].text.toStdString();
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(document().filePath().isEmpty());
}

TEST_F(FileCommandsTest, RecentFilesKeepTheNewestFiveAndOpenFromTheMenu) {
  fillDocument();
  for (const char* name : {"a.DAT", "b.DAT", "c.DAT", "d.DAT", "e.DAT", "f.DAT"})
    withFiles({path(name)}, [this] { files().saveAs(); });
  const QStringList recent = files().recentFiles();
  ASSERT_EQ(recent.size(), 5);
  EXPECT_TRUE(recent.first().endsWith(QStringLiteral("f.DAT")));
  EXPECT_TRUE(recent.last().endsWith(QStringLiteral("b.DAT")));
  auto* menu = window->findChild<QMenu*>(QStringLiteral("recentMenu"));
  ASSERT_EQ(menu->actions().size(), 5);
  typeFrequency(9, kColRxFreq, QStringLiteral("149"));
  answers = {MessageResult::kDiscard};
  menu->actions().last()->trigger();
  EXPECT_TRUE(document().filePath().endsWith(QStringLiteral("b.DAT")));
  EXPECT_FALSE(channel(9).inUse());
}

TEST_F(FileCommandsTest, RestoreFromABackupGivesAnUntitledChangedDocument) {
  fillDocument();
  const RadioState saved = state();
  const QString backup = BackupStore(files().backupFolder()).keep(document().image(), QStringLiteral("read"));
  answers = {MessageResult::kDiscard, MessageResult::kOk};
  files().newChannels();
  answers = {MessageResult::kDiscard};
  window->fileChooser().setAnswer([&](QFileDialog::AcceptMode, const QString& folder) {
    EXPECT_EQ(folder, files().backupFolder());
    return backup;
  });
  files().restoreFromBackup();
  EXPECT_EQ(state().channels, saved.channels);
  EXPECT_TRUE(document().filePath().isEmpty());
  EXPECT_TRUE(window->isWindowModified());
  // Nor can the recent files lead a Save back onto the backup.
  EXPECT_TRUE(files().recentFiles().isEmpty());
}

TEST_F(FileCommandsTest, MessagesFollowTheLanguage) {
  window->chooseChinese();
  answers.push_back(MessageResult::kCancel);
  files().newChannels();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("所有信道的数据将被清除！"));
  EXPECT_EQ(boxes[0].title, QStringLiteral("警告"));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"确定", "取消"}));
  typeFrequency(1, kColRxFreq, QStringLiteral("440"));
  answers = {MessageResult::kCancel};
  files().open();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, QStringLiteral("是否保存更改？"));
  QStringList buttons = boxes[1].buttons;
  buttons.sort();
  EXPECT_EQ(buttons, (QStringList{"不保存", "保存", "取消"}));
  EXPECT_EQ(title(), QStringLiteral("ZERATH QX-210 写频软件 V1.80[*]"));
}

}  // namespace
}  // namespace qx210::testing
