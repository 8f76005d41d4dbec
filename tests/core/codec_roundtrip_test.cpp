#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "core/lists.h"
#include "core/codec.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

// Random editor states of the kind the editors can produce.
class StateGenerator {
 public:
  explicit StateGenerator(quint32 seed) : m_random(seed) {}

  EditorState next(UiLanguage language) {
    EditorState s;
    s.band.selected = s.band.index = bounded(7);
    for (int n = 1; n <= kChannelCount; ++n) {
      if (bounded(4) == 0) continue;  // leave some channels empty
      s.table.setCell(n, kColRxFreq, frequency());
      s.table.applyNewChannelDefaults(n, bounded(5) == 0 ? QString() : frequency(), language);
      tone(s.table, n, kColRxTone, language);
      tone(s.table, n, kColTxTone, language);
      // Without a TX frequency an Off TX tone is shown as an empty cell.
      if (s.table.cell(n, kColTxFreq).isEmpty() && s.table.toneOff(n, kColTxTone))
        s.table.setCell(n, kColTxTone, QString());
      for (int c = kColPower; c <= kColScanAdd; ++c) s.table.setOption(n, c, bounded(2), language);
    }
    RadioSettings& r = s.settings;
    r.panel = {bounded(3), bounded(41) - 1, bounded(10), bounded(2), bounded(2), bounded(2), bounded(11)};
    OptionalFunctions& o = r.optional;
    o.pttId = bounded(3);
    o.voxFunction = bounded(2);
    o.voxGainLevel = bounded(11);
    o.voxDelayTime = bounded(6);
    o.voxProceedTone = bounded(2);
    o.priority = bounded(3);
    o.priorityChannel = 1 + bounded(16);
    o.lookBackTimeA = bounded(92);
    o.lookBackTimeB = bounded(92);
    o.revertChannel = bounded(4);
    o.dropoutDelayTime = bounded(301);
    o.txDwellTime = bounded(301);
    o.cancelOperation = bounded(2) == 1;
    o.voxInhibitOnReceive = bounded(2) == 1;
    o.idCode = code(10);
    o.txStartCode = code(16);
    o.txEndCode = code(16);
    o.dtmfRate = bounded(4);
    o.firstDigitTime = bounded(4);
    o.firstDigitDelay = bounded(2) == 0 ? 0 : 10 * (10 + bounded(91));
    o.starHashTone = bounded(4);
    o.dKeySetting = bounded(17);
    o.dtmfSideTone = bounded(2);
    o.autoResetTimer = bounded(16);
    o.groupCallCode = bounded(2) == 0 ? 0 : '1' + bounded(9);
    for (QString& memory : o.autoDial) memory = code(16);
    r.keys = {bounded(12), bounded(12)};
    r.message = {text(32), text(32)};
    r.debug = {bounded(256), bounded(256)};
    for (int k = 0; k < 16; ++k) {
      const bool used = bounded(2) == 0;
      r.testFrequencies.rx[static_cast<std::size_t>(k)] = used ? frequency() : QString();
      r.testFrequencies.tx[static_cast<std::size_t>(k)] = used && bounded(3) ? frequency() : QString();
    }
    return s;
  }

 private:
  int bounded(int n) { return static_cast<int>(m_random.bounded(n)); }
  QString frequency() {
    return QStringLiteral("%1.%2").arg(100 + bounded(900)).arg(bounded(100000), 5, 10, QLatin1Char('0'));
  }
  void tone(ChannelTable& t, int n, int column, UiLanguage language) {
    const QStringList tones = ToneList(language);
    const int pick = bounded(4);
    if (pick == 0) t.setToneOffCell(n, column, language);
    else if (pick == 1) t.setToneText(n, column, QString::number(67.0 + bounded(1872) / 10.0, 'f', 1));
    else t.setToneText(n, column, tones.at(1 + bounded(kToneListSize - 1)));
  }
  QString code(int max) {
    static const QString alphabet = QStringLiteral("0123456789ABCD*#");
    QString s;
    for (int i = bounded(max + 1); i > 0; --i) s.append(alphabet.at(bounded(static_cast<int>(alphabet.size()))));
    return s;
  }
  QString text(int max) {
    QString s;
    for (int i = bounded(max + 1); i > 0; --i) s.append(QChar(1 + bounded(0xFE)));
    return s;
  }
  QRandomGenerator m_random;
};

TEST(CodecRoundTrip, GeneratedStatesSurviveEncodeDecodeEncode) {
  StateGenerator generator(2026);
  for (int i = 0; i < 500; ++i) {
    const UiLanguage language = i % 2 == 0 ? kChinese : kEnglish;
    const EditorState state = generator.next(language);
    const QByteArray image = EncodeImage(state, language);
    ASSERT_EQ(image.size(), kEncodedImageSize);
    EditorState fresh;
    ASSERT_TRUE(DecodeImage(image, fresh, language));
    ASSERT_EQ(EncodeImage(fresh, language), image) << "state " << i;
    // Every value the encoder stores comes back.
    EXPECT_EQ(fresh.settings.message, state.settings.message);
    EXPECT_EQ(fresh.settings.testFrequencies, state.settings.testFrequencies);
    EXPECT_EQ(fresh.band, state.band);
    for (int n = 1; n <= kChannelCount; ++n)
      for (int c = kColRxFreq; c < kColumnCount; ++c)
        ASSERT_EQ(fresh.table.cell(n, c), state.table.cell(n, c)) << "state " << i << " cell " << n << "," << c;
  }
}

// An image from a radio keeps every byte the editor does not normalise.
TEST(CodecRoundTrip, RadioImageSurvivesDecodeEncode) {
  StateGenerator generator(7);
  QByteArray radio = EncodeImage(generator.next(kEnglish), kEnglish);
  // Text bytes of any value but 0xFF, QT words outside the tone list, odd digits.
  radio.replace(0x0300 - kImageBase, 4, test::Hex("01 80 E9 FE"));
  radio.replace(0x0010 - kImageBase, 12, test::Hex("99 99 99 99 00 00 0A 05 FF 1F 34 12"));
  EditorState state;
  ASSERT_TRUE(DecodeImage(radio, state, kChinese));
  EXPECT_EQ(state.table.cell(1, kColRxFreq), QStringLiteral("999.99999"));
  EXPECT_EQ(state.table.cell(1, kColTxFreq), QStringLiteral("050.A0000"));
  EXPECT_EQ(state.table.cell(1, kColRxTone), QStringLiteral("819.1"));
  EXPECT_EQ(state.table.cell(1, kColTxTone), QStringLiteral("466.0"));
  EXPECT_EQ(EncodeImage(state, kChinese), radio);
}

// Random and mutated images, as a radio or a damaged file might deliver them:
// decoding never fails or crashes, and what the encoder makes of the result is
// a fixed point of decode-then-encode.
TEST(CodecRobustness, RandomImagesDecodeAndReachAFixedPoint) {
  QRandomGenerator random(99);
  StateGenerator generator(5);
  for (int i = 0; i < 3000; ++i) {
    QByteArray image;
    const int size = i % 2 == 0 ? kEncodedImageSize : kRadioImageSize;
    if (i % 3 == 0) {
      image = EncodeImage(generator.next(kEnglish), kEnglish);
      image.resize(size, '\xFF');
      for (int m = 0; m < 20; ++m)
        image[static_cast<int>(random.bounded(size))] = static_cast<char>(random.bounded(256));
    } else {
      image.resize(size);
      for (char& b : image) b = static_cast<char>(random.bounded(256));
    }
    EditorState state;
    ASSERT_TRUE(DecodeImage(image, state, i % 2 ? kChinese : kEnglish));
    const QByteArray once = EncodeImage(state, kEnglish);
    ASSERT_EQ(once.size(), kEncodedImageSize);
    EditorState again;
    ASSERT_TRUE(DecodeImage(once, again, kEnglish));
    ASSERT_EQ(EncodeImage(again, kEnglish), once) << "image " << i;
  }
}

}  // namespace
}  // namespace qx210
