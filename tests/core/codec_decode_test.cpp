#include <gtest/gtest.h>

#include "core/codec.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

using test::BlankImage;
using test::Hex;
using test::With;

RadioState Decoded(const QByteArray& image, RadioState state = {}) {
  EXPECT_TRUE(DecodeImage(image, state));
  return state;
}

TEST(DecodeImage, ChannelWithoutTxFrequency) {
  const QByteArray record = Hex("00 25 51 14 FF FF FF FF FF FF FF FF F8 F0 FC FF");
  const Channel c = Decoded(With(BlankImage(), 0x0010, record)).channel(1);
  EXPECT_EQ(c.rx.text(), QStringLiteral("145.12500"));
  EXPECT_TRUE(c.tx.isEmpty());
  EXPECT_TRUE(c.rxTone.isOff());
  EXPECT_TRUE(c.txTone.isOff());
  EXPECT_TRUE(c.highPower);
  EXPECT_TRUE(c.bclo);     // Carrier
  EXPECT_TRUE(c.wide);
  EXPECT_TRUE(c.scanAdd);  // bit 0 of 0x017E
}

TEST(DecodeImage, OptionBitsAndATxToneWithoutTxFrequency) {
  const Channel c = Decoded(With(BlankImage(), 0x0010, Hex("00 25 51 14 FF FF FF FF 9E 02 ED 09 F0 C0"))).channel(1);
  EXPECT_EQ(c.rxTone.text(), QStringLiteral("67.0"));
  EXPECT_EQ(c.txTone.text(), QStringLiteral("254.1"));
  EXPECT_FALSE(c.highPower);
  EXPECT_FALSE(c.bclo);
  EXPECT_FALSE(c.wide);
  // Only bit 5 (Power) and bit 4 (W/N) of byte +13 count.
  const Channel d = Decoded(With(BlankImage(), 0x0010, Hex("00 25 51 14 FF FF FF FF FF FF FF FF 07 EF"))).channel(1);
  EXPECT_TRUE(d.highPower);
  EXPECT_FALSE(d.wide);
  EXPECT_FALSE(d.bclo);
}

TEST(DecodeImage, ToneWords) {
  struct Case {
    const char* bytes;
    const char* text;
    Tone::Kind kind;
  };
  for (const Case& c : {Case{"13 28", "D023N", Tone::Kind::Dqt}, Case{"13 A8", "D023I", Tone::Kind::Dqt},
                        Case{"EC A9", "D754I", Tone::Kind::Dqt}, Case{"9E 02", "67.0", Tone::Kind::Qt},
                        Case{"ED 09", "254.1", Tone::Kind::Qt}, Case{"26 05", "131.8", Tone::Kind::Qt},
                        Case{"13 20", "D023N", Tone::Kind::Dqt},  // bit 11 clear
                        Case{"05 00", ".5", Tone::Kind::Qt}, Case{"00 50", "2048.0", Tone::Kind::Qt}}) {
    const QByteArray image = With(BlankImage(), 0x0010, Hex("00 00 00 40 00 00 00 40") + Hex(c.bytes) + Hex(c.bytes));
    const Channel channel = Decoded(image).channel(1);
    EXPECT_EQ(channel.rxTone.text(), QString::fromLatin1(c.text)) << c.bytes;
    EXPECT_EQ(channel.txTone.kind(), c.kind) << c.bytes;
  }
}

TEST(DecodeImage, FirstFourBytesFFEmptyTheWholeChannel) {
  RadioState before;
  before.channel(4) = NewChannel(*Frequency::fromTenHertz(40'000'000));
  before.channel(4).bclo = true;
  const RadioState after =
      Decoded(With(BlankImage(), 0x0040, Hex("FF FF FF FF 00 25 51 14 9E 02 9E 02 F0 C0 00 00")), before);
  EXPECT_EQ(after.channel(4), Channel{});
  EXPECT_FALSE(after.channel(4).inUse());
}

// Every 0xFF byte is out of range except where 0xFF means something: the
// settings keep what they held, the band too.
TEST(DecodeImage, AllFFImage) {
  RadioState state;
  state.channel(2) = NewChannel(*Frequency::fromTenHertz(40'000'000));
  state.band = 2;
  state.settings.panel.squelchLevel = 7;
  state.settings.panel.radioSwitch = 0;
  state.settings.optional.priorityChannel = 9;
  state.settings.optional.groupCallCode = '3';
  state.settings.optional.firstDigitDelay = 200;
  state.settings.keys.pf2 = 5;
  RadioState expected = state;
  expected.channel(2) = Channel{};
  OptionalFunctions& o = expected.settings.optional;
  o.idCode.clear();
  o.txStartCode.clear();
  o.txEndCode.clear();
  for (QString& memory : o.autoDial) memory.clear();
  o.lookBackTimeA = o.lookBackTimeB = 0;
  o.groupCallCode = 0;
  expected.settings.panel.radioSwitch = 1;
  expected.settings.debug = {5, 6};

  const QByteArray image = With(With(BlankImage(), 0x0183, Hex("05")), 0x0188, Hex("06"));
  EXPECT_EQ(Decoded(image, state), expected);
}

TEST(DecodeImage, AllZeroImage) {
  const RadioState s = Decoded(QByteArray(848, '\0'));
  EXPECT_EQ(s.channel(1).rx.text(), QStringLiteral("000.00000"));
  EXPECT_EQ(s.channel(1).rxTone.text(), QStringLiteral(".0"));
  EXPECT_FALSE(s.channel(1).scanAdd);
  EXPECT_EQ(s.settings.panel.timeoutTimer, -1);  // no entry chosen
  EXPECT_EQ(s.settings.optional.lookBackTimeA, 0);
  EXPECT_EQ(s.settings.optional.priorityChannel, 1);  // 0 is not a channel
  EXPECT_EQ(s.settings.optional.groupCallCode, 0);
  EXPECT_EQ(s.settings.optional.firstDigitDelay, 0);
  EXPECT_EQ(s.settings.keys.pf1, 0);
  EXPECT_EQ(s.settings.optional.idCode, QString(10, QChar(0)));
  EXPECT_EQ(s.band, 0);
}

// Settings not stored as a plain list position, and the texts.
TEST(DecodeImage, SettingsBytes) {
  QByteArray image = BlankImage();
  image = With(image, 0x0110, Hex("03 02 0A 03 10 01 35 0F"));
  image = With(image, 0x0120, Hex("31 FF 32 41 23"));
  image = With(image, 0x0130, Hex("06"));
  image = With(image, 0x013E, Hex("02"));
  image = With(image, 0x0140, Hex("3A 30"));
  image = With(image, 0x0165, Hex("2C 01 07 00"));
  image = With(image, 0x0300, Hex("48 49 FF FF FF"));
  const RadioSettings s = Decoded(image).settings;
  const OptionalFunctions& o = s.optional;
  EXPECT_EQ(o.firstDigitDelay, 100);  // 10 ms units
  EXPECT_EQ(o.groupCallCode, '5');
  EXPECT_EQ(o.idCode, QStringLiteral("12A#"));  // 0xFF bytes are skipped
  EXPECT_EQ(s.panel.timeoutTimer, 5);           // 0x06: the 90-second entry
  EXPECT_EQ(s.panel.radioSwitch, 0);            // 0x02: bit 0 alone counts
  EXPECT_EQ(o.txStartCode, QStringLiteral(":0"));  // not a DTMF code field
  EXPECT_EQ(o.dropoutDelayTime, 300);
  EXPECT_EQ(o.txDwellTime, 7);
  EXPECT_EQ(s.message.line1, QStringLiteral("HI"));
}

// The first value outside each accepted range leaves the setting as it was; a
// value inside is taken (the last one where that differs from the default).
TEST(DecodeImage, RangeLimitsOfTheSettings) {
  struct Case {
    int address;
    int taken;  // differs from the default, so that taking it shows
    int takenAs;
    int firstRefused;
    int (*held)(const RadioSettings&);
  };
  using S = const RadioSettings&;
  const Case cases[] = {
      {0x0110, 3, 3, 4, [](S s) { return s.optional.dtmfRate; }},
      {0x0111, 3, 3, 4, [](S s) { return s.optional.firstDigitTime; }},
      {0x0112, 100, 1000, 101, [](S s) { return s.optional.firstDigitDelay; }},
      {0x0112, 10, 100, 9, [](S s) { return s.optional.firstDigitDelay; }},
      {0x0113, 3, 3, 4, [](S s) { return s.optional.starHashTone; }},
      {0x0114, 16, 16, 17, [](S s) { return s.optional.dKeySetting; }},
      {0x0115, 0, 0, 2, [](S s) { return s.optional.dtmfSideTone; }},
      {0x0117, 15, 15, 16, [](S s) { return s.optional.autoResetTimer; }},
      {0x011D, 11, 11, 12, [](S s) { return s.keys.pf1; }},
      {0x011E, 11, 11, 12, [](S s) { return s.keys.pf2; }},
      {0x012F, 2, 2, 3, [](S s) { return s.panel.voiceNotice; }},
      {0x0130, 40, 39, 41, [](S s) { return s.panel.timeoutTimer; }},
      {0x0131, 10, 10, 11, [](S s) { return s.panel.totPreAlert; }},
      {0x0132, 2, 2, 3, [](S s) { return s.optional.pttId; }},
      {0x0134, 9, 9, 10, [](S s) { return s.panel.squelchLevel; }},
      {0x0135, 0, 0, 2, [](S s) { return s.panel.batterySave; }},
      {0x0136, 0, 0, 2, [](S s) { return s.panel.beep; }},
      {0x0137, 0, 0, 2, [](S s) { return int(s.optional.cancelOperation); }},
      {0x0138, 0, 0, 2, [](S s) { return int(s.optional.voxInhibitOnReceive); }},
      {0x0139, 0, 0, 2, [](S s) { return s.optional.voxFunction; }},
      {0x013A, 10, 10, 11, [](S s) { return s.optional.voxGainLevel; }},
      {0x013B, 5, 5, 6, [](S s) { return s.optional.voxDelayTime; }},
      {0x013C, 0, 0, 2, [](S s) { return s.optional.voxProceedTone; }},
      {0x0160, 2, 2, 3, [](S s) { return s.optional.priority; }},
      {0x0161, 16, 16, 17, [](S s) { return s.optional.priorityChannel; }},
      {0x0161, 16, 16, 0, [](S s) { return s.optional.priorityChannel; }},
      {0x0162, 91, 91, 92, [](S s) { return s.optional.lookBackTimeA; }},
      {0x0163, 91, 91, 92, [](S s) { return s.optional.lookBackTimeB; }},
      {0x0164, 3, 3, 4, [](S s) { return s.optional.revertChannel; }},
  };
  const RadioSettings defaults;
  for (const Case& c : cases) {
    const auto image = [&c](int value) { return With(BlankImage(), c.address, QByteArray(1, char(value))); };
    EXPECT_EQ(c.held(Decoded(image(c.taken)).settings), c.takenAs) << std::hex << c.address;
    EXPECT_EQ(c.held(Decoded(image(c.firstRefused)).settings), c.held(defaults)) << std::hex << c.address;
  }
  // The two 16-bit delays: 300 is taken, 301 is not.
  const RadioSettings delays = Decoded(With(BlankImage(), 0x0165, Hex("2C 01 2D 01"))).settings;
  EXPECT_EQ(delays.optional.dropoutDelayTime, 300);
  EXPECT_EQ(delays.optional.txDwellTime, defaults.optional.txDwellTime);
}

TEST(DecodeImage, ScanBitsOnlyForChannelsInUse) {
  const QByteArray record = Hex("00 00 00 40 FF FF FF FF FF FF FF FF F8 F0 FC FF");
  QByteArray image = With(With(BlankImage(), 0x0010, record), 0x0100, record);
  const RadioState s = Decoded(With(image, 0x017E, Hex("FE 80")));
  EXPECT_FALSE(s.channel(1).scanAdd);
  EXPECT_FALSE(s.channel(2).inUse());
  EXPECT_TRUE(s.channel(16).scanAdd);
}

TEST(DecodeImage, UnknownBandCodeKeepsTheBand) {
  RadioState state;
  state.band = 5;
  EXPECT_EQ(Decoded(With(BlankImage(), 0x01BD, Hex("99")), state).band, 5);
  EXPECT_EQ(BandOfImage(With(BlankImage(), 0x01BD, Hex("99"))), -1);
  EXPECT_EQ(BandOfImage(With(BlankImage(), 0x01BD, Hex("01"))), 5);
  EXPECT_EQ(BandOfImage(QByteArray(0x01BD - kImageBase, '\x01')), -1);  // too short to hold a code
}

TEST(DecodeImage, TestFrequenciesAutoDialAndMessage) {
  QByteArray image = With(BlankImage(), 0x0280, Hex("25 06 60 44 FF FF FF FF"));
  image = With(image, 0x0200, Hex("31 3A 35 FF"));
  image = With(image, 0x0320, QByteArray("line two"));
  const RadioSettings s = Decoded(image).settings;
  EXPECT_EQ(s.testFrequencies.rx[0].text(), QStringLiteral("446.00625"));
  EXPECT_TRUE(s.testFrequencies.tx[0].isEmpty());
  EXPECT_EQ(s.optional.autoDial[0], QStringLiteral("105"));
  EXPECT_EQ(s.optional.autoDial[1], QString());
  EXPECT_EQ(s.message.line2, QStringLiteral("line two"));
}

TEST(DecodeImage, ShortImageIsRefusedAndChangesNothing) {
  RadioState state;
  state.channel(1) = NewChannel(*Frequency::fromTenHertz(40'000'000));
  const RadioState before = state;
  EXPECT_FALSE(DecodeImage(QByteArray(847, '\0'), state));
  EXPECT_FALSE(DecodeImage(QByteArray(), state));
  EXPECT_EQ(state, before);
}

}  // namespace
}  // namespace qx210
