// Editing the channel table from the keyboard and over several channels:
// what a right click, a drag, a typed key and a paste may change.
#include <QBrush>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTimer>

#include "gui/channel_table_model.h"
#include "gui/document_history.h"
#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

class ChannelEditingTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    start();
    useBand(kVhfBandPosition);  // 136-174 MHz
  }
  void inUse(int first, int last) {
    for (int n = first; n <= last; ++n) typeFrequency(n, kColRxFreq, QString::number(150 + n));
  }
  void selectChannels(int first, int last) {
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellCentre(first, kColChannel));
    if (last != first)
      QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(last, kColChannel));
  }
  void setCurrent(int row, int column) { grid()->setCurrentIndex(grid()->model()->index(row - 1, column)); }
  // Opens the context menu over cell (row, column) and triggers `actionName` in it.
  void contextMenuAt(int row, int column, const char* actionName) {
    QTimer::singleShot(0, grid(), [actionName] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String(actionName)) action->trigger();
      menu->close();
    });
    const QPoint at = cellCentre(row, column);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid()->viewport(), &event);
  }
  QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
};

// A right click acts on the channel clicked, not on the current cell; a drag
// over the cells selects no block, so Delete then acts on one channel only.
TEST_F(ChannelEditingTest, RightClickActsOnItsChannelAndADragSelectsNoBlock) {
  inUse(1, 4);
  setCurrent(1, kColRxFreq);
  contextMenuAt(3, kColPower, "deleteChannelsAction");
  EXPECT_FALSE(channel(3).inUse());
  EXPECT_TRUE(channel(1).inUse());

  QTest::mousePress(grid()->viewport(), Qt::LeftButton, {}, cellCentre(1, kColBclo));
  QTest::mouseMove(grid()->viewport(), cellCentre(4, kColWn));
  QTest::mouseRelease(grid()->viewport(), Qt::LeftButton, {}, cellCentre(4, kColWn));
  grid()->commitPendingEdit();
  EXPECT_EQ(grid()->selectedChannels(), QList<int>{1});
  EXPECT_EQ(grid()->selectionModel()->selectedIndexes().size(), 1);
  // Shift and Ctrl on a cell select no more than the cell either.
  QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(4, kColPower));
  EXPECT_EQ(grid()->selectedChannels(), QList<int>{4});
  QTest::keyClick(grid(), Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid()->selectedChannels(), QList<int>{3});
}

// A printable key opens the current cell's editor with that key typed; keys
// that the cell cannot take open nothing and never move the current cell.
TEST_F(ChannelEditingTest, TypingOnACellEditsItThere) {
  inUse(1, 2);
  change([](RadioState& next) { next.channel(2).highPower = false; });
  setCurrent(1, kColPower);
  grid()->setFocus();
  QTest::keyClick(grid(), Qt::Key_L);  // the search would have jumped to channel 2's "Low"
  EXPECT_FALSE(channel(1).highPower);
  EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(0, kColPower));

  setCurrent(1, kColRxFreq);
  QTest::keyClick(grid(), Qt::Key_X);
  EXPECT_FALSE(text1()->isVisible());
  EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(0, kColRxFreq));
  QTest::keyClick(grid(), Qt::Key_1);
  ASSERT_TRUE(text1()->isVisible());
  EXPECT_EQ(text1()->text(), QStringLiteral("1"));
  QTest::keyClicks(text1(), QStringLiteral("45.5"));
  QTest::keyClick(text1(), Qt::Key_Return);
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("145.50000"));

  setCurrent(1, kColTxTone);
  QTest::keyClick(grid(), Qt::Key_D);
  ASSERT_TRUE(combo8()->isVisible());
  EXPECT_EQ(combo8()->currentText(), QStringLiteral("D"));
  QTest::keyClicks(combo8(), QStringLiteral("23n"));
  QTest::keyClick(combo8(), Qt::Key_Return);
  EXPECT_EQ(cell(1, kColTxTone), QStringLiteral("D023N"));

  // An unused channel starts at its RX frequency whichever cell is typed on.
  setCurrent(9, kColScanAdd);
  QTest::keyClick(grid(), Qt::Key_4);
  ASSERT_TRUE(text1()->isVisible());
  EXPECT_EQ(grid()->editColumn(), kColRxFreq);
  QTest::keyClick(text1(), Qt::Key_Return);
  setCurrent(2, kColBclo);
  QTest::keyClick(grid(), Qt::Key_F2);
  EXPECT_TRUE(combo5(kColBclo)->isVisible());
}

// A simplex channel stays simplex when its RX moves; a split shows it.
TEST_F(ChannelEditingTest, TxFollowsRxOfASimplexChannelAndASplitIsMarked) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  typeFrequency(1, kColRxFreq, QStringLiteral("151.5"));
  EXPECT_EQ(cell(1, kColTxFreq), QStringLiteral("151.50000"));
  const QModelIndex tx = grid()->model()->index(0, kColTxFreq);
  EXPECT_FALSE(tx.data(Qt::ToolTipRole).isValid());
  typeFrequency(1, kColTxFreq, QStringLiteral("146.5"));
  EXPECT_EQ(tx.data(Qt::ToolTipRole).toString(), QStringLiteral("-5.00000 MHz"));
  EXPECT_EQ(tx.data(Qt::ForegroundRole).value<QBrush>().color(), grid()->palette().color(QPalette::Link));
  typeFrequency(1, kColRxFreq, QStringLiteral("140"));  // a split keeps its TX
  EXPECT_EQ(cell(1, kColTxFreq), QStringLiteral("146.50000"));
  EXPECT_EQ(tx.data(Qt::ToolTipRole).toString(), QStringLiteral("+6.50000 MHz"));
  // A dark palette that keeps the default dark blue link colour: the mark
  // takes the text colour instead of going unreadable.
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
  dark.setColor(QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x42));
  dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  dark.setColor(QPalette::Link, QColor(0, 0, 0xff));
  QApplication::setPalette(dark);
  EXPECT_EQ(tx.data(Qt::ForegroundRole).value<QBrush>().color(), dark.color(QPalette::Text));
  QApplication::setPalette(light);
}

// A tone or option set in one of several selected channels is set in all of
// them as one step; a copied cell pastes into its column of the selected
// channels and nowhere else.
TEST_F(ChannelEditingTest, OneValueGoesToEverySelectedChannel) {
  inUse(1, 4);
  const RadioState before = state();
  selectChannels(1, 3);
  clickCell(2, kColPower);
  ASSERT_TRUE(combo5(kColPower)->isVisible());
  QTest::keyClick(combo5(kColPower), Qt::Key_Up);  // picks Low
  for (int n = 1; n <= 3; ++n) EXPECT_FALSE(channel(n).highPower) << n;
  EXPECT_TRUE(channel(4).highPower);
  EXPECT_EQ(grid()->selectedChannels(), (QList<int>{1, 2, 3}));

  setCurrent(3, kColRxTone);  // within the selected channels: they stay selected
  QTest::keyClick(grid(), Qt::Key_8);
  QTest::keyClicks(combo8(), QStringLiteral("8.5"));
  QTest::keyClick(combo8(), Qt::Key_Return);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(cell(n, kColRxTone), QStringLiteral("88.5")) << n;
  EXPECT_EQ(cell(4, kColRxTone), QStringLiteral("Off"));
  window->history().undoAction()->trigger();
  window->history().undoAction()->trigger();
  EXPECT_EQ(state(), before);

  // Ctrl+C on one cell, Ctrl+V into two other channels.
  selectChannels(1, 1);
  typeTone(1, kColTxTone, QStringLiteral("D754I"));
  setCurrent(1, kColTxTone);
  QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("D754I"));
  selectChannels(3, 4);
  const RadioState copied = state();
  QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
  for (int n : {3, 4}) {
    Channel expected = copied.channel(n);
    expected.txTone = *Tone::dqt(0754, true);
    EXPECT_EQ(channel(n), expected) << n;
  }
  EXPECT_EQ(channel(2), copied.channel(2));
  EXPECT_TRUE(boxes.empty());
}

// The Edit menu holds the table's commands, each with its access letter and
// shortcut, translated; Cut copies whole channels and empties them.
TEST_F(ChannelEditingTest, EditMenuHoldsTheTableCommands) {
  auto* edit = window->findChild<QMenu*>(QStringLiteral("editMenu"));
  ASSERT_NE(edit, nullptr);
  const std::vector<std::pair<const char*, QKeySequence>> expected{
      {"cutChannelsAction", QKeySequence::Cut},
      {"copyChannelsAction", QKeySequence::Copy},
      {"pasteChannelsAction", QKeySequence::Paste},
      {"deleteChannelsAction", QKeySequence::Delete},
      {"moveUpAction", QKeySequence(Qt::CTRL | Qt::Key_Up)},
      {"moveDownAction", QKeySequence(Qt::CTRL | Qt::Key_Down)},
      {"selectAllChannelsAction", QKeySequence::SelectAll}};
  QSet<QChar> letters;
  for (QAction* a : edit->actions())
    if (a->text().contains(QLatin1Char('&'))) letters << a->text().at(a->text().indexOf(QLatin1Char('&')) + 1).toLower();
  EXPECT_EQ(letters.size(), 9);  // with Undo and Redo: no letter twice
  for (const auto& [name, key] : expected) {
    QAction* a = action(name);
    ASSERT_NE(a, nullptr) << name;
    EXPECT_TRUE(edit->actions().contains(a)) << name;
    EXPECT_EQ(a->shortcut(), key) << name;
  }
  window->chooseChinese();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  EXPECT_EQ(action("cutChannelsAction")->text(), QStringLiteral("剪切信道(&T)"));
  window->chooseEnglish();

  inUse(1, 3);
  const Channel second = channel(2);
  setCurrent(2, kColPower);  // one cell: still the whole channel is cut
  action("cutChannelsAction")->trigger();
  EXPECT_FALSE(channel(2).inUse());
  selectChannels(5, 5);
  QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(channel(5), second);
  action("selectAllChannelsAction")->trigger();
  EXPECT_EQ(grid()->selectedChannels().size(), kChannelCount);
}

// The edit lock disables the table; the Edit menu's commands that change
// channels follow it, so the menu cannot get round the lock.
TEST_F(ChannelEditingTest, EditLockAlsoHoldsTheEditMenu) {
  inUse(1, 2);
  const RadioState before = state();
  setCurrent(1, kColRxFreq);
  window->setEditLocked(true);
  for (const char* name : {"cutChannelsAction", "pasteChannelsAction", "deleteChannelsAction", "moveDownAction"}) {
    EXPECT_FALSE(action(name)->isEnabled()) << name;
    action(name)->trigger();
  }
  EXPECT_EQ(state(), before);
  window->setEditLocked(false);
  EXPECT_TRUE(action("deleteChannelsAction")->isEnabled());
}

}  // namespace
}  // namespace qx210::testing
