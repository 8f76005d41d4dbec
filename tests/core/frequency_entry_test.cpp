#include <gtest/gtest.h>

#include "core/frequency_entry.h"

namespace qx210 {
namespace {

BandState Band(int position) { return BandState{position, position}; }

TEST(FrequencyCharacters, DigitsPointAndBackspaceOnly) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(IsFrequencyCharacter(QLatin1Char(c))) << c;
  EXPECT_TRUE(IsFrequencyCharacter(QLatin1Char('.')));
  EXPECT_TRUE(IsFrequencyCharacter(QChar(8)));
  for (char c : {',', '-', '+', 'e', 'E', ' ', 'D', '\r', '/'}) EXPECT_FALSE(IsFrequencyCharacter(QLatin1Char(c))) << c;
  EXPECT_FALSE(IsFrequencyCharacter(QChar(0x0661)));  // an Arabic-Indic digit is no digit here
}

TEST(FrequencyParse, NumbersAndNonNumbers) {
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral("145.0125")), 145.0125);
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral("145")), 145.0);
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral("145.")), 145.0);
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral(".5")), 0.5);
  for (const char* bad : {"", ".", "145.1.2", "1e2", "-145", " 145", "145a", "1,5"})
    EXPECT_FALSE(ParseFrequency(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(FrequencySnap, ExamplesOfTheRaster) {
  EXPECT_EQ(SnappedFrequencyText(145.0125), QStringLiteral("145.01250"));
  EXPECT_EQ(SnappedFrequencyText(145.0126), QStringLiteral("145.01250"));
  EXPECT_EQ(SnappedFrequencyText(145.0149), QStringLiteral("145.01250"));
  EXPECT_EQ(SnappedFrequencyText(145.0174), QStringLiteral("145.01500"));
  EXPECT_EQ(SnappedFrequencyText(145.12345), QStringLiteral("145.12000"));
  EXPECT_EQ(SnappedFrequencyText(145.126), QStringLiteral("145.12500"));
  EXPECT_EQ(SnappedFrequencyText(136), QStringLiteral("136.00000"));
  // Rounded to five decimals before snapping.
  EXPECT_EQ(SnappedFrequencyText(145.0124999), QStringLiteral("145.01250"));
}

class FrequencyCommit : public ::testing::Test {
 protected:
  ChannelTable table;
  BandState vhf = Band(kVhfBandPosition);  // 136-174 MHz
};

TEST_F(FrequencyCommit, BandLimitsAreInclusiveAndUseTheTypedValue) {
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("136"), kEnglish),
            FrequencyOutcome::Written);
  EXPECT_EQ(table.cell(1, kColRxFreq), QStringLiteral("136.00000"));
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 2, kColRxFreq, QStringLiteral("174"), kEnglish),
            FrequencyOutcome::Written);
  EXPECT_EQ(table.cell(2, kColRxFreq), QStringLiteral("174.00000"));
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 3, kColRxFreq, QStringLiteral("135.99999"), kEnglish),
            FrequencyOutcome::OutOfBand);
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 3, kColRxFreq, QStringLiteral("174.001"), kEnglish),
            FrequencyOutcome::OutOfBand);
  // 174.000004 would round to 174.00000, but the check uses the typed value.
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 3, kColRxFreq, QStringLiteral("174.000004"), kEnglish),
            FrequencyOutcome::OutOfBand);
  EXPECT_FALSE(table.inUse(3));
}

TEST_F(FrequencyCommit, OtherBandsUseTheirOwnLimits) {
  const BandState uhf = Band(0);  // 400-480
  EXPECT_EQ(CommitFrequencyEntry(table, uhf, 1, kColRxFreq, QStringLiteral("145"), kEnglish),
            FrequencyOutcome::OutOfBand);
  EXPECT_EQ(CommitFrequencyEntry(table, uhf, 1, kColRxFreq, QStringLiteral("480"), kEnglish),
            FrequencyOutcome::Written);
  EXPECT_EQ(CommitFrequencyEntry(table, Band(6), 2, kColRxFreq, QStringLiteral("519.99"), kEnglish),
            FrequencyOutcome::Written);
  EXPECT_EQ(table.cell(2, kColRxFreq).size(), 9);
}

TEST_F(FrequencyCommit, FirstRxFrequencyGivesTheNewChannelDefaults) {
  ASSERT_EQ(CommitFrequencyEntry(table, vhf, 4, kColRxFreq, QStringLiteral("145.0149"), kEnglish),
            FrequencyOutcome::Written);
  EXPECT_EQ(table.cell(4, kColRxFreq), QStringLiteral("145.01250"));
  EXPECT_EQ(table.cell(4, kColTxFreq), QStringLiteral("145.01250"));
  EXPECT_EQ(table.cell(4, kColRxTone), QStringLiteral("Off"));
  EXPECT_EQ(table.cell(4, kColTxTone), QStringLiteral("Off"));
  EXPECT_TRUE(table.toneOff(4, kColRxTone));
  EXPECT_TRUE(table.toneOff(4, kColTxTone));
  EXPECT_EQ(table.cell(4, kColPower), QStringLiteral("High"));
  EXPECT_EQ(table.cell(4, kColBclo), QStringLiteral("Off"));
  EXPECT_EQ(table.cell(4, kColWn), QStringLiteral("Wide"));
  EXPECT_EQ(table.cell(4, kColScanAdd), QStringLiteral("Yes"));
  EXPECT_EQ(table.optionPosition(4, kColPower), 1);
  EXPECT_EQ(table.optionPosition(4, kColBclo), 0);
  EXPECT_EQ(table.optionPosition(4, kColWn), 1);
  EXPECT_EQ(table.optionPosition(4, kColScanAdd), 1);
}

TEST_F(FrequencyCommit, DefaultsAreWrittenInTheCurrentLanguage) {
  CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("150"), kChinese);
  EXPECT_EQ(table.cell(1, kColRxTone), QStringLiteral("关闭"));
  EXPECT_EQ(table.cell(1, kColPower), QStringLiteral("高"));
  EXPECT_EQ(table.cell(1, kColWn), QStringLiteral("宽带"));
  EXPECT_EQ(table.cell(1, kColScanAdd), QStringLiteral("有"));
}

TEST_F(FrequencyCommit, RxChangeWithATxFrequencyChangesOnlyTheRxCell) {
  CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("150"), kEnglish);
  table.setOption(1, kColPower, 0, kEnglish);
  table.setToneText(1, kColRxTone, QStringLiteral("88.5"));
  CommitFrequencyEntry(table, vhf, 1, kColTxFreq, QStringLiteral("151"), kEnglish);
  const ChannelTable before = table;
  ASSERT_EQ(CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("152.5"), kEnglish),
            FrequencyOutcome::Written);
  ChannelTable expected = before;
  expected.setCell(1, kColRxFreq, QStringLiteral("152.50000"));
  EXPECT_EQ(table, expected);
}

TEST_F(FrequencyCommit, RxChangeWithAnEmptyTxCellResetsTheDefaults) {
  CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("150"), kEnglish);
  table.setCell(1, kColTxFreq, QString());
  table.setOption(1, kColBclo, 1, kEnglish);
  table.setToneText(1, kColTxTone, QStringLiteral("D023N"));
  CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("160"), kEnglish);
  EXPECT_EQ(table.cell(1, kColTxFreq), QStringLiteral("160.00000"));
  EXPECT_EQ(table.cell(1, kColBclo), QStringLiteral("Off"));
  EXPECT_EQ(table.cell(1, kColTxTone), QStringLiteral("Off"));
  EXPECT_TRUE(table.toneOff(1, kColTxTone));
}

TEST_F(FrequencyCommit, TxEntryNeverTouchesRxOrDefaults) {
  CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("150"), kEnglish);
  table.setOption(1, kColScanAdd, 0, kEnglish);
  CommitFrequencyEntry(table, vhf, 1, kColTxFreq, QStringLiteral("155.0174"), kEnglish);
  EXPECT_EQ(table.cell(1, kColRxFreq), QStringLiteral("150.00000"));
  EXPECT_EQ(table.cell(1, kColTxFreq), QStringLiteral("155.01500"));
  EXPECT_EQ(table.cell(1, kColScanAdd), QStringLiteral("No"));
}

TEST_F(FrequencyCommit, EmptyingRxDeletesTheChannelButEmptyingTxDoesNot) {
  CommitFrequencyEntry(table, vhf, 5, kColRxFreq, QStringLiteral("150"), kEnglish);
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 5, kColTxFreq, QString(), kEnglish), FrequencyOutcome::Unchanged);
  EXPECT_EQ(table.cell(5, kColTxFreq), QStringLiteral("150.00000"));
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 5, kColRxFreq, QString(), kEnglish),
            FrequencyOutcome::ChannelDeleted);
  for (int c = kColRxFreq; c < kColumnCount; ++c) EXPECT_TRUE(table.cell(5, c).isEmpty()) << c;
  EXPECT_EQ(table.optionPosition(5, kColPower), 0);
  EXPECT_EQ(table, ChannelTable());
}

TEST_F(FrequencyCommit, NotANumberKeepsTheCell) {
  CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("150"), kEnglish);
  const ChannelTable before = table;
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 1, kColRxFreq, QStringLiteral("150.1.2"), kEnglish),
            FrequencyOutcome::Unchanged);
  EXPECT_EQ(CommitFrequencyEntry(table, vhf, 1, kColTxFreq, QStringLiteral("."), kEnglish),
            FrequencyOutcome::Unchanged);
  EXPECT_EQ(table, before);
}

}  // namespace
}  // namespace qx210
