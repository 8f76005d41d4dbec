#include <gtest/gtest.h>

#include "core/codec.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

using test::Hex;

// A blank 848-byte image with `bytes` written from radio address `address`.
QByteArray With(QByteArray image, int address, const QByteArray& bytes) {
  image.replace(address - kImageBase, bytes.size(), bytes);
  return image;
}

QByteArray AllFF() { return QByteArray(848, '\xFF'); }

TEST(DecodeImage, ChannelWithoutTxFrequency) {
  EditorState state;
  const QByteArray image = With(AllFF(), 0x0010, Hex("00 25 51 14 FF FF FF FF FF FF FF FF F8 F0 FC FF"));
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));
  const ChannelTable& t = state.table;
  EXPECT_EQ(t.cell(1, kColRxFreq), QStringLiteral("145.12500"));
  EXPECT_EQ(t.cell(1, kColTxFreq), QString());
  EXPECT_EQ(t.cell(1, kColRxTone), QStringLiteral("Off"));
  EXPECT_TRUE(t.toneOff(1, kColRxTone));
  EXPECT_EQ(t.cell(1, kColTxTone), QString());
  EXPECT_EQ(t.cell(1, kColPower), QStringLiteral("High"));
  EXPECT_EQ(t.cell(1, kColBclo), QStringLiteral("Carrier"));
  EXPECT_EQ(t.cell(1, kColWn), QStringLiteral("Wide"));
  EXPECT_EQ(t.cell(1, kColScanAdd), QStringLiteral("Yes"));  // bit 0 of 0x017E
}

TEST(DecodeImage, TxToneIsShownEvenWithoutTxFrequency) {
  EditorState state;
  ASSERT_TRUE(DecodeImage(With(AllFF(), 0x0010, Hex("00 25 51 14 FF FF FF FF 9E 02 ED 09 F0 C0")), state, kChinese));
  EXPECT_EQ(state.table.cell(1, kColRxTone), QStringLiteral("67.0"));
  EXPECT_EQ(state.table.cell(1, kColTxTone), QStringLiteral("254.1"));
  EXPECT_FALSE(state.table.toneOff(1, kColTxTone));
  EXPECT_EQ(state.table.cell(1, kColPower), QString::fromUtf8("低"));
  EXPECT_EQ(state.table.cell(1, kColBclo), QString::fromUtf8("关闭"));
  EXPECT_EQ(state.table.cell(1, kColWn), QString::fromUtf8("窄带"));
}

TEST(DecodeImage, ToneWords) {
  struct Case {
    const char* bytes;
    const char* text;
  };
  for (const Case& c : {Case{"13 28", "D023N"}, Case{"13 A8", "D023I"}, Case{"EC A9", "D754I"}, Case{"9E 02", "67.0"},
                        Case{"ED 09", "254.1"}, Case{"26 05", "131.8"},
                        // bit 11 clear: the three octal digits are still shown
                        Case{"13 20", "D023N"}, Case{"05 00", ".5"}}) {
    EditorState state;
    const QByteArray image = With(AllFF(), 0x0010, Hex("00 00 00 40 00 00 00 40") + Hex(c.bytes) + Hex(c.bytes));
    ASSERT_TRUE(DecodeImage(image, state, kEnglish));
    EXPECT_EQ(state.table.cell(1, kColRxTone), QString::fromLatin1(c.text)) << c.bytes;
    EXPECT_EQ(state.table.cell(1, kColTxTone), QString::fromLatin1(c.text)) << c.bytes;
  }
}

TEST(DecodeImage, EmptyRecordEmptiesTheRowButKeepsItsPositions) {
  EditorState state;
  state.table.setOption(4, kColBclo, 1, kEnglish);
  state.table.setCell(4, kColRxFreq, QStringLiteral("400.00000"));
  state.table.setToneText(4, kColRxTone, QStringLiteral("67.0"));
  // First four bytes FF: the rest of the record does not matter.
  ASSERT_TRUE(DecodeImage(With(AllFF(), 0x0040, Hex("FF FF FF FF 00 25 51 14 9E 02 9E 02 F0 C0 00 00")), state, kEnglish));
  for (int c = kColRxFreq; c < kColumnCount; ++c) EXPECT_EQ(state.table.cell(4, c), QString()) << c;
  EXPECT_EQ(state.table.optionPosition(4, kColBclo), 1);
  EXPECT_FALSE(state.table.toneOff(4, kColRxTone));
}

TEST(DecodeImage, AllFFImageKeepsSettingsThatAreOutOfRange) {
  EditorState state;
  state.settings.panel.squelchLevel = 7;
  state.settings.optional.priorityChannel = 9;
  state.settings.optional.groupCallCode = '3';
  state.band.index = state.band.selected = 2;
  state.debugParametersUnlocked = true;
  EditorState expected = state;

  QByteArray image = AllFF();
  image = With(image, 0x0183, Hex("05"));
  image = With(image, 0x0188, Hex("06"));
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));

  for (int n = 1; n <= 16; ++n) EXPECT_FALSE(state.table.inUse(n));
  OptionalFunctions& o = expected.settings.optional;
  o.idCode.clear();
  o.txStartCode.clear();
  o.txEndCode.clear();
  for (QString& memory : o.autoDial) memory.clear();
  o.lookBackTimeA = 0;
  o.lookBackTimeB = 0;
  o.groupCallCode = 0;
  expected.settings.panel.radioSwitch = 1;
  expected.settings.debug = {5, 6};
  expected.debugParametersUnlocked = false;
  EXPECT_EQ(state.settings, expected.settings);
  EXPECT_EQ(state.band, expected.band);
  EXPECT_FALSE(state.debugParametersUnlocked);
}

TEST(DecodeImage, AllZeroImage) {
  EditorState state;
  ASSERT_TRUE(DecodeImage(QByteArray(848, '\0'), state, kEnglish));
  EXPECT_EQ(state.table.cell(1, kColRxFreq), QStringLiteral("000.00000"));
  EXPECT_EQ(state.table.cell(1, kColRxTone), QStringLiteral(".0"));
  EXPECT_EQ(state.settings.panel.timeoutTimer, -1);  // no entry chosen
  EXPECT_EQ(state.settings.optional.lookBackTimeA, 0);
  EXPECT_EQ(state.settings.optional.priorityChannel, 1);  // 0 is not a channel
  EXPECT_EQ(state.settings.optional.groupCallCode, 0);
  EXPECT_EQ(state.settings.optional.firstDigitDelay, 0);
  EXPECT_EQ(state.settings.keys.pf1, 0);
  EXPECT_EQ(state.settings.optional.idCode, QString(10, QChar(0)));
  EXPECT_EQ(state.band.selected, 0);
}

TEST(DecodeImage, SettingsBytes) {
  EditorState state;
  QByteArray image = AllFF();
  image = With(image, 0x0110, Hex("03 02 0A 03 10 01 35 0F"));
  image = With(image, 0x011D, Hex("0B 0C"));  // PF2 12 is out of range
  image = With(image, 0x012F, Hex("02 06 0A 02 00 09 00 00 00 00 00 0A 05 00 FF 02 FF"));
  image = With(image, 0x0160, Hex("02 10 5B 5C 03 2D 01 2E 01"));
  image = With(image, 0x0120, Hex("31 FF 32 41 23"));
  image = With(image, 0x0300, Hex("48 49 FF FF FF"));
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));
  const RadioSettings& s = state.settings;
  EXPECT_EQ(s.optional.dtmfRate, 3);
  EXPECT_EQ(s.optional.firstDigitTime, 2);
  EXPECT_EQ(s.optional.firstDigitDelay, 100);
  EXPECT_EQ(s.optional.dKeySetting, 16);
  EXPECT_EQ(s.optional.groupCallCode, '5');
  EXPECT_EQ(s.optional.autoResetTimer, 15);
  EXPECT_EQ(s.keys.pf1, 11);
  EXPECT_EQ(s.keys.pf2, 0);
  EXPECT_EQ(s.panel.voiceNotice, 2);
  EXPECT_EQ(s.panel.timeoutTimer, 5);
  EXPECT_EQ(s.panel.totPreAlert, 10);
  EXPECT_EQ(s.optional.pttId, 2);
  EXPECT_EQ(s.panel.squelchLevel, 9);
  EXPECT_FALSE(s.optional.cancelOperation);
  EXPECT_EQ(s.optional.voxGainLevel, 10);
  EXPECT_EQ(s.optional.voxDelayTime, 5);
  EXPECT_EQ(s.panel.radioSwitch, 0);  // 0x02: bit 0 alone counts
  EXPECT_EQ(s.optional.priority, 2);
  EXPECT_EQ(s.optional.priorityChannel, 16);
  EXPECT_EQ(s.optional.lookBackTimeA, 91);
  EXPECT_EQ(s.optional.lookBackTimeB, 1);  // 92 is out of range
  EXPECT_EQ(s.optional.revertChannel, 3);
  EXPECT_EQ(s.optional.dropoutDelayTime, 0);  // 301 is out of range
  EXPECT_EQ(s.optional.txDwellTime, 0);       // 302 likewise
  EXPECT_EQ(s.optional.idCode, QStringLiteral("12A#"));
  EXPECT_EQ(s.message.line1, QStringLiteral("HI"));
}

TEST(DecodeImage, DelaysUpTo300AreTaken) {
  EditorState state;
  ASSERT_TRUE(DecodeImage(With(AllFF(), 0x0165, Hex("2C 01 00 00")), state, kEnglish));
  EXPECT_EQ(state.settings.optional.dropoutDelayTime, 300);
  EXPECT_EQ(state.settings.optional.txDwellTime, 0);
}

TEST(DecodeImage, ScanBitsOnlyForChannelsInUse) {
  EditorState state;
  QByteArray image = With(AllFF(), 0x0010, Hex("00 00 00 40 FF FF FF FF FF FF FF FF F8 F0 FC FF"));
  image = With(image, 0x0100, Hex("00 00 00 40 FF FF FF FF FF FF FF FF F8 F0 FC FF"));
  image = With(image, 0x017E, Hex("FE 80"));
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));
  EXPECT_EQ(state.table.cell(1, kColScanAdd), QStringLiteral("No"));
  EXPECT_EQ(state.table.cell(2, kColScanAdd), QString());
  EXPECT_EQ(state.table.cell(16, kColScanAdd), QStringLiteral("Yes"));
  EXPECT_EQ(state.table.optionPosition(16, kColScanAdd), 1);
}

TEST(DecodeImage, BandCodeSelectsTheBand) {
  EditorState state;
  ASSERT_TRUE(DecodeImage(With(AllFF(), 0x01BD, Hex("01")), state, kEnglish));
  EXPECT_EQ(state.band.index, 5);
  EXPECT_EQ(state.band.selected, 5);
  ASSERT_TRUE(DecodeImage(With(AllFF(), 0x01BD, Hex("99")), state, kEnglish));
  EXPECT_EQ(state.band.selected, 5);  // unknown code: unchanged
}

TEST(DecodeImage, TestFrequenciesAutoDialAndMessage) {
  EditorState state;
  QByteArray image = With(AllFF(), 0x0280, Hex("25 06 60 44 FF FF FF FF"));
  image = With(image, 0x0200, Hex("31 3A 35 FF"));
  image = With(image, 0x0320, QByteArray("line two"));
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));
  EXPECT_EQ(state.settings.testFrequencies.rx[0], QStringLiteral("446.00625"));
  EXPECT_EQ(state.settings.testFrequencies.tx[0], QString());
  EXPECT_EQ(state.settings.optional.autoDial[0], QStringLiteral("105"));
  EXPECT_EQ(state.settings.optional.autoDial[1], QString());
  EXPECT_EQ(state.settings.message.line2, QStringLiteral("line two"));
}

TEST(DecodeImage, ShortImageIsRefusedAndChangesNothing) {
  EditorState state;
  state.table.setCell(1, kColRxFreq, QStringLiteral("400.00000"));
  state.debugParametersUnlocked = true;
  const EditorState before = state;
  EXPECT_FALSE(DecodeImage(QByteArray(847, '\0'), state, kEnglish));
  EXPECT_FALSE(DecodeImage(QByteArray(), state, kEnglish));
  EXPECT_EQ(state, before);
}

TEST(DecodeImage, LanguageSwitchKeepsDecodedTones) {
  EditorState state;
  ASSERT_TRUE(DecodeImage(With(AllFF(), 0x0010, Hex("00 25 51 14 00 25 51 14 FF FF 13 28 F8 F0 FC FF")), state,
                          kChinese));
  const QByteArray before = EncodeImage(state, kChinese);
  state.table.SetGrid1Text(kEnglish);
  EXPECT_EQ(state.table.cell(1, kColRxTone), QStringLiteral("Off"));
  EXPECT_EQ(state.table.cell(1, kColTxTone), QStringLiteral("D023N"));
  EXPECT_EQ(state.table.cell(1, kColPower), QStringLiteral("High"));
  EXPECT_EQ(EncodeImage(state, kEnglish), before);
}

}  // namespace
}  // namespace qx210
