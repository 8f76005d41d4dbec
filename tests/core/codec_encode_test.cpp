#include <gtest/gtest.h>

#include "core/codec.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

using test::At;
using test::Hex;
using test::Repeat;

// A channel written the way the editors write it.
void SetChannel(EditorState& state, int row, const char* rx, const char* rxTone, const char* tx, const char* txTone,
                int power, int bclo, int wn, int scan, UiLanguage language = kEnglish) {
  ChannelTable& t = state.table;
  t.setCell(row, kColRxFreq, QString::fromLatin1(rx));
  t.setCell(row, kColTxFreq, QString::fromLatin1(tx));
  auto tone = [&](int column, const char* text) {
    if (QString::fromLatin1(text) == QStringLiteral("Off"))
      t.setToneOffCell(row, column, language);
    else
      t.setToneText(row, column, QString::fromLatin1(text));
  };
  tone(kColRxTone, rxTone);
  tone(kColTxTone, txTone);
  t.setOption(row, kColPower, power, language);
  t.setOption(row, kColBclo, bclo, language);
  t.setOption(row, kColWn, wn, language);
  t.setOption(row, kColScanAdd, scan, language);
}

TEST(EncodeImage, FreshEditorGivesTheStartUpImage) {
  const QByteArray image = EncodeImage(EditorState{}, kChinese);
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

TEST(EncodeImage, ChannelRecordAndScanBit) {
  EditorState state;
  SetChannel(state, 1, "145.12500", "Off", "145.12500", "67.0", 1, 0, 1, 1);
  QByteArray image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x0010, 16), Hex("00 25 51 14 00 25 51 14 FF FF 9E 02 F0 F0 FC FF"));
  EXPECT_EQ(At(image, 0x017E, 2), Hex("01 00"));

  SetChannel(state, 1, "145.12500", "Off", "145.12500", "67.0", 0, 0, 0, 1);
  image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x0010 + 13, 1), Hex("C0"));
}

TEST(EncodeImage, OptionAndToneTextsAreRecognisedInChinese) {
  EditorState state;
  SetChannel(state, 16, "438.00000", "Off", "438.00000", "D754I", 0, 1, 0, 1, kChinese);
  const QByteArray image = EncodeImage(state, kChinese);
  EXPECT_EQ(At(image, 0x0100, 16), Hex("00 00 80 43 00 00 80 43 FF FF EC A9 F8 C0 FC FF"));
  EXPECT_EQ(At(image, 0x017E, 2), Hex("00 80"));
}

TEST(EncodeImage, ToneWords) {
  struct Case {
    const char* tone;
    const char* bytes;
  };
  for (const Case& c : {Case{"D023N", "13 28"}, Case{"D023I", "13 A8"}, Case{"D754I", "EC A9"}, Case{"67.0", "9E 02"},
                        Case{"254.1", "ED 09"}, Case{"131.8", "26 05"}, Case{"Off", "FF FF"}, Case{"关闭", "FF FF"}}) {
    EditorState state;
    state.table.setCell(3, kColRxFreq, QStringLiteral("400.00000"));
    state.table.setCell(3, kColRxTone, QString::fromUtf8(c.tone));
    EXPECT_EQ(At(EncodeImage(state, kEnglish), 0x0030 + 8, 2), Hex(c.bytes)) << c.tone;
  }
}

TEST(EncodeImage, ListPositionsThatAreNotStoredAsThemselves) {
  EditorState state;
  state.settings.panel.timeoutTimer = 0;
  state.settings.optional.lookBackTimeA = 0;
  state.settings.optional.lookBackTimeB = 91;
  QByteArray image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x0130, 1), Hex("01"));
  EXPECT_EQ(At(image, 0x0162, 2), Hex("FF 5B"));
  state.settings.panel.timeoutTimer = 39;
  state.settings.panel.radioSwitch = 0;
  image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x0130, 1), Hex("28"));
  EXPECT_EQ(At(image, 0x013E, 1), Hex("00"));
}

TEST(EncodeImage, TextFieldsArePaddedWithFF) {
  EditorState state;
  OptionalFunctions& o = state.settings.optional;
  o.idCode = QStringLiteral("1234");
  o.autoDial[0] = QStringLiteral("105");
  o.autoDial[1] = QStringLiteral("0");
  o.groupCallCode = '5';
  o.firstDigitDelay = 550;
  o.dropoutDelayTime = 300;
  o.txDwellTime = 7;
  state.settings.message.line1 = QStringLiteral("HELLO");
  state.settings.message.line2 = QString(40, QLatin1Char('x'));  // cut to the field width
  const QByteArray image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x0120, 10), Hex("31 32 33 34 FF FF FF FF FF FF"));
  EXPECT_EQ(At(image, 0x0200, 16), Hex("31 3A 35") + Repeat('\xFF', 13));
  EXPECT_EQ(At(image, 0x0210, 16), Hex("3A") + Repeat('\xFF', 15));
  EXPECT_EQ(At(image, 0x0112, 1), Hex("37"));
  EXPECT_EQ(At(image, 0x0116, 1), Hex("35"));
  EXPECT_EQ(At(image, 0x0165, 4), Hex("2C 01 07 00"));
  EXPECT_EQ(At(image, 0x0300, 6), Hex("48 45 4C 4C 4F FF"));
  EXPECT_EQ(At(image, 0x0320, 32), Repeat('x', 32));
  EXPECT_EQ(image.size(), 848);
}

TEST(EncodeImage, CharactersWithoutAOneByteCodeBecomeQuestionMarks) {
  EditorState state;
  state.settings.message.line1 = QString::fromUtf8("A中é");
  EXPECT_EQ(At(EncodeImage(state, kEnglish), 0x0300, 4), Hex("41 3F E9 FF"));
}

TEST(EncodeImage, TestFrequenciesAndCalibration) {
  EditorState state;
  state.settings.testFrequencies.rx[0] = QStringLiteral("446.00625");
  state.settings.testFrequencies.tx[0] = QStringLiteral("446.00625");
  state.settings.testFrequencies.rx[15] = QStringLiteral("145.12500");
  state.settings.debug.txHighPower = 200;
  state.settings.debug.txLowPower = 17;
  const QByteArray image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x0280, 8), Hex("25 06 60 44 25 06 60 44"));
  EXPECT_EQ(At(image, 0x02F8, 8), Hex("00 25 51 14 FF FF FF FF"));
  EXPECT_EQ(At(image, 0x0183, 1), Hex("C8"));
  EXPECT_EQ(At(image, 0x0188, 1), Hex("11"));
}

TEST(EncodeImage, VhfBandWritesTheOtherModelIdentifiers) {
  EditorState state;
  state.band.selected = state.band.index = 5;
  const QByteArray image = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(image, 0x01B8, 8), Hex("50 32 32 30 37 01 F8 FF"));
  EXPECT_EQ(At(image, 0x0340, 13), Hex("544B2D32323037 FFFFFFFFFF 01"));
  state.band.selected = 6;
  EXPECT_EQ(At(EncodeImage(state, kEnglish), 0x01BD, 1), Hex("73"));
}

TEST(EncodeImage, EncodingTwiceGivesTheSameBytes) {
  EditorState state;
  SetChannel(state, 2, "462.56250", "D023N", "467.56250", "Off", 1, 1, 0, 0);
  EXPECT_EQ(EncodeImage(state, kEnglish), EncodeImage(state, kEnglish));
}

}  // namespace
}  // namespace qx210
