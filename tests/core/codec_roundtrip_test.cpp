#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/codec.h"
#include "core/data_file.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

using test::At;
using test::BlankImage;
using test::Hex;
using test::Repeat;
using test::With;

RadioState ThreeChannels() {
  RadioState state;
  for (int n = 1; n <= 3; ++n) state.channel(n) = NewChannel(*Frequency::fromTenHertz(40'000'000 + n));
  return state;
}

RadioState Decoded(const QByteArray& image) {
  RadioState state;
  EXPECT_TRUE(DecodeImage(image, state));
  return state;
}

// Values a radio may hold that no editor produces come back as the table
// shows them: byte for byte, but for DQT words, which the encoder writes in
// its own form.
TEST(CodecOddValues, SurviveDecodeAndEncode) {
  QByteArray image = EncodeImage(ThreeChannels());
  // Non-decimal BCD digits; QT words outside the tone list, one whose top
  // bits mark neither DQT kind.
  image = With(image, 0x0010, Hex("99 99 99 99 00 00 0A 05 FF 1F 00 50"));
  // DQT with bit 11 clear.
  image = With(image, 0x0020, Hex("00 00 00 40 00 00 00 40 13 20 01 A0"));
  // No TX frequency, but TX tone words.
  image = With(image, 0x0030, Hex("00 00 00 40 FF FF FF FF 05 00 ED 09"));
  image = With(image, 0x0116, Hex("2A"));  // group call code: not a digit
  image = With(image, 0x0130, Hex("00"));  // time-out: no entry chosen
  image = With(image, 0x0162, Hex("FF"));  // look-back A: "Empty"
  image = With(image, 0x0183, Hex("FF"));  // calibration beyond the dialog's 63
  image = With(image, 0x0188, Hex("C8"));
  image = With(image, 0x0120, Hex("00 01 7F 80 E9 FE 30 3A 20 41"));  // any byte but 0xFF is a character
  image = With(image, 0x0200 + 16 * 3, Hex("30 3A 31 00 41 23 2A 7F 80 FE 30 3A 00 00 00 00"));
  image = With(image, 0x0280, Hex("FF 00 00 00 AB CD EF 12"));
  QByteArray line(32, '\0');
  for (int i = 0; i < 32; ++i) line[i] = static_cast<char>(0xE0 + i % 31);
  image = With(image, 0x0320, line);

  const RadioState state = Decoded(image);
  EXPECT_EQ(state.channel(1).tx.text(), QStringLiteral("050.A0000"));
  EXPECT_FALSE(state.channel(1).tx.tenHertz().has_value());
  EXPECT_EQ(state.channel(1).rxTone.text(), QStringLiteral("819.1"));
  EXPECT_EQ(state.channel(1).txTone.kind(), Tone::Kind::Qt);
  EXPECT_EQ(state.channel(2).rxTone.text(), QStringLiteral("D023N"));
  EXPECT_EQ(state.channel(2).txTone.text(), QStringLiteral("D001I"));
  EXPECT_TRUE(state.channel(3).tx.isEmpty());
  EXPECT_EQ(state.channel(3).txTone.text(), QStringLiteral("254.1"));
  EXPECT_EQ(state.settings.optional.groupCallCode, '*');
  EXPECT_EQ(state.settings.debug.txHighPower, 255);
  EXPECT_EQ(state.settings.optional.autoDial[3].left(3), QStringLiteral(":01"));
  // Bit 11 set, as for the same codes picked from the tone list.
  EXPECT_EQ(EncodeImage(state), With(image, 0x0028, Hex("13 28 01 A8")));
}

// What the encoder writes again from its own rules, whatever the image held:
// fixed and identification bytes, the unused bits of the option bytes, the
// records of unused channels, the scan bits of unused channels, gaps of 0xFF
// inside texts (the text closes up), settings out of range (the held value
// is written), and everything past 0x035F.
TEST(CodecOddValues, WhatTheEncoderNormalisesOnPurpose) {
  RadioState state;
  state.channel(1) = NewChannel(*Frequency::fromTenHertz(40'000'000));
  state.settings.optional.idCode = QStringLiteral("12");
  const QByteArray canonical = EncodeImage(state);

  QByteArray image = canonical + Repeat('\x5A', kRadioImageSize - kEncodedImageSize);
  image = With(image, 0x0010 + 12, Hex("00 30 00 00"));  // option bytes: only bits 3, 5 and 4 count
  image = With(image, 0x0050, Hex("FF FF FF FF 12 34 56 78 9A BC DE F0 00 00 00 00"));
  image = With(image, 0x0118, Hex("00 00 00 00 00"));
  image = With(image, 0x0120, Hex("31 FF 32"));
  image = With(image, 0x0133, Hex("55"));
  image = With(image, 0x0134, Hex("0A"));  // squelch level 10 is out of range
  image = With(image, 0x013D, Hex("00 03 00"));
  image = With(image, 0x017E, Hex("11"));  // channel 5 is unused
  image = With(image, 0x01B8, Hex("00 00 00 00 00"));
  image = With(image, 0x0340, Repeat('\0', 32));

  RadioState decoded;
  ASSERT_TRUE(DecodeImage(image, decoded));
  EXPECT_EQ(decoded, state);
  EXPECT_EQ(EncodeImage(decoded), canonical);
}

// A data file round trip: encode, write, read, decode into a fresh state,
// encode again.
TEST(CodecRoundTrip, GeneratedStatesSurviveADataFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("radio.DAT"));
  test::StateGenerator generator(2026);
  for (int i = 0; i < 300; ++i) {
    const RadioState state = generator.next();
    const QByteArray image = EncodeImage(state);
    ASSERT_EQ(image.size(), kEncodedImageSize);
    ASSERT_TRUE(WriteDataFile(path, image).ok);
    QByteArray read;
    ASSERT_TRUE(ReadDataFile(path, read).ok);
    ASSERT_EQ(read, image);
    const RadioState back = Decoded(read);
    ASSERT_EQ(back, state) << "state " << i;
    ASSERT_EQ(EncodeImage(back), image) << "state " << i;
  }
}

// Random and mutated images, as a radio or a damaged file might deliver them:
// decoding never fails or crashes, what the encoder makes of the result is a
// fixed point, and decoding that gives the same state again.
TEST(CodecRoundTrip, HostileImagesReachAFixedPoint) {
  QRandomGenerator random(99);
  test::StateGenerator generator(5);
  for (int i = 0; i < 3000; ++i) {
    const int size = i % 2 == 0 ? kEncodedImageSize : kRadioImageSize;
    QByteArray image;
    if (i % 3 == 0) {
      image = EncodeImage(generator.next()).leftJustified(size, '\xFF');
      for (int m = 0; m < 20; ++m) image[random.bounded(size)] = static_cast<char>(random.bounded(256));
    } else {
      image.resize(size);
      for (char& b : image) b = static_cast<char>(random.bounded(256));
    }
    const RadioState first = Decoded(image);
    const QByteArray once = EncodeImage(first);
    ASSERT_EQ(once.size(), kEncodedImageSize);
    const RadioState second = Decoded(once);
    ASSERT_EQ(second, first) << "image " << i;
    ASSERT_EQ(EncodeImage(second), once) << "image " << i;
  }
}

}  // namespace
}  // namespace qx210
