#include <gtest/gtest.h>

#include "core/band_selection.h"
#include "core/bands.h"

namespace qx210 {
namespace {

TEST(BandSelection, ConfirmedBandClearsEveryChannelAndKeepsTheSettings) {
  RadioState state;
  state.channel(3) = NewChannel(*Frequency::fromTenHertz(43'000'000));
  state.channel(16) = NewChannel(*Frequency::fromTenHertz(43'000'000));
  state.settings.panel.squelchLevel = 7;
  state.settings.testFrequencies.rx[0] = *Frequency::fromTenHertz(44'600'625);
  RadioState expected = state;
  expected.band = kVhfBandPosition;
  expected.channels.fill(Channel{});
  EXPECT_EQ(WithConfirmedBand(state, kVhfBandPosition), expected);
  for (int outside : {-1, 7}) EXPECT_EQ(WithConfirmedBand(state, outside), state) << outside;
}

TEST(BandSelection, ReadTakesTheReportedBandWhenItIsKnown) {
  RadioState state;
  state.channel(1) = NewChannel(*Frequency::fromTenHertz(14'500'000));
  state.band = 2;
  const RadioState before = state;
  for (int unknown : {-1, 7}) {
    TakeReportedBand(state, unknown);
    EXPECT_EQ(state, before) << unknown;
  }
  TakeReportedBand(state, 6);
  EXPECT_EQ(state.band, 6);
  EXPECT_EQ(state.channels, before.channels);  // a band from the radio clears nothing
}

TEST(BandList, LimitsAreTheNumbersOfTheListText) {
  ASSERT_EQ(BandTexts().size(), 7);
  for (int i = 0; i < 7; ++i) {
    const QString text = BandTexts().at(i);
    EXPECT_EQ(text.mid(0, 3).toInt(), BandAt(i).low) << i;
    EXPECT_EQ(text.mid(4, 3).toInt(), BandAt(i).high) << i;
    EXPECT_TRUE(text.endsWith(QStringLiteral("MHz"))) << i;
    EXPECT_EQ(BandPositionForCode(BandAt(i).code), i);
  }
  EXPECT_EQ(BandTexts().at(kVhfBandPosition), QStringLiteral("136-174MHz"));
  EXPECT_EQ(BandPositionForCode(0x00), -1);
  EXPECT_EQ(&BandAt(-1), &BandAt(0));
  EXPECT_EQ(&BandAt(7), &BandAt(0));
}

}  // namespace
}  // namespace qx210
