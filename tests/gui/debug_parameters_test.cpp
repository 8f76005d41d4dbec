#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "support/dialog_test_util.h"
#include "gui/debug_parameters_dialog.h"

namespace qx210 {
namespace {

using testing::Child;

class DebugParameters : public testing::DialogFixture {
 protected:
  void SetUp() override {
    DialogFixture::SetUp();
    m_dialogs->gestures().setClock([this] { return m_now; });
  }
  DebugParametersDialog& open() {
    m_dialogs->showDebugParameters();
    return m_dialogs->debugParameters();
  }
  // A click on gesture caption Label3 or Label8 at `ms` on the gesture clock.
  void clickAt(qint64 ms, const char* caption) {
    m_now = ms;
    QTest::mouseClick(Child<QLabel>(m_dialogs->debugParameters(), caption), Qt::LeftButton);
  }
  bool slidersEnabled() {
    auto& d = m_dialogs->debugParameters();
    const bool high = Child<QSlider>(d, "Slider1")->isEnabled();
    EXPECT_EQ(high, Child<QSlider>(d, "Slider3")->isEnabled());
    return high;
  }
  qint64 m_now = 50'000;
};

TEST_F(DebugParameters, ShowsTheHeldLevelsLocked) {
  auto& d = open();
  EXPECT_EQ(Child<QSlider>(d, "Slider1")->value(), 63);
  EXPECT_EQ(Child<QLabel>(d, "Lblpower1")->text(), QStringLiteral("63"));
  EXPECT_EQ(Child<QSlider>(d, "Slider3")->value(), 0);
  EXPECT_EQ(Child<QLabel>(d, "Lblpower3")->text(), QStringLiteral("0"));
  EXPECT_FALSE(slidersEnabled());
  EXPECT_EQ(Child<QSlider>(d, "Slider1")->maximum(), 63);
  EXPECT_EQ(Child<QSlider>(d, "Slider1")->pageStep(), 5);
}

TEST_F(DebugParameters, GestureWithinFiveSecondsUnlocks) {
  QSignalSpy unlocked(m_document.get(), &Document::debugParametersUnlockedChanged);
  open();
  clickAt(50'000, "Label3");
  EXPECT_FALSE(slidersEnabled());
  clickAt(53'000, "Label8");
  EXPECT_TRUE(slidersEnabled());
  EXPECT_TRUE(m_document->debugParametersUnlocked());
  ASSERT_EQ(unlocked.count(), 1);
  EXPECT_TRUE(unlocked.at(0).at(0).toBool());
}

TEST_F(DebugParameters, GestureBeyondFiveSecondsDoesNotUnlock) {
  open();
  clickAt(50'000, "Label8");
  clickAt(57'000, "Label3");
  EXPECT_FALSE(slidersEnabled());
  EXPECT_FALSE(m_document->debugParametersUnlocked());
  // The late click started a new attempt: its partner within 5 s unlocks.
  clickAt(61'000, "Label8");
  EXPECT_TRUE(slidersEnabled());
  EXPECT_TRUE(m_document->debugParametersUnlocked());
}

TEST_F(DebugParameters, SameCaptionTwiceDoesNotUnlock) {
  open();
  clickAt(50'000, "Label3");
  clickAt(51'000, "Label3");
  EXPECT_FALSE(slidersEnabled());
  // Other captions are no gesture captions.
  clickAt(52'000, "Label6");
  clickAt(52'500, "Label7");
  EXPECT_FALSE(slidersEnabled());
}

TEST_F(DebugParameters, LeavingTheModeLocksAndClearsTheFlags) {
  open();
  clickAt(50'000, "Label3");
  clickAt(50'500, "Label8");
  ASSERT_TRUE(slidersEnabled());
  // What toolbar button 7 does when it leaves the mode.
  m_dialogs->gestures().clear();
  m_document->setDebugParametersUnlocked(false);
  EXPECT_FALSE(slidersEnabled());
  EXPECT_FALSE(m_document->debugParametersUnlocked());
  EXPECT_FALSE(m_dialogs->gestures().anyFlag());
  // One click is not enough any more.
  clickAt(51'000, "Label8");
  EXPECT_FALSE(slidersEnabled());
}

TEST_F(DebugParameters, ALoadedImageLocksTheSliders) {
  open();
  m_document->setDebugParametersUnlocked(true);
  EXPECT_TRUE(slidersEnabled());
  ASSERT_TRUE(m_document->loadImage(m_document->image(), EditKind::OpenFile));
  EXPECT_FALSE(slidersEnabled());
}

TEST_F(DebugParameters, SliderUpdatesItsLabelAndOkStores) {
  m_document->setDebugParametersUnlocked(true);
  auto& d = open();
  auto* high = Child<QSlider>(d, "Slider1");
  QTest::keyClick(high, Qt::Key_PageDown);
  EXPECT_EQ(high->value(), 58);
  EXPECT_EQ(Child<QLabel>(d, "Lblpower1")->text(), QStringLiteral("58"));
  EXPECT_EQ(settings().debug.txHighPower, 63);  // only OK stores
  testing::MoveSlider(Child<QSlider>(d, "Slider3"), 17);
  QTest::mouseClick(Child<QPushButton>(d, "Command1"), Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings().debug.txHighPower, 58);
  EXPECT_EQ(settings().debug.txLowPower, 17);
}

TEST_F(DebugParameters, CloseBoxDiscards) {
  m_document->setDebugParametersUnlocked(true);
  auto& d = open();
  Child<QSlider>(d, "Slider1")->setValue(5);
  d.close();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(settings().debug.txHighPower, 63);
}

TEST_F(DebugParameters, LevelOutOfRangeIsKeptUnlessItsSliderMoves) {
  holdChanged([](RadioSettings& s) { s.debug = {200, 99}; });
  auto& d = open();
  EXPECT_EQ(Child<QSlider>(d, "Slider1")->value(), 63);
  EXPECT_EQ(Child<QLabel>(d, "Lblpower1")->text(), QStringLiteral("200"));
  QTest::mouseClick(Child<QPushButton>(d, "Command1"), Qt::LeftButton);
  EXPECT_EQ(settings().debug, (qx210::DebugParameters{200, 99}));

  m_document->setDebugParametersUnlocked(true);
  open();
  testing::MoveSlider(Child<QSlider>(d, "Slider3"), 40);
  QTest::mouseClick(Child<QPushButton>(d, "Command1"), Qt::LeftButton);
  EXPECT_EQ(settings().debug, (qx210::DebugParameters{200, 40}));
}

// Keys that push a slider already at its end leave its value alone: they are
// no move, and the level held beyond 63 stays.
TEST_F(DebugParameters, KeysAtTheEndOfASliderAreNoMove) {
  holdChanged([](RadioSettings& s) { s.debug = {200, 99}; });
  m_document->setDebugParametersUnlocked(true);
  auto& d = open();
  for (const char* name : {"Slider1", "Slider3"}) {
    auto* slider = Child<QSlider>(d, name);
    ASSERT_EQ(slider->value(), 63);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_End, Qt::Key_PageUp, Qt::Key_Up}) QTest::keyClick(slider, key);
    EXPECT_EQ(slider->value(), 63) << name;
  }
  QTest::mouseClick(Child<QPushButton>(d, "Command1"), Qt::LeftButton);
  EXPECT_EQ(settings().debug, (qx210::DebugParameters{200, 99}));
}

// A level above 63 shows the slider at 63. A slider moved away and back
// gives 63: what counts is that the user moved it.
TEST_F(DebugParameters, SliderMovedBackToItsEndStoresTheEnd) {
  holdChanged([](RadioSettings& s) { s.debug = {200, 99}; });
  m_document->setDebugParametersUnlocked(true);
  auto& d = open();
  auto* high = Child<QSlider>(d, "Slider1");
  ASSERT_EQ(high->value(), 63);
  QTest::keyClick(high, Qt::Key_Left);
  QTest::keyClick(high, Qt::Key_Right);
  EXPECT_EQ(high->value(), 63);
  EXPECT_EQ(Child<QLabel>(d, "Lblpower1")->text(), QStringLiteral("63"));
  QTest::mouseClick(Child<QPushButton>(d, "Command1"), Qt::LeftButton);
  EXPECT_EQ(settings().debug, (qx210::DebugParameters{63, 99}));
}

}  // namespace
}  // namespace qx210
