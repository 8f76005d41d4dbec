#include <gtest/gtest.h>

#include "core/band_selection.h"

namespace qx210 {
namespace {

TEST(BandSelection, StartsAt400To480) {
  BandState band;
  EXPECT_EQ(band.low(), 400);
  EXPECT_EQ(band.high(), 480);
}

TEST(BandSelection, SameBandAsksNothing) {
  BandState band;
  EXPECT_FALSE(SelectBand(band, 0));
}

TEST(BandSelection, OtherBandAsksAndTheLimitsFollowTheList) {
  BandState band;
  EXPECT_TRUE(SelectBand(band, kVhfBandPosition));
  EXPECT_EQ(band.low(), 136);
  EXPECT_EQ(band.high(), 174);
  EXPECT_EQ(band.index, 0);
}

TEST(BandSelection, ConfirmClearsEveryChannelAndKeepsSettings) {
  EditorState state;
  state.table.setCell(3, kColRxFreq, QStringLiteral("430.00000"));
  state.table.setOption(3, kColPower, 1, kEnglish);
  state.settings.panel.squelchLevel = 7;
  SelectBand(state.band, 1);
  ConfirmBand(state);
  EXPECT_EQ(state.band.index, 1);
  EXPECT_EQ(state.table, ChannelTable());
  EXPECT_EQ(state.settings.panel.squelchLevel, 7);
}

TEST(BandSelection, RevertGoesBackToTheConfirmedBand) {
  BandState band;
  band.index = band.selected = 3;
  SelectBand(band, 6);
  EXPECT_EQ(RevertBand(band), 3);
  EXPECT_EQ(band.low(), 370);
  EXPECT_FALSE(SelectBand(band, 3));  // the list's second event stops at once
}

TEST(BandSelection, ProgramStepNeverAsks) {
  BandState band;
  SelectBandByProgram(band, 4);
  EXPECT_EQ(band.index, 4);
  EXPECT_FALSE(SelectBand(band, 4));
  SelectBandByProgram(band, 9);  // not a band: nothing changes
  EXPECT_EQ(band.index, 4);
  EXPECT_FALSE(SelectBand(band, -1));
}

}  // namespace
}  // namespace qx210
