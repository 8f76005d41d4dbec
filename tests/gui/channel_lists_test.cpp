// Channel lists in the window: the import preview, copy and paste between
// rows and from spreadsheet text, deleting and moving channels, the sheet.
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "core/channel_csv.h"
#include "gui/channel_list_commands.h"
#include "gui/channel_plan_dialog.h"
#include "gui/channel_sheet.h"
#include "gui/document_history.h"
#include "gui/import_preview_dialog.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

Frequency Mhz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }

class ChannelListsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    start();
  }
  QString write(const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
  }
  // Selects channels first..last by their numbers, as a user would.
  void selectChannels(int first, int last) {
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellCentre(first, kColChannel));
    if (last != first)
      QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(last, kColChannel));
  }
  void undo() { window->history().undoAction()->trigger(); }
};

TEST_F(ChannelListsTest, AnImportIsPreviewedAndTakenOverAsOneUndoStep) {
  typeFrequency(3, kColRxFreq, QStringLiteral("450"));
  const QString list = write("list.csv",
                             "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode\r\n"
                             "1,A,439.000000,-,7.600000,Tone,123.0,88.5,FM\r\n"
                             "2,\"B, 70 cm\",145.500000,,0,,88.5,88.5,FM\r\n"
                             "4,C,433.500000,,0,TSQL,88.5,88.5,NFM\r\n");
  int previews = 0;
  window->channelLists().setPreviewAnswer([&](ImportPreviewDialog& preview) {
    ++previews;
    QTableWidget* rows = preview.table();
    EXPECT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->item(0, 1)->text(), QStringLiteral("01"));
    EXPECT_EQ(rows->item(0, 4)->text(), QStringLiteral("431.40000"));  // TX of the + offset
    EXPECT_EQ(rows->item(1, 1), nullptr);                               // left out: no channel
    EXPECT_TRUE(rows->item(1, rows->columnCount() - 1)->text().contains(QStringLiteral("145.5")));
    EXPECT_TRUE(preview.importButton()->isEnabled());
    return previews == 2;  // the first preview is cancelled
  });
  EXPECT_FALSE(window->channelLists().importPath(list));
  EXPECT_FALSE(channel(1).inUse());
  EXPECT_TRUE(window->channelLists().importPath(list));
  EXPECT_EQ(channel(1).rx, Mhz("439.00000"));
  EXPECT_EQ(channel(4).rxTone, *Tone::qt(885));
  EXPECT_FALSE(channel(4).wide);
  EXPECT_EQ(channel(3).rx, Mhz("450.00000"));  // no row reached it
  EXPECT_EQ(window->history().undoAction()->text(), QStringLiteral("&Undo Import"));
  undo();
  EXPECT_FALSE(channel(1).inUse());
  EXPECT_FALSE(channel(4).inUse());
  EXPECT_TRUE(channel(3).inUse());
}

// A list over the size limit is refused as a whole, never cut and imported.
TEST_F(ChannelListsTest, AnOversizedListIsRefusedWithAMessage) {
  QByteArray text = "Location,Frequency\n";
  while (text.size() <= kChannelListSizeLimit) text += "1,446.10000\n";
  bool previewed = false;
  window->channelLists().setPreviewAnswer([&](ImportPreviewDialog&) { return previewed = true; });
  EXPECT_FALSE(window->channelLists().importPath(write("big.csv", text)));
  EXPECT_FALSE(previewed);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.endsWith(QStringLiteral("it is larger than 4 MiB and is not read")))
      << boxes[0].text.toStdString();
  EXPECT_FALSE(channel(1).inUse());
}

TEST_F(ChannelListsTest, ThePreviewShowsEachChannelNowAndAfterAndReplacesOrMerges) {
  typeFrequency(3, kColRxFreq, QStringLiteral("450"));
  const QByteArray reason = "Tone \"Bogus\" is not blank, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross";
  const QString list = write("list.csv",
                             "Location,Frequency,Duplex,Offset,Tone,Mode\n"
                             "1,446.006250,,0,,NFM\n"
                             "2,446.018750,,0,Bogus,NFM\n");
  int previews = 0;
  window->channelLists().setPreviewAnswer([&](ImportPreviewDialog& preview) {
    ++previews;
    QTableWidget* channels = preview.channelTable();
    EXPECT_EQ(channels->rowCount(), kChannelCount);
    EXPECT_TRUE(channels->item(0, 0)->text().isEmpty());
    EXPECT_TRUE(channels->item(0, 1)->text().startsWith(QStringLiteral("446.00625")));
    EXPECT_TRUE(channels->item(2, 0)->text().startsWith(QStringLiteral("450.00000")));
    EXPECT_EQ(channels->item(2, 1)->text(), channels->item(2, 0)->text());  // merged: kept
    EXPECT_TRUE(channels->item(0, 1)->font().bold());
    EXPECT_FALSE(channels->item(2, 1)->font().bold());
    preview.replaceButton()->click();
    EXPECT_TRUE(channels->item(2, 1)->text().isEmpty());  // replaced: emptied
    EXPECT_TRUE(channels->item(2, 1)->font().bold());
    // The left-out row's reason whole, as its tip.
    QTableWidget* rows = preview.table();
    EXPECT_EQ(rows->item(1, rows->columnCount() - 1)->toolTip(), QString::fromUtf8(reason));
    if (previews == 1) preview.mergeButton()->click();
    return true;
  });
  ASSERT_TRUE(window->channelLists().importPath(list));
  EXPECT_TRUE(channel(3).inUse());
  EXPECT_TRUE(channel(1).inUse());
  undo();
  ASSERT_TRUE(window->channelLists().importPath(list));
  EXPECT_FALSE(channel(3).inUse());
  EXPECT_TRUE(channel(1).inUse());
  undo();
  EXPECT_TRUE(channel(3).inUse());
  EXPECT_FALSE(channel(1).inUse());
}

TEST_F(ChannelListsTest, ANewSetFromAChannelPlanIsOneStep) {
  typeFrequency(3, kColRxFreq, QStringLiteral("450"));
  window->history().markClean();
  window->channelLists().setPlanFolders(QStringLiteral(QX210_PLANS_DIR), dir.filePath(QStringLiteral("plans")));
  window->channelLists().setPlanAnswer([&](ChannelPlanDialog& dialog) {
    EXPECT_EQ(dialog.planList()->count(), 5);
    // The list has the keys: Down picks the next plan, and its channels show.
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == dialog.planList(); }, 2000));
    QTest::keyClick(dialog.planList(), Qt::Key_Down);
    EXPECT_EQ(dialog.table()->item(7, 0)->text(), QStringLiteral("467.56250"));  // FRS 8
    // A VHF plan does not fit the UHF band, and says which band it needs.
    EXPECT_TRUE(dialog.selectPlan(QStringLiteral("murs")));
    EXPECT_TRUE(dialog.fitLabel()->text().contains(QStringLiteral("136-174MHz")));
    EXPECT_FALSE(dialog.createButton()->isEnabled());
    EXPECT_TRUE(dialog.selectPlan(QStringLiteral("pmr446")));
    EXPECT_TRUE(dialog.createButton()->isEnabled());
    EXPECT_EQ(dialog.table()->item(15, 0)->text(), QStringLiteral("446.19375"));
    return true;
  });
  window->findChild<QAction*>(QStringLiteral("newFromPlanAction"))->trigger();
  for (int n = 1; n <= kChannelCount; ++n) {
    EXPECT_EQ(channel(n).rx.tenHertz(), 44600625 + 1250 * (n - 1)) << n;
    EXPECT_FALSE(channel(n).wide || channel(n).highPower) << n;
  }
  EXPECT_TRUE(document().filePath().isEmpty());
  EXPECT_TRUE(document().isModified());
  undo();
  EXPECT_EQ(channel(3).rx, Mhz("450.00000"));
  EXPECT_FALSE(channel(1).inUse());
}

TEST_F(ChannelListsTest, CopiedChannelsPasteIntoOtherRowsAndIntoASpreadsheet) {
  typeFrequency(1, kColRxFreq, QStringLiteral("440.0125"));
  typeTone(1, kColTxTone, QStringLiteral("D754I"));
  typeFrequency(2, kColRxFreq, QStringLiteral("441"));
  selectChannels(1, 2);
  EXPECT_EQ(grid()->selectedChannels(), (QList<int>{1, 2}));
  QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith(QStringLiteral("Location\tName\tFrequency\tDuplex"))) << copied.toStdString();
  EXPECT_EQ(copied.count(QLatin1Char('\n')), 3);

  selectChannels(10, 10);
  QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(channel(10), channel(1));
  EXPECT_EQ(channel(11), channel(2));
  EXPECT_TRUE(boxes.empty());
  undo();  // the paste is one step
  EXPECT_FALSE(channel(10).inUse());
  EXPECT_FALSE(channel(11).inUse());

  // Text from a spreadsheet: tab-separated, with a row the band refuses.
  QApplication::clipboard()->setText(QStringLiteral("Frequency\tTone\trToneFreq\tMode\n"
                                                    "446.00625\tTone\t67.0\tNFM\n"
                                                    "145.5\t\t\tFM\n"
                                                    "446.01875\t\t\tFM\n"));
  selectChannels(15, 15);
  QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(channel(15).rx, Mhz("446.00625"));
  EXPECT_EQ(channel(15).txTone, *Tone::qt(670));
  EXPECT_EQ(channel(16).rx, Mhz("446.01875"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("Some rows were not pasted:")));
  EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("line 3"))) << boxes[0].text.toStdString();
}

TEST_F(ChannelListsTest, DeleteAndMoveAreUndoableSteps) {
  for (int n = 1; n <= 3; ++n) typeFrequency(n, kColRxFreq, QString::number(440 + n));
  const RadioState before = state();
  selectChannels(2, 3);
  QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(channel(1), before.channel(2));
  EXPECT_EQ(channel(2), before.channel(3));
  EXPECT_EQ(channel(3), before.channel(1));
  EXPECT_EQ(grid()->selectedChannels(), (QList<int>{1, 2}));
  QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier);  // at the top: nothing to do
  QTest::keyClick(grid(), Qt::Key_Delete);
  EXPECT_FALSE(channel(1).inUse());
  EXPECT_FALSE(channel(2).inUse());
  undo();
  undo();
  EXPECT_EQ(state(), before);
}

// The sheet of a full table, as PDF in both languages: one page with every
// frequency, read back with pdftotext.
TEST_F(ChannelListsTest, TheChannelSheetIsOnePageWithEveryChannel) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext is not installed";
  RadioState full = state();
  QStringList frequencies;
  for (int n = 1; n <= kChannelCount; ++n) {
    full.channel(n) = NewChannel(*Frequency::fromTenHertz(40'000'000 + n * 125'000 + 625));
    full.channel(n).txTone = *Tone::dqt(023, n % 2);
    frequencies << full.channel(n).rx.text();
  }
  full.settings.message.line1 = QStringLiteral("FIELD DAY");
  document().apply(full, EditKind::Channels);
  for (const UiLanguage language : {kEnglish, kChinese}) {
    SCOPED_TRACE(language);
    if (language == kChinese) window->chooseChinese();
    const QString pdf = dir.filePath(QStringLiteral("sheet%1.pdf").arg(language));
    QString error;
    ASSERT_TRUE(ChannelSheet(state(), QStringLiteral("Sheet")).write(pdf, &error)) << error.toStdString();
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(10000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& frequency : frequencies) EXPECT_TRUE(content.contains(frequency)) << frequency.toStdString();
    EXPECT_TRUE(content.contains(QStringLiteral("D023I")));
    EXPECT_TRUE(content.contains(QStringLiteral("FIELD DAY")));
    EXPECT_TRUE(content.contains(language == kChinese ? QStringLiteral("静噪等级") : QStringLiteral("Squelch Level:")))
        << content.toStdString();
    EXPECT_TRUE(content.contains(language == kChinese ? QStringLiteral("接收频率") : QStringLiteral("RX frequency")));
  }
  // The HTML form holds the same table.
  const QString html = ChannelSheet(state(), QStringLiteral("Sheet")).html();
  EXPECT_EQ(html.count(QStringLiteral("<tr>")), 1 + kChannelCount + 9);
}

#ifdef Q_OS_UNIX
// A sheet is saved as safely as a data file: a named pipe (or a device)
// given as its name is refused and stays what it is.
TEST_F(ChannelListsTest, ASheetIsNotWrittenOverAPipe) {
  for (const char* name : {"sheet.pdf", "sheet.html"}) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QString error;
    EXPECT_FALSE(ChannelSheet(state(), QStringLiteral("Sheet")).write(path, &error)) << name;
    EXPECT_EQ(error, QStringLiteral("it is a named pipe (FIFO)"));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << name;
  }
}
#endif

}  // namespace
}  // namespace qx210::testing
