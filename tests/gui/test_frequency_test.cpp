#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "support/dialog_test_util.h"
#include "gui/test_frequency_dialog.h"

namespace qx210 {
namespace {

using testing::Child;

class TestFrequency : public testing::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    m_dialogs->showTestFrequencies();
    m_grid = Child<QTableWidget>(m_dialogs->testFrequencies(), "mfgrid1");
  }
  // An in-place edit of (row, column) ended with `text`.
  void edit(int row, int column, const QString& text) {
    ASSERT_TRUE(testing::EditCell(m_grid, row, column, text)) << row << "," << column;
  }
  QString cell(int row, int column) { return m_grid->item(row, column)->text(); }
  bool editable(int row, int column) { return m_grid->item(row, column)->flags().testFlag(Qt::ItemIsEditable); }
  void press(const char* button) {
    QTest::mouseClick(Child<QPushButton>(m_dialogs->testFrequencies(), button), Qt::LeftButton);
  }

  QTableWidget* m_grid = nullptr;
};

TEST_F(TestFrequency, GridHasSixteenNumberedRows) {
  ASSERT_EQ(m_grid->rowCount(), 16);
  ASSERT_EQ(m_grid->columnCount(), 3);
  EXPECT_EQ(cell(0, 0), QStringLiteral("01"));
  EXPECT_EQ(cell(15, 0), QStringLiteral("16"));
  EXPECT_FALSE(editable(0, 0));
  EXPECT_EQ(m_grid->horizontalHeaderItem(1)->text(), QStringLiteral("RX Frequency"));
}

TEST_F(TestFrequency, ReceiveIsSnappedAndCopied) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {{"446.00625", "446.00625"}, {"145.0073", "145.00625"}, {"145.0051", "145.00500"}, {"145.0126", "145.01250"}};
  int row = 0;
  for (const auto& c : cases) {
    edit(row, 1, QString::fromLatin1(c.typed));
    EXPECT_EQ(cell(row, 1), QString::fromLatin1(c.shown)) << c.typed;
    EXPECT_EQ(cell(row, 2), QString::fromLatin1(c.shown)) << c.typed;
    ++row;
  }
}

TEST_F(TestFrequency, TransmitNeedsAReceiveFrequency) {
  EXPECT_FALSE(editable(3, 2));
  EXPECT_FALSE(testing::EditCell(m_grid, 3, 2, QStringLiteral("430")));
  edit(3, 1, QStringLiteral("430"));
  EXPECT_TRUE(editable(3, 2));
  edit(3, 1, QString());
  EXPECT_EQ(cell(3, 2), QString());
  EXPECT_FALSE(editable(3, 2));
}

TEST_F(TestFrequency, TransmitRules) {
  edit(0, 1, QStringLiteral("446.00625"));
  edit(0, 2, QStringLiteral("445.0051"));  // receive on 6.25 kHz: 6.25 kHz
  EXPECT_EQ(cell(0, 2), QStringLiteral("445.00000"));
  edit(0, 2, QString());  // emptied: takes the receive frequency
  EXPECT_EQ(cell(0, 2), QStringLiteral("446.00625"));
  edit(1, 1, QStringLiteral("145.005"));
  edit(1, 2, QStringLiteral("145.0073"));  // receive off 6.25 kHz: 5 kHz
  EXPECT_EQ(cell(1, 2), QStringLiteral("145.00500"));
  EXPECT_EQ(cell(1, 1), QStringLiteral("145.00500"));
}

TEST_F(TestFrequency, RefusedEntriesKeepTheCellText) {
  edit(2, 1, QStringLiteral("435.5"));
  edit(2, 2, QStringLiteral("436"));
  for (const char* bad : {"abc", "99", "1000", "4 35"}) {
    edit(2, 1, QString::fromLatin1(bad));
    EXPECT_EQ(cell(2, 1), QStringLiteral("435.50000")) << bad;
    edit(2, 2, QString::fromLatin1(bad));
    EXPECT_EQ(cell(2, 2), QStringLiteral("436.00000")) << bad;
  }
  edit(5, 1, QStringLiteral("xyz"));
  EXPECT_EQ(cell(5, 1), QString());
  EXPECT_FALSE(editable(5, 2));
}

TEST_F(TestFrequency, TypingIntoTheGridEditsInPlace) {
  auto& d = m_dialogs->testFrequencies();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  m_grid->setFocus();
  m_grid->setCurrentCell(4, 1);  // moving onto a cell opens its editor
  QLineEdit* editor = nullptr;
  ASSERT_TRUE(QTest::qWaitFor([&] { return (editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())); }, 2000));
  EXPECT_EQ(editor->parentWidget(), m_grid->viewport());
  editor->selectAll();
  QTest::keyClicks(editor, QStringLiteral("145.0073"));
  QTest::keyClick(editor, Qt::Key_Return);  // commits through a queued call
  EXPECT_TRUE(QTest::qWaitFor([&] { return !cell(4, 1).isEmpty(); }, 2000));
  EXPECT_EQ(cell(4, 1), QStringLiteral("145.00625"));
  EXPECT_EQ(cell(4, 2), QStringLiteral("145.00625"));
  EXPECT_TRUE(d.isVisible());  // Enter ends the edit, not the dialog
}

TEST_F(TestFrequency, OkStoresCancelDiscards) {
  edit(0, 1, QStringLiteral("446.00625"));
  press("Command2");
  EXPECT_EQ(settings().testFrequencies, qx210::TestFrequencies{});
  m_dialogs->showTestFrequencies();
  EXPECT_EQ(cell(0, 1), QString());  // shown again from the held values
  edit(0, 1, QStringLiteral("446.00625"));
  edit(15, 1, QStringLiteral("145.0126"));
  edit(15, 2, QStringLiteral("150.1"));
  press("Command1");
  EXPECT_FALSE(m_dialogs->testFrequencies().isVisible());
  const auto& held = settings().testFrequencies;
  EXPECT_EQ(held.rx[0].text(), QStringLiteral("446.00625"));
  EXPECT_EQ(held.tx[0].text(), QStringLiteral("446.00625"));
  EXPECT_EQ(held.rx[15].text(), QStringLiteral("145.01250"));
  EXPECT_EQ(held.tx[15].text(), QStringLiteral("150.10000"));
  EXPECT_TRUE(held.rx[1].isEmpty());
}

TEST_F(TestFrequency, DecodedTextsAreShownAndKeptAsTheyStand) {
  m_dialogs->testFrequencies().close();
  const auto odd = Frequency::fromBytes({0x45, 0x23, 0x51, 0x0A});  // whatever digits the radio held
  const auto offRaster = *Frequency::fromText(QStringLiteral("145.12345"));
  holdChanged([&](RadioSettings& s) {
    s.testFrequencies.rx[7] = odd;
    s.testFrequencies.tx[7] = offRaster;
  });
  m_dialogs->showTestFrequencies();
  EXPECT_EQ(cell(7, 1), QStringLiteral("0A5.12345"));
  press("Command1");
  EXPECT_EQ(settings().testFrequencies.rx[7], odd);
  EXPECT_EQ(settings().testFrequencies.tx[7], offRaster);
}

// Leaving a receive cell with the text it had still lowers it onto the
// raster and copies it into the transmit cell.
TEST_F(TestFrequency, UnchangedReceiveTextIsSnappedAndCopiedToo) {
  m_dialogs->testFrequencies().close();
  holdChanged([](RadioSettings& s) {
    s.testFrequencies.rx[2] = *Frequency::fromText(QStringLiteral("145.12345"));
    s.testFrequencies.tx[2] = *Frequency::fromText(QStringLiteral("150.00000"));
    s.testFrequencies.rx[3] = *Frequency::fromText(QStringLiteral("446.00625"));
    s.testFrequencies.tx[3] = *Frequency::fromText(QStringLiteral("450.00000"));
  });
  m_dialogs->showTestFrequencies();
  for (int row : {2, 3}) {
    m_grid->setCurrentCell(row, 1);
    m_grid->editItem(m_grid->item(row, 1));
    auto* editor = qobject_cast<QLineEdit*>(m_grid->indexWidget(m_grid->model()->index(row, 1)));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_grid->indexWidget(m_grid->model()->index(row, 1)); }, 2000));
  }
  EXPECT_EQ(cell(2, 1), QStringLiteral("145.12000"));
  EXPECT_EQ(cell(2, 2), QStringLiteral("145.12000"));
  EXPECT_EQ(cell(3, 1), QStringLiteral("446.00625"));
  EXPECT_EQ(cell(3, 2), QStringLiteral("446.00625"));
  press("Command1");
  EXPECT_EQ(settings().testFrequencies.tx[3].text(), QStringLiteral("446.00625"));
}

// OK clicked while a cell is still being edited takes what was typed.
TEST_F(TestFrequency, OkTakesTheCellStillBeingEdited) {
  auto& d = m_dialogs->testFrequencies();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  const QModelIndex index = m_grid->model()->index(6, 1);
  m_grid->setCurrentIndex(index);
  m_grid->edit(index);
  auto* editor = qobject_cast<QLineEdit*>(m_grid->indexWidget(index));
  ASSERT_NE(editor, nullptr);
  editor->setFocus();
  QTest::keyClicks(editor, QStringLiteral("145.0126"));
  press("Command1");
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings().testFrequencies.rx[6].text(), QStringLiteral("145.01250"));
  EXPECT_EQ(settings().testFrequencies.tx[6].text(), QStringLiteral("145.01250"));
}

}  // namespace
}  // namespace qx210
