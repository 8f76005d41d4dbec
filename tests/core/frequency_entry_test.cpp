#include <gtest/gtest.h>

#include "core/bands.h"
#include "core/frequency_entry.h"

namespace qx210 {
namespace {

constexpr int kVhf = kVhfBandPosition;  // 136-174 MHz

Frequency Mhz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }

TEST(FrequencyCharacters, DigitsPointAndBackspaceOnly) {
  for (char c = '0'; c <= '9'; ++c) EXPECT_TRUE(IsFrequencyCharacter(QLatin1Char(c))) << c;
  EXPECT_TRUE(IsFrequencyCharacter(QLatin1Char('.')));
  EXPECT_TRUE(IsFrequencyCharacter(QChar(8)));
  for (char c : {',', '-', '+', 'e', 'E', ' ', 'D', '\r', '/'}) EXPECT_FALSE(IsFrequencyCharacter(QLatin1Char(c))) << c;
  EXPECT_FALSE(IsFrequencyCharacter(QChar(0x0661)));  // an Arabic-Indic digit is no digit here
}

TEST(FrequencyParse, NumbersAndNonNumbers) {
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral("145.0125")), 145.0125);
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral("145.")), 145.0);
  EXPECT_DOUBLE_EQ(*ParseFrequency(QStringLiteral(".5")), 0.5);
  for (const char* bad : {"", ".", "145.1.2", "1e2", "-145", " 145", "145a", "1,5"})
    EXPECT_FALSE(ParseFrequency(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST(FrequencySnap, ExamplesOfTheRaster) {
  EXPECT_EQ(SnappedFrequencyText(145.0125), QStringLiteral("145.01250"));
  EXPECT_EQ(SnappedFrequencyText(145.0126), QStringLiteral("145.01250"));
  EXPECT_EQ(SnappedFrequencyText(145.0149), QStringLiteral("145.01250"));  // 6.25 kHz point nearer than 5 kHz
  EXPECT_EQ(SnappedFrequencyText(145.0174), QStringLiteral("145.01500"));
  EXPECT_EQ(SnappedFrequencyText(145.12345), QStringLiteral("145.12000"));
  EXPECT_EQ(SnappedFrequencyText(136), QStringLiteral("136.00000"));
  EXPECT_EQ(SnappedFrequencyText(145.0124999), QStringLiteral("145.01250"));  // rounded before snapping
}

TEST(FrequencyCommit, BandLimitsAreInclusiveAndUseTheTypedValue) {
  struct Case {
    int band;
    const char* typed;
    FrequencyOutcome outcome;
    const char* written;
  };
  using O = FrequencyOutcome;
  for (const Case& c : {Case{kVhf, "136", O::Written, "136.00000"}, Case{kVhf, "174", O::Written, "174.00000"},
                        Case{kVhf, "135.99999", O::OutOfBand, ""}, Case{kVhf, "174.001", O::OutOfBand, ""},
                        Case{kVhf, "174.000004", O::OutOfBand, ""},  // would round to 174.00000
                        Case{kVhf, "145.0149", O::Written, "145.01250"}, Case{0, "145", O::OutOfBand, ""},
                        Case{0, "480", O::Written, "480.00000"}, Case{6, "519.99", O::Written, "519.99000"},
                        Case{kVhf, "150.1.2", O::Unchanged, ""}, Case{kVhf, ".", O::Unchanged, ""}}) {
    Channel channel;
    EXPECT_EQ(CommitFrequencyEntry(channel, c.band, kColRxFreq, QString::fromLatin1(c.typed)), c.outcome) << c.typed;
    EXPECT_EQ(channel.rx.text(), QString::fromLatin1(c.written)) << c.typed;
  }
}

TEST(FrequencyCommit, FirstRxFrequencyGivesTheNewChannelDefaults) {
  Channel c;
  ASSERT_EQ(CommitFrequencyEntry(c, kVhf, kColRxFreq, QStringLiteral("150")), FrequencyOutcome::Written);
  EXPECT_EQ(c.tx, Mhz("150.00000"));
  EXPECT_TRUE(c.rxTone.isOff() && c.txTone.isOff());
  EXPECT_TRUE(c.highPower && !c.bclo && c.wide && c.scanAdd);
}

TEST(FrequencyCommit, RxChangeWithATxFrequencyChangesOnlyRx) {
  Channel c = NewChannel(Mhz("150.00000"));
  c.tx = Mhz("151.00000");
  c.highPower = false;
  c.rxTone = *Tone::qt(885);
  Channel expected = c;
  expected.rx = Mhz("152.50000");
  ASSERT_EQ(CommitFrequencyEntry(c, kVhf, kColRxFreq, QStringLiteral("152.5")), FrequencyOutcome::Written);
  EXPECT_EQ(c, expected);
}

// A simplex channel stays simplex: TX that equalled the old RX follows it;
// the rest of the channel is kept.
TEST(FrequencyCommit, RxChangeOfASimplexChannelMovesTxAlong) {
  Channel c = NewChannel(Mhz("150.00000"));
  c.highPower = false;
  c.rxTone = *Tone::qt(885);
  Channel expected = c;
  expected.rx = expected.tx = Mhz("152.50000");
  ASSERT_EQ(CommitFrequencyEntry(c, kVhf, kColRxFreq, QStringLiteral("152.5")), FrequencyOutcome::Written);
  EXPECT_EQ(c, expected);
}

// The defaults belong to an empty TX frequency, not to an unused channel: a
// channel read without TX frequency gets them with its next RX frequency.
TEST(FrequencyCommit, RxChangeWithoutTxFrequencyResetsTheDefaults) {
  Channel c = NewChannel(Mhz("150.00000"));
  c.tx = Frequency();
  c.bclo = true;
  c.txTone = *Tone::dqt(023, false);
  ASSERT_EQ(CommitFrequencyEntry(c, kVhf, kColRxFreq, QStringLiteral("160")), FrequencyOutcome::Written);
  EXPECT_EQ(c, NewChannel(Mhz("160.00000")));
}

TEST(FrequencyCommit, TxEntryNeverTouchesRxOrTheOptions) {
  Channel c = NewChannel(Mhz("150.00000"));
  c.scanAdd = false;
  Channel expected = c;
  expected.tx = Mhz("155.01500");
  ASSERT_EQ(CommitFrequencyEntry(c, kVhf, kColTxFreq, QStringLiteral("155.0174")), FrequencyOutcome::Written);
  EXPECT_EQ(c, expected);
  // A TX frequency outside the band is refused like an RX one.
  EXPECT_EQ(CommitFrequencyEntry(c, kVhf, kColTxFreq, QStringLiteral("200")), FrequencyOutcome::OutOfBand);
  EXPECT_EQ(c, expected);
}

TEST(FrequencyCommit, EmptyingRxDeletesTheChannelButEmptyingTxDoesNot) {
  Channel c = NewChannel(Mhz("150.00000"));
  c.bclo = true;
  EXPECT_EQ(CommitFrequencyEntry(c, kVhf, kColTxFreq, QString()), FrequencyOutcome::Unchanged);
  EXPECT_EQ(c.tx, Mhz("150.00000"));
  EXPECT_EQ(CommitFrequencyEntry(c, kVhf, kColRxFreq, QString()), FrequencyOutcome::ChannelDeleted);
  EXPECT_EQ(c, Channel{});
  EXPECT_FALSE(c.inUse());
  // An unused channel takes no TX frequency: it is started at its RX one.
  EXPECT_EQ(CommitFrequencyEntry(c, kVhf, kColTxFreq, QStringLiteral("150")), FrequencyOutcome::Unchanged);
  EXPECT_EQ(c, Channel{});
}

}  // namespace
}  // namespace qx210
