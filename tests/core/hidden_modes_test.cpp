#include <gtest/gtest.h>

#include <QSignalSpy>

#include "core/hidden_modes.h"

namespace qx210 {
namespace {

class HiddenModesTest : public ::testing::Test {
 protected:
  void SetUp() override { modes.setClock([this] { return now; }); }
  qint64 now = 1'000'000;
  GestureState gestures;
  HiddenModes modes{gestures};
};

TEST_F(HiddenModesTest, ThreeCaptionsWithinFiveSecondsInAnyOrder) {
  QSignalSpy spy(&modes, &HiddenModes::bandOverrideChanged);
  modes.gestureClick(2);
  now += 2000;
  modes.gestureClick(2);  // repeats are allowed
  modes.gestureClick(0);
  EXPECT_FALSE(modes.bandOverrideEnabled());
  now += 3000;  // exactly five seconds after the first click
  modes.gestureClick(1);
  EXPECT_TRUE(modes.bandOverrideEnabled());
  ASSERT_EQ(spy.count(), 1);
  EXPECT_TRUE(spy.at(0).at(0).toBool());
}

TEST_F(HiddenModesTest, ALateClickStartsANewGestureWithItsCaptionAlone) {
  modes.gestureClick(0);
  modes.gestureClick(1);
  now += 5001;
  modes.gestureClick(2);
  EXPECT_FALSE(modes.bandOverrideEnabled());
  EXPECT_FALSE(modes.gestureFlag(0));
  EXPECT_FALSE(modes.gestureFlag(1));
  EXPECT_TRUE(modes.gestureFlag(2));
  now += 4000;
  modes.gestureClick(0);
  modes.gestureClick(1);
  EXPECT_TRUE(modes.bandOverrideEnabled());
}

TEST_F(HiddenModesTest, MonotonicClockCrossingMidnightStillCounts) {
  // A time-of-day clock would wrap here; a monotonic one keeps counting.
  now = 86'399'000;
  modes.gestureClick(0);
  now = 86'401'000;
  modes.gestureClick(1);
  modes.gestureClick(2);
  EXPECT_TRUE(modes.bandOverrideEnabled());
}

TEST_F(HiddenModesTest, DoubleClickWithinASecondLeavesBandOverride) {
  for (int k = 0; k < 3; ++k) modes.gestureClick(k);
  ASSERT_TRUE(modes.bandOverrideEnabled());
  EXPECT_FALSE(modes.hiddenButtonClick(HiddenModes::Button::BandOverride));
  now += 1000;  // a full second is too slow
  EXPECT_FALSE(modes.hiddenButtonClick(HiddenModes::Button::BandOverride));
  EXPECT_TRUE(modes.bandOverrideEnabled());
  now += 999;
  EXPECT_TRUE(modes.hiddenButtonClick(HiddenModes::Button::BandOverride));
  EXPECT_FALSE(modes.bandOverrideEnabled());
  for (int k = 0; k < 3; ++k) EXPECT_FALSE(modes.gestureFlag(k));
  // The next click only records its time again.
  now += 10;
  EXPECT_FALSE(modes.hiddenButtonClick(HiddenModes::Button::BandOverride));
}

TEST_F(HiddenModesTest, DebugButtonLeavesOnlyItsOwnMode) {
  for (int k = 0; k < 3; ++k) modes.gestureClick(k);
  modes.hiddenButtonClick(HiddenModes::Button::DebugParameters);
  now += 300;
  EXPECT_TRUE(modes.hiddenButtonClick(HiddenModes::Button::DebugParameters));
  EXPECT_TRUE(modes.bandOverrideEnabled());
  EXPECT_FALSE(modes.gestureFlag(0));
}

// The debug-parameter unlock gesture reads the same flags: a band-override
// caption clicked first counts as its first caption.
TEST_F(HiddenModesTest, GestureFlagsAreSharedWithTheDebugUnlock) {
  modes.gestureClick(0);
  now += 3000;
  EXPECT_TRUE(gestures.clickDebugUnlock(1));
  EXPECT_FALSE(modes.bandOverrideEnabled());
  modes.gestureClick(2);  // flags 0, 1 and 2 within five seconds
  EXPECT_TRUE(modes.bandOverrideEnabled());
  modes.hiddenButtonClick(HiddenModes::Button::BandOverride);
  now += 100;
  ASSERT_TRUE(modes.hiddenButtonClick(HiddenModes::Button::BandOverride));
  EXPECT_FALSE(gestures.anyFlag());
}

}  // namespace
}  // namespace qx210
