#include <gtest/gtest.h>

#include "core/bands.h"
#include "core/codec.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

using test::At;
using test::Hex;
using test::Repeat;

Frequency Mhz(const char* text) { return *Frequency::fromText(QString::fromLatin1(text)); }

TEST(EncodeImage, FreshStateGivesTheStartUpImage) {
  const QByteArray image = EncodeImage(RadioState{});
  ASSERT_EQ(image.size(), 848);
  for (int n = 0; n < 16; ++n)
    EXPECT_EQ(At(image, 0x0010 + 16 * n, 16), Hex("FFFFFFFF FFFFFFFF FFFF FFFF F8 F0 FC FF")) << "channel " << n + 1;
  EXPECT_EQ(At(image, 0x0110, 16), Hex("00 01 00 01 01 01 00 00 FF FF FF FF FF 0A 00 FF"));
  EXPECT_EQ(At(image, 0x0120, 15), Repeat('\xFF', 15));
  EXPECT_EQ(At(image, 0x012F, 17), Hex("01 06 01 01 00 03 01 01 01 01 01 01 01 01 FF 01 FF"));
  EXPECT_EQ(At(image, 0x0140, 16), Hex("31") + Repeat('\xFF', 15));
  EXPECT_EQ(At(image, 0x0150, 16), Hex("32") + Repeat('\xFF', 15));
  EXPECT_EQ(At(image, 0x0160, 9), Hex("00 01 01 01 01 00 00 00 00"));
  EXPECT_EQ(At(image, 0x0169, 21), Repeat('\xFF', 21));
  EXPECT_EQ(At(image, 0x017E, 2), Hex("00 00"));
  EXPECT_EQ(At(image, 0x0180, 9), Hex("FF FF FF 3F FF FF FF FF 00"));
  EXPECT_EQ(At(image, 0x0189, 47), Repeat('\xFF', 47));
  EXPECT_EQ(At(image, 0x01B8, 8), Hex("50 33 32 30 37 33 F8 FF"));
  EXPECT_EQ(At(image, 0x01C0, 64), Repeat('\xFF', 64));
  for (int k = 0; k < 8; ++k)
    EXPECT_EQ(At(image, 0x0200 + 16 * k, 16), QByteArray(1, static_cast<char>('1' + k)) + Repeat('\xFF', 15));
  EXPECT_EQ(At(image, 0x0280, 128 + 64), Repeat('\xFF', 192));
  EXPECT_EQ(At(image, 0x0340, 32),
            Hex("544B2D33323037 FFFFFFFFFF 33 FFFFFF 3437333132303538 8888888888888888"));
}

TEST(EncodeImage, ChannelRecordsAndScanBits) {
  RadioState state;
  Channel& first = state.channel(1);
  first = NewChannel(Mhz("145.12500"));
  first.txTone = *Tone::qt(670);
  QByteArray image = EncodeImage(state);
  EXPECT_EQ(At(image, 0x0010, 16), Hex("00 25 51 14 00 25 51 14 FF FF 9E 02 F0 F0 FC FF"));
  EXPECT_EQ(At(image, 0x017E, 2), Hex("01 00"));

  first.wide = false;
  first.highPower = false;
  EXPECT_EQ(At(EncodeImage(state), 0x0010 + 13, 1), Hex("C0"));

  Channel& last = state.channel(16);
  last = NewChannel(Mhz("438.00000"));
  last.txTone = *Tone::dqt(0754, true);
  last.highPower = false;
  last.bclo = true;
  last.wide = false;
  first.scanAdd = false;
  image = EncodeImage(state);
  EXPECT_EQ(At(image, 0x0100, 16), Hex("00 00 80 43 00 00 80 43 FF FF EC A9 F8 C0 FC FF"));
  EXPECT_EQ(At(image, 0x017E, 2), Hex("00 80"));
}

TEST(EncodeImage, ToneWords) {
  struct Case {
    Tone tone;
    const char* bytes;
  };
  for (const Case& c : {Case{*Tone::dqt(023, false), "13 28"}, Case{*Tone::dqt(023, true), "13 A8"},
                        Case{*Tone::dqt(0754, true), "EC A9"}, Case{*Tone::qt(670), "9E 02"},
                        Case{*Tone::qt(2541), "ED 09"}, Case{*Tone::qt(1318), "26 05"}, Case{Tone(), "FF FF"}}) {
    RadioState state;
    state.channel(3) = NewChannel(Mhz("400.00000"));
    state.channel(3).rxTone = c.tone;
    EXPECT_EQ(At(EncodeImage(state), 0x0030 + 8, 2), Hex(c.bytes)) << c.bytes;
  }
}

TEST(EncodeImage, ListPositionsThatAreNotStoredAsThemselves) {
  RadioState state;
  state.settings.panel.timeoutTimer = 0;  // 15 s
  state.settings.optional.lookBackTimeA = 0;  // "Empty"
  state.settings.optional.lookBackTimeB = 91;
  QByteArray image = EncodeImage(state);
  EXPECT_EQ(At(image, 0x0130, 1), Hex("01"));
  EXPECT_EQ(At(image, 0x0162, 2), Hex("FF 5B"));
  state.settings.panel.timeoutTimer = 39;  // 600 s
  state.settings.panel.radioSwitch = 0;
  image = EncodeImage(state);
  EXPECT_EQ(At(image, 0x0130, 1), Hex("28"));
  EXPECT_EQ(At(image, 0x013E, 1), Hex("00"));
}

TEST(EncodeImage, TextsAndNumbers) {
  RadioState state;
  OptionalFunctions& o = state.settings.optional;
  o.idCode = QStringLiteral("1234");
  o.txEndCode = QStringLiteral("0:");  // not a DTMF code field: "0" is 0x30
  o.autoDial[0] = QStringLiteral("105");
  o.autoDial[1] = QStringLiteral("0");
  o.groupCallCode = '5';
  o.firstDigitDelay = 550;
  o.dropoutDelayTime = 300;
  o.txDwellTime = 7;
  state.settings.message.line1 = QString::fromUtf8("HELLO中é");  // no one-byte code: "?"
  state.settings.message.line2 = QString(40, QLatin1Char('x'));  // cut to the field width
  const QByteArray image = EncodeImage(state);
  EXPECT_EQ(At(image, 0x0120, 10), Hex("31 32 33 34 FF FF FF FF FF FF"));
  EXPECT_EQ(At(image, 0x0150, 3), Hex("30 3A FF"));
  EXPECT_EQ(At(image, 0x0200, 16), Hex("31 3A 35") + Repeat('\xFF', 13));
  EXPECT_EQ(At(image, 0x0210, 16), Hex("3A") + Repeat('\xFF', 15));
  EXPECT_EQ(At(image, 0x0112, 1), Hex("37"));
  EXPECT_EQ(At(image, 0x0116, 1), Hex("35"));
  EXPECT_EQ(At(image, 0x0165, 4), Hex("2C 01 07 00"));
  EXPECT_EQ(At(image, 0x0300, 8), Hex("48 45 4C 4C 4F 3F E9 FF"));
  EXPECT_EQ(At(image, 0x0320, 32), Repeat('x', 32));
  EXPECT_EQ(image.size(), 848);
}

TEST(EncodeImage, TestFrequenciesAndCalibration) {
  RadioState state;
  TestFrequencies& t = state.settings.testFrequencies;
  t.rx[0] = t.tx[0] = Mhz("446.00625");
  t.rx[15] = Mhz("145.12500");
  state.settings.debug = {200, 17};
  const QByteArray image = EncodeImage(state);
  EXPECT_EQ(At(image, 0x0280, 8), Hex("25 06 60 44 25 06 60 44"));
  EXPECT_EQ(At(image, 0x02F8, 8), Hex("00 25 51 14 FF FF FF FF"));
  EXPECT_EQ(At(image, 0x0183, 1), Hex("C8"));
  EXPECT_EQ(At(image, 0x0188, 1), Hex("11"));
}

// The band code table, and the model identifiers: P2207 for 136-174 MHz, P3207
// for every other band. The decoder takes the band back from its code.
struct BandCase {
  int position;
  const char* code;
};

class BandIdentification : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandIdentification, CodeAndModelBytes) {
  const BandCase c = GetParam();
  RadioState state;
  state.band = c.position;
  const QByteArray image = EncodeImage(state);
  const bool vhf = c.position == 5;
  EXPECT_EQ(At(image, 0x01B8, 8), Hex(vhf ? "50 32 32 30 37" : "50 33 32 30 37") + Hex(c.code) + Hex("F8 FF"));
  EXPECT_EQ(At(image, 0x0340, 16), Hex(vhf ? "54 4B 2D 32 32 30 37" : "54 4B 2D 33 32 30 37") +
                                       Repeat('\xFF', 5) + Hex(c.code) + Repeat('\xFF', 3));
  RadioState decoded;
  ASSERT_TRUE(DecodeImage(test::With(test::BlankImage(), 0x01BD, Hex(c.code)), decoded));
  EXPECT_EQ(decoded.band, c.position);
}

INSTANTIATE_TEST_SUITE_P(EveryBand, BandIdentification,
                         ::testing::Values(BandCase{0, "33"}, BandCase{1, "21"}, BandCase{2, "43"}, BandCase{3, "63"},
                                           BandCase{4, "53"}, BandCase{5, "01"}, BandCase{6, "73"}));

}  // namespace
}  // namespace qx210
