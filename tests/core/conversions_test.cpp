#include <gtest/gtest.h>

#include "core/conversions.h"
#include "core/dialog_rules.h"
#include "core/frequency.h"
#include "core/frequency_entry.h"

namespace qx210 {
namespace {

TEST(WordToHex, PadsToFourDigits) {
  EXPECT_EQ(WordToHex(0), QStringLiteral("0000"));
  EXPECT_EQ(WordToHex(-1), QStringLiteral("FFFF"));
  EXPECT_EQ(WordToHex(670), QStringLiteral("029E"));
  EXPECT_EQ(WordToHex(16), QStringLiteral("0010"));
}

TEST(SnapToChannelStep, LowersToTheNearerRasterPointBelow) {
  EXPECT_EQ(SnapToChannelStep(14'512'340), 14'512'000);  // r5 340, r6 465
  EXPECT_EQ(SnapToChannelStep(14'512'600), 14'512'500);  // r5 = r6 = 100: 6.25 kHz
  EXPECT_EQ(SnapToChannelStep(14'500'310), 14'500'000);
  EXPECT_EQ(SnapToChannelStep(14'500'625), 14'500'625);
  EXPECT_EQ(SnapToChannelStep(14'502'500), 14'502'500);
  EXPECT_EQ(SnapToChannelStep(14'509'999), 14'509'500);  // r5 499, r6 624
  EXPECT_EQ(SnapToChannelStep(14'501'300), 14'501'250);  // r5 300, r6 50
  EXPECT_EQ(RoundToTenHertz(145.0124999), 14'501'250);
  EXPECT_EQ(RoundToTenHertz(446.00625), 44'600'625);
}

// The channel table's frequency entry and the test frequencies snap through
// the one routine: across a whole 100 kHz block they give what it gives.
TEST(SnapToChannelStep, EveryEntrySnapsAlike) {
  for (qint64 units = 44'600'000; units < 44'610'000; ++units) {
    const QString typed = MegahertzText(units);
    const QString snapped = MegahertzText(SnapToChannelStep(units));
    ASSERT_EQ(SnappedFrequencyText(typed.toDouble()), snapped) << typed.toStdString();
    TestFrequencyRow row;
    ASSERT_TRUE(ApplyReceiveEdit(row, typed));
    ASSERT_EQ(row.rx, snapped) << typed.toStdString();
    // A transmit frequency follows the receive frequency's raster.
    const bool on625 = SnapToChannelStep(units) % kRaster6250Hz == 0;
    ASSERT_TRUE(ApplyTransmitEdit(row, typed));
    ASSERT_EQ(row.tx, MegahertzText(LowerOntoRaster(units, on625 ? kRaster6250Hz : kRaster5kHz)))
        << typed.toStdString();
  }
}

}  // namespace
}  // namespace qx210
