#include <gtest/gtest.h>

#include "core/conversions.h"

namespace qx210 {
namespace {

TEST(HexToBits, ExpandsEachDigitToFourBits) {
  EXPECT_EQ(HexToBits(QStringLiteral("9E")), QStringLiteral("10011110"));
  EXPECT_EQ(HexToBits(QStringLiteral("1FF")), QStringLiteral("000111111111"));
  EXPECT_EQ(HexToBits(QStringLiteral("ab")), HexToBits(QStringLiteral("AB")));
  EXPECT_EQ(HexToBits(QStringLiteral("AB")), QStringLiteral("10101011"));
  EXPECT_EQ(HexToBits(QStringLiteral("G1")), QStringLiteral("00000001"));
  EXPECT_EQ(HexToBits(QString()), QString());
}

TEST(BitsToHex, PadsTheCallersTextAndGroupsByFour) {
  QString bits = QStringLiteral("11110000");
  EXPECT_EQ(BitsToHex(bits), QStringLiteral("F0"));
  bits = QStringLiteral("11111100");
  EXPECT_EQ(BitsToHex(bits), QStringLiteral("FC"));
  bits = QStringLiteral("100000010011");
  EXPECT_EQ(BitsToHex(bits), QStringLiteral("813"));
  bits = QStringLiteral("111");
  EXPECT_EQ(BitsToHex(bits), QStringLiteral("7"));
  EXPECT_EQ(bits, QStringLiteral("0111"));
  bits = QStringLiteral("1");
  EXPECT_EQ(BitsToHex(bits), QStringLiteral("1"));
  EXPECT_EQ(bits, QStringLiteral("0001"));
  bits.clear();
  EXPECT_EQ(BitsToHex(bits), QString());
}

TEST(ByteAndWordToHex, PadToTwoAndFourDigits) {
  EXPECT_EQ(ByteToHex(5), QStringLiteral("05"));
  EXPECT_EQ(ByteToHex(255), QStringLiteral("FF"));
  EXPECT_EQ(ByteToHex(256), QStringLiteral("100"));
  EXPECT_EQ(ByteToHex(511), QStringLiteral("1FF"));
  EXPECT_EQ(WordToHex(0), QStringLiteral("0000"));
  EXPECT_EQ(WordToHex(-1), QStringLiteral("FFFF"));
  EXPECT_EQ(WordToHex(670), QStringLiteral("029E"));
  EXPECT_EQ(WordToHex(16), QStringLiteral("0010"));
}

TEST(SnapToChannelStep, LowersToTheNearerRasterPointBelow) {
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.12340")), 145.12);
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.12600")), 145.125);
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.00310")), 145.0);
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.00625")), 145.00625);
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.02500")), 145.025);
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.09999")), 145.095);   // r5 499, r6 624
  EXPECT_DOUBLE_EQ(SnapToChannelStep(QStringLiteral("145.01300")), 145.0125);  // r5 300, r6 50
}

TEST(StepRemainder, WholeQuotientsGiveZero) {
  EXPECT_DOUBLE_EQ(StepRemainder(0.005, 145.125), 0);
  EXPECT_DOUBLE_EQ(StepRemainder(0.005, 0.003), 0.003);
  EXPECT_NEAR(StepRemainder(0.00625, 145.0073), 0.00105, 1e-9);
  EXPECT_NEAR(StepRemainder(0.005, 145.0073), 0.0023, 1e-9);
  EXPECT_DOUBLE_EQ(StepRemainder(0.00625, 446.00625), 0);
}

}  // namespace
}  // namespace qx210
