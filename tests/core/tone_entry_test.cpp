#include <gtest/gtest.h>

#include "core/tone_entry.h"

namespace qx210 {
namespace {

// The text of the tone the editor writes, or nothing when the cell is kept.
std::optional<QString> Check(const char* text, int selection = -1) {
  const std::optional<Tone> tone = CheckToneEntry(QString::fromLatin1(text), selection);
  if (!tone) return std::nullopt;
  return tone->text();
}

TEST(ToneCharacters, KeptRaisedAndDiscarded) {
  for (char c : {'0', '5', '9', '.', '\b', 'D', 'N', 'I'})
    EXPECT_EQ(FilterToneCharacter(QLatin1Char(c)), QLatin1Char(c)) << c;
  EXPECT_EQ(FilterToneCharacter(QLatin1Char('d')), QLatin1Char('D'));
  EXPECT_EQ(FilterToneCharacter(QLatin1Char('n')), QLatin1Char('N'));
  EXPECT_EQ(FilterToneCharacter(QLatin1Char('i')), QLatin1Char('I'));
  for (char c : {'a', 'x', 'O', 'f', ',', '-', ' ', '\r', '*'})
    EXPECT_TRUE(FilterToneCharacter(QLatin1Char(c)).isNull()) << c;
}

TEST(ToneQt, RangeAndOneDecimal) {
  EXPECT_EQ(Check("67"), QStringLiteral("67.0"));
  EXPECT_EQ(Check("254.1"), QStringLiteral("254.1"));
  EXPECT_EQ(Check("88"), QStringLiteral("88.0"));
  EXPECT_EQ(Check("88.54"), QStringLiteral("88.5"));
  EXPECT_FALSE(Check("66.9"));
  EXPECT_FALSE(Check("254.2"));
  EXPECT_FALSE(Check(""));  // emptying the text leaves the cell
  EXPECT_FALSE(Check("88N"));
  EXPECT_FALSE(Check("1.2.3"));
}

TEST(ToneDqt, PaddingClampAndPolarity) {
  EXPECT_EQ(Check("D23N"), QStringLiteral("D023N"));
  EXPECT_EQ(Check("D754I"), QStringLiteral("D754I"));
  EXPECT_EQ(Check("D999I"), QStringLiteral("D777I"));
  EXPECT_EQ(Check("D800N"), QStringLiteral("D777N"));  // the clamp comes first
  EXPECT_EQ(Check("D5N"), QStringLiteral("D005N"));
  EXPECT_FALSE(Check("D12"));    // no polarity letter
  EXPECT_FALSE(Check("DN"));     // no code
  EXPECT_FALSE(Check("D12X"));
  EXPECT_FALSE(Check("DD12N"));
}

// The radio holds three octal digits: other digits are refused, and a longer
// code whose value fits is written with three.
TEST(ToneDqt, OctalThreeDigitMend) {
  EXPECT_EQ(Check("D0023N"), QStringLiteral("D023N"));
  EXPECT_EQ(Check("D00777I"), QStringLiteral("D777I"));
  EXPECT_FALSE(Check("D08N"));
  EXPECT_FALSE(Check("D019I"));
  EXPECT_FALSE(Check("D2.3N"));
}

TEST(ToneSelection, OffEntrySelectedMeansNoQtTone) {
  // The Off entry selected sends the text to the DQT rules, where it fails.
  EXPECT_FALSE(Check("Off", 0));
  EXPECT_FALSE(Check("88.5", 0));
  EXPECT_EQ(Check("88.5", 9), QStringLiteral("88.5"));
  EXPECT_EQ(Check("D023N", 51), QStringLiteral("D023N"));
}

TEST(ToneEntry, TheToneIsStoredAsItsWord) {
  EXPECT_EQ(CheckToneEntry(QStringLiteral("88"), -1)->word(), 880);
  EXPECT_EQ(CheckToneEntry(QStringLiteral("D023N"), -1)->word(), 0x2813);
  EXPECT_EQ(CheckToneEntry(QStringLiteral("D754I"), -1)->word(), 0xA9EC);
}

}  // namespace
}  // namespace qx210
