// The value types of the radio model: frequencies, tones, channels, changes.
#include <gtest/gtest.h>

#include <functional>

#include "core/radio_state.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

QByteArray BytesOf(const Frequency& f) {
  const Frequency::Bytes b = f.bytes();
  return QByteArray(reinterpret_cast<const char*>(b.data()), 4);
}

TEST(Frequency, TenHertzTextAndBytes) {
  struct Case {
    qint64 tenHertz;
    const char* text;
    const char* bytes;
  };
  for (const Case& c : {Case{14'512'500, "145.12500", "00 25 51 14"}, Case{43'800'000, "438.00000", "00 00 80 43"},
                        Case{44'600'625, "446.00625", "25 06 60 44"}, Case{0, "000.00000", "00 00 00 00"},
                        Case{99'999'999, "999.99999", "99 99 99 99"}}) {
    const std::optional<Frequency> f = Frequency::fromTenHertz(c.tenHertz);
    ASSERT_TRUE(f) << c.text;
    EXPECT_EQ(BytesOf(*f), test::Hex(c.bytes)) << c.text;
    EXPECT_EQ(f->text(), QString::fromLatin1(c.text));
    EXPECT_EQ(f->tenHertz(), c.tenHertz);
    EXPECT_EQ(Frequency::fromText(QString::fromLatin1(c.text)), f);
  }
  EXPECT_FALSE(Frequency::fromTenHertz(-1));
  EXPECT_FALSE(Frequency::fromTenHertz(100'000'000));
}

TEST(Frequency, TextsThatAreNotAFrequency) {
  for (const char* text :
       {"", "145.1250", "145.125000", "1451.2500", "145,12500", "14A.12500", "145.1250 ", "-45.12500"})
    EXPECT_FALSE(Frequency::fromText(QString::fromLatin1(text))) << text;
}

TEST(Frequency, NonDecimalDigitsShowAsHexLettersAndHaveNoValue) {
  const Frequency f = Frequency::fromBytes({0xFF, 0x00, 0x0A, 0x05});
  EXPECT_FALSE(f.isEmpty());
  EXPECT_EQ(f.text(), QStringLiteral("050.A00FF"));
  EXPECT_FALSE(f.tenHertz());
  EXPECT_EQ(Frequency::fromBytes({0x00, 0x00, 0xF0, 0xFF}).text(), QStringLiteral("FFF.00000"));
}

TEST(Frequency, EmptyValue) {
  const Frequency empty;
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(BytesOf(empty), test::Hex("FF FF FF FF"));
  EXPECT_EQ(empty.text(), QString());
  EXPECT_FALSE(empty.tenHertz());
  EXPECT_EQ(Frequency::fromBytes({0xFF, 0xFF, 0xFF, 0xFF}), empty);
}

TEST(Frequency, MegahertzText) {
  EXPECT_EQ(MegahertzText(14'512'500), QStringLiteral("145.12500"));
  EXPECT_EQ(MegahertzText(44'600'625, 6), QStringLiteral("446.006250"));
  EXPECT_EQ(MegahertzText(0), QStringLiteral("0.00000"));
}

TEST(Tone, KindAndTextOfEveryKindOfWord) {
  struct Case {
    quint16 word;
    Tone::Kind kind;
    const char* text;
  };
  using K = Tone::Kind;
  for (const Case& c : {Case{0xFFFF, K::Off, ""}, Case{0x029E, K::Qt, "67.0"}, Case{0x09ED, K::Qt, "254.1"},
                        Case{0x2813, K::Dqt, "D023N"}, Case{0xA813, K::Dqt, "D023I"}, Case{0xA9EC, K::Dqt, "D754I"},
                        Case{0x2800, K::Dqt, "D000N"},
                        // Odd words: bit 11 clear, kinds by the top four bits only.
                        Case{0x2013, K::Dqt, "D023N"}, Case{0xAFFF, K::Dqt, "D777I"}, Case{0x5000, K::Qt, "2048.0"},
                        Case{0x3000, K::Qt, "1228.8"}, Case{0x0005, K::Qt, ".5"}, Case{0x0000, K::Qt, ".0"},
                        Case{0xFFFE, K::Qt, "6553.4"}}) {
    const Tone tone = Tone::fromWord(c.word);
    EXPECT_EQ(tone.kind(), c.kind) << std::hex << c.word;
    EXPECT_EQ(tone.text(), QString::fromLatin1(c.text)) << std::hex << c.word;
    EXPECT_EQ(tone.isOff(), c.kind == K::Off);
  }
  EXPECT_TRUE(Tone::fromWord(0xA813).inverted());
  EXPECT_FALSE(Tone::fromWord(0x2813).inverted());
  EXPECT_EQ(Tone::fromWord(0xA9EC).dqtCode(), 0754);
  // A DQT word keeps only what it shows, code and polarity: the tone list's form.
  EXPECT_EQ(Tone::fromWord(0x2013).word(), 0x2813);
  EXPECT_EQ(Tone::fromWord(0xA001).word(), 0xA801);
  EXPECT_EQ(Tone::fromWord(0x2E13), *Tone::dqt(023, false));
  EXPECT_EQ(Tone::fromWord(0x1234).word(), 0x1234);
}

TEST(Tone, QtLimits) {
  EXPECT_EQ(Tone::qt(670)->word(), 0x029E);
  EXPECT_EQ(Tone::qt(0)->word(), 0x0000);
  EXPECT_EQ(Tone::qt(0x1FFF)->qtTenths(), 0x1FFF);
  // Words that would read back as DQT or Off are no QT tone.
  for (int tenths : {-1, 0x2000, 0x2FFF, 0xA000, 0xAFFF, 0xFFFF, 0x10000}) EXPECT_FALSE(Tone::qt(tenths)) << tenths;
}

TEST(Tone, DqtLimits) {
  EXPECT_EQ(Tone::dqt(0, false)->word(), 0x2800);
  EXPECT_EQ(Tone::dqt(0777, true)->word(), 0xA9FF);
  EXPECT_EQ(Tone::dqt(023, true)->text(), QStringLiteral("D023I"));
  EXPECT_FALSE(Tone::dqt(01000, false));
  EXPECT_FALSE(Tone::dqt(-1, true));
}

TEST(Channel, ColumnsMapToTheirFields) {
  Channel c = NewChannel(*Frequency::fromTenHertz(14'500'000));
  const int defaults[] = {1, 0, 1, 1};  // Power High, BCLO Off, W/N Wide, Scan Add Yes
  for (int column = kColPower; column <= kColScanAdd; ++column) {
    EXPECT_EQ(OptionPosition(c, column), defaults[column - kColPower]) << column;
    SetOptionPosition(c, column, 1 - defaults[column - kColPower]);
  }
  EXPECT_FALSE(c.highPower);
  EXPECT_TRUE(c.bclo);
  EXPECT_FALSE(c.wide);
  EXPECT_FALSE(c.scanAdd);
  ToneOf(c, kColTxTone) = *Tone::qt(885);
  FrequencyOf(c, kColTxFreq) = Frequency();
  EXPECT_TRUE(c.rxTone.isOff());
  EXPECT_EQ(c.txTone.text(), QStringLiteral("88.5"));
  EXPECT_EQ(&FrequencyOf(c, kColTxTone), &c.tx);  // a tone belongs to its frequency
  EXPECT_EQ(&FrequencyOf(c, kColRxTone), &c.rx);
  EXPECT_TRUE(c.tx.isEmpty());
  EXPECT_TRUE(c.inUse());
  EXPECT_FALSE(Channel{}.inUse());
}

TEST(Changes, BetweenTwoStatesNamesEachPartThatDiffers) {
  struct Case {
    const char* what;
    std::function<void(RadioState&)> change;
    std::function<bool(const Changes&)> reported;
  };
  const Case cases[] = {
      {"band", [](RadioState& s) { s.band = 3; }, [](const Changes& c) { return c.band; }},
      {"panel", [](RadioState& s) { s.settings.panel.beep = 0; }, [](const Changes& c) { return c.panel; }},
      {"optional", [](RadioState& s) { s.settings.optional.duplicate = 0; },
       [](const Changes& c) { return c.optionalFunctions; }},
      {"keys", [](RadioState& s) { s.settings.keys.pf2 = 4; }, [](const Changes& c) { return c.keys; }},
      {"message", [](RadioState& s) { s.settings.message.line2 = QStringLiteral("x"); },
       [](const Changes& c) { return c.message; }},
      {"debug", [](RadioState& s) { s.settings.debug.txLowPower = 9; }, [](const Changes& c) { return c.debug; }},
      {"test frequencies", [](RadioState& s) { s.settings.testFrequencies.tx[15] = *Frequency::fromTenHertz(1); },
       [](const Changes& c) { return c.testFrequencies; }},
      {"channel 16", [](RadioState& s) { s.channel(16).rxTone = *Tone::qt(670); },
       [](const Changes& c) { return c.channels == 0x8000; }},
  };
  const RadioState before;
  EXPECT_FALSE(Changes::between(before, before).any());
  for (const Case& c : cases) {
    RadioState after = before;
    c.change(after);
    const Changes changes = Changes::between(before, after);
    EXPECT_TRUE(c.reported(changes)) << c.what;
    EXPECT_TRUE(changes.any()) << c.what;
    // Nothing else is reported.
    const int reportedParts = (changes.channels != 0) + changes.band + changes.panel + changes.optionalFunctions +
                              changes.keys + changes.message + changes.debug + changes.testFrequencies;
    EXPECT_EQ(reportedParts, 1) << c.what;
  }
}

TEST(Changes, ChannelBits) {
  RadioState before;
  RadioState after = before;
  after.channel(1) = NewChannel(*Frequency::fromTenHertz(14'500'000));
  after.channel(9).scanAdd = false;
  const Changes changes = Changes::between(before, after);
  EXPECT_EQ(changes.channels, 0x0101);
  EXPECT_EQ(changes.channelCount(), 2);
  EXPECT_TRUE(changes.channel(1));
  EXPECT_TRUE(changes.channel(9));
  EXPECT_FALSE(changes.channel(2));
  EXPECT_FALSE(changes.band);
}

}  // namespace
}  // namespace qx210
