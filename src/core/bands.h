#pragma once

#include <QStringList>
#include <array>

// The seven bands of the band list. The selected band fixes the limits of
// every frequency typed into the table, and the band code and model
// identifiers of the memory image.
namespace qx210 {

struct Band {
  const char* text;  // the same in both languages
  int low;           // MHz, inclusive
  int high;          // MHz, inclusive
  unsigned char code;
};

inline constexpr std::array<Band, 7> kBands{{
    {"400-480MHz", 400, 480, 0x33},
    {"200-260MHz", 200, 260, 0x21},
    {"400-430MHz", 400, 430, 0x43},
    {"370-390MHz", 370, 390, 0x63},
    {"350-370MHz", 350, 370, 0x53},
    {"136-174MHz", 136, 174, 0x01},
    {"400-520MHz", 400, 520, 0x73},
}};
inline constexpr int kVhfBandPosition = 5;  // "136-174MHz", the only band of model P2207

inline bool IsBandPosition(int position) { return position >= 0 && position < static_cast<int>(kBands.size()); }
// The band at `position`; the first band for a position outside the list.
inline const Band& BandAt(int position) {
  return kBands[IsBandPosition(position) ? static_cast<std::size_t>(position) : 0];
}
// Band list position for a band code byte, or -1 when the code is unknown.
int BandPositionForCode(unsigned char code);
QStringList BandTexts();

}  // namespace qx210
