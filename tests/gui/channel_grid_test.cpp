// The channel table's in-place editors, driven by clicks and keys.
#include <QWheelEvent>
#include <numeric>

#include "support/main_window_fixture.h"

namespace qx210::testing {
namespace {

class ChannelGridTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    start();
    useBand(kVhfBandPosition);  // 136-174 MHz
  }
};

TEST_F(ChannelGridTest, BandLimitsAcceptAndRefuseWithTheMessage) {
  typeFrequency(1, kColRxFreq, QStringLiteral("136"));
  typeFrequency(2, kColRxFreq, QStringLiteral("174"));
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("136.00000"));
  EXPECT_EQ(cell(2, kColRxFreq), QStringLiteral("174.00000"));
  EXPECT_TRUE(boxes.empty());

  typeFrequency(3, kColRxFreq, QStringLiteral("135.99999"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Beyond the frequency range"));
  EXPECT_EQ(boxes[0].title, QStringLiteral("ZERATH QX-210 Radio Software V1.80"));
  EXPECT_EQ(boxes[0].buttons, QStringList{QStringLiteral("OK")});
  typeFrequency(2, kColTxFreq, QStringLiteral("174.001"));
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_FALSE(channel(3).inUse());
  EXPECT_EQ(cell(2, kColTxFreq), QStringLiteral("174.00000"));
  EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(ChannelGridTest, TypedFrequenciesSnapToTheRaster) {
  const std::pair<const char*, const char*> examples[] = {
      {"145.0125", "145.01250"}, {"145.0126", "145.01250"}, {"145.0149", "145.01250"}, {"145.0174", "145.01500"}};
  int row = 1;
  for (const auto& [typed, shown] : examples) {
    typeFrequency(row, kColRxFreq, QString::fromLatin1(typed));
    EXPECT_EQ(cell(row, kColRxFreq), QString::fromLatin1(shown)) << typed;
    ++row;
  }
  // The document holds what the grid shows.
  EXPECT_EQ(channel(4).rx.text(), QStringLiteral("145.01500"));
}

TEST_F(ChannelGridTest, KeyFilterKeepsDigitsAndThePointOnly) {
  clickCell(1, kColRxFreq);
  QTest::keyClicks(text1(), QStringLiteral("1a4-5,.5x e"));
  EXPECT_EQ(text1()->text(), QStringLiteral("145.5"));
  QTest::keyClick(text1(), Qt::Key_Backspace);
  EXPECT_EQ(text1()->text(), QStringLiteral("145."));
  QTest::keyClick(text1(), Qt::Key_Return);
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("145.00000"));
}

TEST_F(ChannelGridTest, FirstRxFrequencyCreatesTheDefaults) {
  typeFrequency(7, kColRxFreq, QStringLiteral("146.52"));
  const QStringList row{cell(7, 1), cell(7, 2), cell(7, 3), cell(7, 4), cell(7, 5), cell(7, 6), cell(7, 7), cell(7, 8)};
  EXPECT_EQ(row, (QStringList{"146.52000", "Off", "146.52000", "Off", "High", "Off", "Wide", "Yes"}));
  EXPECT_EQ(channel(7), NewChannel(*Frequency::fromText(QStringLiteral("146.52000"))));
}

TEST_F(ChannelGridTest, RxChangeOnARowWithATxFrequencyChangesOnlyRx) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  typeFrequency(1, kColTxFreq, QStringLiteral("155"));
  typeTone(1, kColRxTone, QStringLiteral("88.5"));
  Channel expected = channel(1);
  typeFrequency(1, kColRxFreq, QStringLiteral("151"));
  expected.rx = *Frequency::fromText(QStringLiteral("151.00000"));
  EXPECT_EQ(channel(1), expected);
}

TEST_F(ChannelGridTest, EmptyingRxDeletesTheChannelEmptyingTxDoesNot) {
  typeFrequency(5, kColRxFreq, QStringLiteral("150"));
  emptyFrequency(5, kColTxFreq);
  EXPECT_EQ(cell(5, kColTxFreq), QStringLiteral("150.00000"));
  emptyFrequency(5, kColRxFreq);
  for (int c = kColRxFreq; c < kColumnCount; ++c) EXPECT_TRUE(cell(5, c).isEmpty()) << c;
  EXPECT_EQ(state().channels, RadioState{}.channels);
}

TEST_F(ChannelGridTest, ClickingAnotherCellEndsTheEditThere) {
  clickCell(1, kColRxFreq);
  QTest::keyClicks(text1(), QStringLiteral("150"));
  clickCell(2, kColScanAdd);  // focus leaves Text1: it commits
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("150.00000"));
  // Row 2 is empty, so its RX cell opens instead of Scan Add.
  EXPECT_TRUE(text1()->isVisible());
  EXPECT_EQ(grid()->editRow(), 2);
  EXPECT_EQ(grid()->editColumn(), kColRxFreq);
  EXPECT_EQ(text1()->geometry().topLeft(), grid()->visualRect(grid()->model()->index(1, kColRxFreq)).topLeft());
}

TEST_F(ChannelGridTest, RightClickOpensNothing) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  clickCell(1, kColRxTone, Qt::RightButton);
  clickCell(1, kColPower, Qt::RightButton);
  EXPECT_FALSE(text1()->isVisible());
  EXPECT_FALSE(combo8()->isVisible());
  EXPECT_FALSE(combo5(kColPower)->isVisible());
  EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(ChannelGridTest, EnterOnTheGridOpensTheCurrentCell) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  grid()->setCurrentIndex(grid()->model()->index(0, kColTxTone));
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_TRUE(combo8()->isVisible());
  EXPECT_EQ(combo8()->currentText(), QStringLiteral("Off"));
  EXPECT_EQ(grid()->editColumn(), kColTxTone);
  QTest::keyClick(combo8(), Qt::Key_Return);
  EXPECT_FALSE(combo8()->isVisible());
  EXPECT_EQ(cell(1, kColTxTone), QStringLiteral("Off"));
}

TEST_F(ChannelGridTest, TonePicksWriteTheEntry) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  auto pick = [this](int column, int position) {
    clickCell(1, column);
    ASSERT_TRUE(combo8()->isVisible());
    // A key on the closed list moves to the entry and reports it as picked.
    combo8()->setCurrentIndex(position == 0 ? 1 : position - 1);
    QTest::keyClick(combo8(), position == 0 ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_FALSE(combo8()->isVisible());
  };
  pick(kColRxTone, 51);
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("D023N"));
  EXPECT_EQ(channel(1).rxTone, *Tone::dqt(023, false));
  pick(kColTxTone, 9);
  EXPECT_EQ(cell(1, kColTxTone), QStringLiteral("88.5"));
  pick(kColRxTone, 0);
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("Off"));
  EXPECT_TRUE(channel(1).rxTone.isOff());
  EXPECT_TRUE(grid()->hasFocus());
}

TEST_F(ChannelGridTest, TypedTonesFollowTheRules) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  const std::pair<const char*, const char*> cases[] = {
      {"67", "67.0"},        {"254.1", "254.1"}, {"66.9", "254.1"},  // refused: keeps 254.1
      {"d23n", "D023N"},     {"D999I", "D777I"}, {"D12", "D777I"},   // no polarity: unchanged
      {"D0023N", "D023N"},   {"D08N", "D023N"},                      // not octal: unchanged
      {"8x8", "88.0"},
  };
  for (const auto& [typed, shown] : cases) {
    typeTone(1, kColRxTone, QString::fromLatin1(typed));
    EXPECT_EQ(cell(1, kColRxTone), QString::fromLatin1(shown)) << typed;
  }
  EXPECT_EQ(channel(1).rxTone, *Tone::qt(880));
}

TEST_F(ChannelGridTest, ToneKeysAreRaisedWhileTyping) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  clickCell(1, kColTxTone);
  combo8()->lineEdit()->selectAll();
  QTest::keyClicks(combo8(), QStringLiteral("d2x3;i"));
  EXPECT_EQ(combo8()->currentText(), QStringLiteral("D23I"));
  QTest::keyClick(combo8(), Qt::Key_Return);
  EXPECT_EQ(cell(1, kColTxTone), QStringLiteral("D023I"));
}

TEST_F(ChannelGridTest, EmptiedToneTextLeavesTheCell) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  typeTone(1, kColRxTone, QString());
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("Off"));
  EXPECT_TRUE(channel(1).rxTone.isOff());
}

TEST_F(ChannelGridTest, OptionListOpensAtTheStoredPositionAndAPickWrites) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  change([](RadioState& next) { next.channel(1).bclo = true; });
  clickCell(1, kColBclo);
  OptionEditor* bclo = combo5(kColBclo);
  ASSERT_TRUE(bclo->isVisible());
  EXPECT_EQ(bclo->currentText(), QStringLiteral("Carrier"));
  EXPECT_EQ(cell(1, kColBclo), QStringLiteral("Carrier"));  // opening alone writes nothing
  QTest::keyClick(bclo, Qt::Key_Up);
  EXPECT_FALSE(bclo->isVisible());
  EXPECT_EQ(cell(1, kColBclo), QStringLiteral("Off"));
  EXPECT_FALSE(channel(1).bclo);
}

TEST_F(ChannelGridTest, LeavingAnOptionListWithoutAPickChangesNothing) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  const RadioState before = state();
  clickCell(1, kColPower);
  ASSERT_TRUE(combo5(kColPower)->isVisible());
  clickCell(1, kColTxFreq);
  EXPECT_FALSE(combo5(kColPower)->isVisible());
  EXPECT_TRUE(text1()->isVisible());
  QTest::keyClick(text1(), Qt::Key_Return);
  EXPECT_EQ(state(), before);
}

TEST_F(ChannelGridTest, EditorsOfAnEmptyRowOpenOnlyAtRx) {
  clickCell(4, kColPower);
  EXPECT_TRUE(text1()->isVisible());
  EXPECT_FALSE(combo5(kColPower)->isVisible());
  EXPECT_EQ(grid()->editRow(), 4);
  EXPECT_EQ(grid()->editColumn(), kColRxFreq);
  EXPECT_EQ(grid()->currentIndex().column(), kColRxFreq);
}

TEST_F(ChannelGridTest, ChannelColumnAndLayout) {
  for (int row = 1; row <= kChannelCount; ++row)
    EXPECT_EQ(grid()->model()->index(row - 1, 0).data().toString(), QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')));
  clickCell(3, kColChannel);
  EXPECT_FALSE(text1()->isVisible());
  // At its usual size (the test screen is narrower, so the window opened smaller).
  window->resize(window->sizeHint());
  const int widths[] = {33, 89, 67, 89, 67, 53, 57, 67, 60};
  // Where the system's font is wider than the texts the widths were made for
  // (Wine's), columns may only grow.
  const bool fontFits = grid()->minimumSizeHint().width() <=
                        std::accumulate(std::begin(widths), std::end(widths), 0) + 2 * grid()->frameWidth();
  for (int c = 0; c < kColumnCount; ++c) {
    if (fontFits) {
      EXPECT_EQ(grid()->columnWidth(c), widths[c]) << c;
    } else {
      EXPECT_GE(grid()->columnWidth(c), widths[c]) << c;
    }
  }
  if (fontFits) {
    EXPECT_EQ(grid()->rowHeight(0), 20);
  }
  const QModelIndex even = grid()->model()->index(1, 0);
  const QModelIndex odd = grid()->model()->index(0, 3);
  EXPECT_EQ(even.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(192, 192, 255));
  EXPECT_FALSE(odd.data(Qt::BackgroundRole).isValid());
  EXPECT_EQ(odd.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
  // All 16 rows fit without scrolling.
  EXPECT_GE(grid()->viewport()->height(), 16 * 20);
}

TEST_F(ChannelGridTest, BandChangeAnsweredOkClearsAndCancelKeeps) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  QComboBox* combo1 = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
  ASSERT_NE(combo1, nullptr);

  answers.push_back(MessageResult::kCancel);
  combo1->setCurrentIndex(0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Change frequency channel list will remove, sure?"));
  EXPECT_EQ(boxes[0].title, QStringLiteral("Attention!"));
  EXPECT_EQ(boxes[0].buttons, (QStringList{"OK", "Cancel"}));
  EXPECT_EQ(combo1->currentIndex(), kVhfBandPosition);
  EXPECT_EQ(state().band, kVhfBandPosition);
  EXPECT_TRUE(channel(1).inUse());
  EXPECT_EQ(boxes.size(), 1u);  // going back asked nothing

  answers.push_back(MessageResult::kOk);
  combo1->setCurrentIndex(1);
  EXPECT_EQ(boxes.size(), 2u);
  EXPECT_EQ(state().band, 1);
  EXPECT_EQ(state().channels, RadioState{}.channels);
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  EXPECT_EQ(boxes.size(), 3u);  // 150 MHz is outside 200-260
  typeFrequency(1, kColRxFreq, QStringLiteral("230"));
  EXPECT_EQ(cell(1, kColRxFreq), QStringLiteral("230.00000"));
}

TEST_F(ChannelGridTest, EditLockDisablesTheGridAndFrames) {
  window->setEditLocked(true);
  EXPECT_FALSE(grid()->isEnabled());
  EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("Frame1"))->isEnabled());
  EXPECT_FALSE(window->findChild<QWidget*>(QStringLiteral("Frame2"))->isEnabled());
  clickCell(1, kColRxFreq);
  EXPECT_FALSE(text1()->isVisible());
  window->setEditLocked(false);
  EXPECT_TRUE(grid()->isEnabled());
}

TEST_F(ChannelGridTest, ToneListDropsDownAndTypingGoesToTheText) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  grid()->setDropDownLists(true);
  clickCell(1, kColRxTone);
  ASSERT_TRUE(QTest::qWaitFor([this] { return combo8()->view()->isVisible(); }, 2000));
  QTest::keyClicks(combo8()->view(), QStringLiteral("7"));
  EXPECT_FALSE(combo8()->view()->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([this] { return combo8()->hasFocus(); }, 2000));
  QTest::keyClicks(combo8(), QStringLiteral("1.9"));
  EXPECT_EQ(combo8()->currentText(), QStringLiteral("71.9"));
  QTest::keyClick(combo8(), Qt::Key_Return);
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("71.9"));
}

// Enter on an entry of the dropped-down list picks it; the current cell is
// still the one that was edited, and the grid has the focus for the next key.
TEST_F(ChannelGridTest, KeyboardPickFromADroppedListKeepsTheCurrentCell) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  grid()->setDropDownLists(true);
  const auto pickNextEntry = [this](int column, QComboBox* list) {
    clickCell(1, column);
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->view()->isVisible(); }, 2000));
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(grid()->currentIndex(), grid()->model()->index(0, column));
    EXPECT_TRUE(grid()->hasFocus());
  };
  pickNextEntry(kColRxTone, combo8());
  EXPECT_EQ(cell(1, kColRxTone), QStringLiteral("67.0"));
  change([](RadioState& next) { next.channel(1).scanAdd = false; });  // Down reaches "Yes"
  pickNextEntry(kColScanAdd, combo5(kColScanAdd));
  EXPECT_TRUE(channel(1).scanAdd);
  // Enter on the grid opens the same cell again.
  QTest::keyClick(grid(), Qt::Key_Return);
  EXPECT_EQ(grid()->editColumn(), kColScanAdd);
}

// A notch of the mouse wheel over a list of the model or settings frame.
void Wheel(QWidget* list, int notches) {
  const QPointF centre = QRectF(list->rect()).center();
  QWheelEvent event(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &event);
}

TEST_F(ChannelGridTest, WheelTurnsTheBandAndPanelListsOnlyWithTheFocus) {
  typeFrequency(1, kColRxFreq, QStringLiteral("150"));
  auto* band = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
  auto* squelch = window->findChild<QComboBox*>(QStringLiteral("Combo9"));
  ASSERT_TRUE(band && squelch);
  const RadioState before = state();
  Wheel(band, 1);
  Wheel(squelch, -1);
  EXPECT_TRUE(boxes.empty());  // no offer to clear every channel
  EXPECT_EQ(state(), before);
  EXPECT_EQ(band->currentIndex(), kVhfBandPosition);
  EXPECT_FALSE(band->hasFocus());
  EXPECT_FALSE(squelch->hasFocus());

  squelch->setFocus(Qt::TabFocusReason);
  Wheel(squelch, -1);
  EXPECT_EQ(state().settings.panel.squelchLevel, 4);
  band->setFocus(Qt::TabFocusReason);
  answers.push_back(MessageResult::kCancel);
  Wheel(band, 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, QStringLiteral("Attention!"));
  EXPECT_EQ(state().band, kVhfBandPosition);
  EXPECT_TRUE(channel(1).inUse());
}

}  // namespace
}  // namespace qx210::testing
