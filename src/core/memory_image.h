#pragma once

#include <QByteArray>
#include <QString>
#include <span>

// The radio's memory as the tool holds it: byte i is radio address 0x0010 + i.
// An encoded image covers 0x0010..0x035F (848 bytes); an image read from the
// radio covers 0x0010..0x040F (1024 bytes).
namespace qx210 {

inline constexpr int kImageBase = 0x0010;
inline constexpr int kImageEnd = 0x0360;         // first address past an encoded image
inline constexpr int kEncodedImageSize = kImageEnd - kImageBase;  // 848
inline constexpr int kRadioImageEnd = 0x0410;
inline constexpr int kRadioImageSize = kRadioImageEnd - kImageBase;  // 1024

// The hexadecimal text form: two uppercase digits per byte, no separators.
QString ToHexText(const QByteArray& bytes);

// Fixed byte strings of the layout as a QByteArray.
inline QByteArray ToByteArray(std::span<const unsigned char> bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

}  // namespace qx210
