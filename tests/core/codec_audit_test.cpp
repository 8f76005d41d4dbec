#include <gtest/gtest.h>

#include "core/codec.h"
#include "support/image_test_util.h"

namespace qx210 {
namespace {

using test::At;
using test::Hex;
using test::Repeat;

QByteArray AllFF() { return QByteArray(kEncodedImageSize, '\xFF'); }

QByteArray With(QByteArray image, int address, const QByteArray& bytes) {
  image.replace(address - kImageBase, static_cast<int>(bytes.size()), bytes);
  return image;
}

// The auto-dial memories store the digit "0" as 0x3A. A byte 0x30 read from a
// radio or a file must still come back as 0x30: one character per byte.
TEST(CodecAutoDial, EveryByteOfAMemorySurvivesDecodeEncode) {
  const QByteArray memory = Hex("30 3A 31 00 41 23 2A 7F 80 FE 30 3A FF FF FF FF");
  const QByteArray image = With(AllFF(), 0x0200 + 16 * 3, memory);
  EditorState state;
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));
  EXPECT_EQ(state.settings.optional.autoDial[3].size(), 12);
  EXPECT_EQ(state.settings.optional.autoDial[3].at(1), QLatin1Char('0'));  // 0x3A reads as "0"
  const QByteArray encoded = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(encoded, 0x0200 + 16 * 3, 16), memory);
}

TEST(CodecAutoDial, TheTypedDigitZeroIsStillWrittenAs3A) {
  EditorState state;
  state.settings.optional.autoDial[0] = QStringLiteral("100");
  EXPECT_EQ(At(EncodeImage(state, kEnglish), 0x0200, 16), Hex("31 3A 3A") + Repeat('\xFF', 13));
}

// The other text fields store "0" as 0x30 and keep a byte 0x3A as it is.
TEST(CodecAutoDial, OtherTextFieldsAreNotDtmfCoded) {
  const QByteArray image =
      With(With(AllFF(), 0x0120, Hex("30 3A 31")), 0x0140, Hex("3A 30"));
  EditorState state;
  ASSERT_TRUE(DecodeImage(image, state, kEnglish));
  EXPECT_EQ(state.settings.optional.idCode, QStringLiteral("0:1"));
  EXPECT_EQ(state.settings.optional.txStartCode, QStringLiteral(":0"));
  const QByteArray encoded = EncodeImage(state, kEnglish);
  EXPECT_EQ(At(encoded, 0x0120, 4), Hex("30 3A 31 FF"));
  EXPECT_EQ(At(encoded, 0x0140, 3), Hex("3A 30 FF"));
}

}  // namespace
}  // namespace qx210
