// New, Open and Save through the real file dialog.
#include <QFileDialog>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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
    window->fileCommands().setDialogOptions(QFileDialog::DontUseNativeDialog);
  }
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  void save(const QStringList& answers) {
    FileDialogAnswers files(answers);
    window->fileCommands().save();
    dialogs = files.seen();
    filters = files.filters();
  }
  void open(const QStringList& answers) {
    FileDialogAnswers files(answers);
    window->fileCommands().open();
    dialogs = files.seen();
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
    window->findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentIndex(11);
  }

  int dialogs = 0;
  QStringList filters;
};

TEST_F(FileCommandsTest, SaveThenOpenGivesTheSameDocument) {
  fillDocument();
  const RadioState saved = state();
  save({path("radio.DAT")});
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(filters, QStringList{QStringLiteral("ZERATH QX-210 Radio Software V1.80 (*.DAT)")});
  const QByteArray bytes = contents(path("radio.DAT"));
  ASSERT_EQ(bytes.size(), 848);
  EXPECT_TRUE(boxes.empty());

  // Change everything, then open the file again.
  answers.push_back(MessageResult::kOk);
  window->fileCommands().newChannels();
  useBand(0);
  window->findChild<QComboBox*>(QStringLiteral("Combo9"))->setCurrentIndex(1);
  open({path("radio.DAT")});
  EXPECT_EQ(state(), saved);
  EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("Combo1"))->currentIndex(), kVhfBandPosition);
  EXPECT_EQ(window->findChild<QComboBox*>(QStringLiteral("Combo9"))->currentIndex(), 7);
  EXPECT_EQ(grid()->model()->index(0, kColTxTone).data().toString(), QStringLiteral("D023N"));
}

TEST_F(FileCommandsTest, OverwriteAnsweredNoReopensTheDialog) {
  fillDocument();
  {
    QFile old(path("old.DAT"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
  }
  answers.push_back(MessageResult::kNo);
  save({path("old.DAT"), path("new.DAT")});
  EXPECT_EQ(dialogs, 2);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("This file already exists, whether to cover?"));
  EXPECT_EQ(boxes[0].title, QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"Yes", "No"}));
  EXPECT_EQ(contents(path("old.DAT")), QByteArray("previous"));
  EXPECT_EQ(contents(path("new.DAT")).size(), 848);

  answers.push_back(MessageResult::kYes);
  save({path("old.DAT")});
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(contents(path("old.DAT")), contents(path("new.DAT")));
}

TEST_F(FileCommandsTest, CancelledDialogsDoNothing) {
  fillDocument();
  const RadioState before = state();
  save({QString()});
  open({QString()});
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("*.DAT")}).isEmpty());
}

TEST_F(FileCommandsTest, ShortFileIsRefusedWithAMessage) {
  fillDocument();
  const RadioState before = state();
  {
    QFile shortFile(path("short.DAT"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(847, '\x00'));
  }
  open({path("short.DAT")});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("short.DAT"))) << boxes[0].text.toStdString();
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("848"))) << boxes[0].text.toStdString();
  EXPECT_EQ(state(), before);
}

TEST_F(FileCommandsTest, FailedSaveSaysSo) {
  fillDocument();
  save({QStringLiteral("/proc/qx210-cannot-be-here.DAT")});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("cannot be saved"))) << boxes[0].text.toStdString();
}

// `qx210 FILE.DAT`: the same as Open, without the dialog.
TEST_F(FileCommandsTest, OpenFileByPathDecodesItOrSaysWhyNot) {
  fillEditor();
  const EditorState saved = window->editor().state();
  save({path("named.DAT")});
  answers.push_back(MessageResult::kOk);
  window->fileCommands().newChannels();
  boxes.clear();

  EXPECT_TRUE(window->openFile(path("named.DAT")));
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(window->editor().state().table, saved.table);
  EXPECT_EQ(window->editor().state().settings, saved.settings);

  // A missing file and a FIFO are refused at once; the editor keeps its state.
  EXPECT_FALSE(window->openFile(path("missing.DAT")));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("The file \"%1\" cannot be read.")
                               .arg(QDir::toNativeSeparators(path("missing.DAT"))));
#ifdef Q_OS_UNIX
  const QString fifo = path("pipe.DAT");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(window->openFile(fifo));
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(boxes.size(), 2u);
#endif
  EXPECT_EQ(window->editor().state().table, saved.table);
}

TEST_F(FileCommandsTest, MessagesFollowTheLanguage) {
  window->chooseChinese();
  answers.push_back(MessageResult::kCancel);
  window->fileCommands().newChannels();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("所有信道的数据将被清除！"));
  EXPECT_EQ(boxes[0].title, QStringLiteral("警告"));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"确定", "取消"}));
  {
    QFile shortFile(path("tiny.DAT"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("x");
  }
  open({path("tiny.DAT")});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_TRUE(boxes[1].text.startsWith(QStringLiteral("文件“"))) << boxes[1].text.toStdString();
}

}  // namespace
}  // namespace qx210::testing
