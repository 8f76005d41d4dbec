#pragma once

#include <QByteArray>
#include <QList>

// Which radio addresses a write changes, and how an image read back from a
// radio is compared with the image written to it.
namespace qx210 {

// Addresses [begin, end).
struct AddressRange {
  int begin = 0;
  int end = 0;
  bool operator==(const AddressRange&) const = default;
};

// The ranges a write sends, in address order: 0x0010-0x017F (to 0x018F with
// the calibration block), 0x01B0-0x01BF and 0x0280-0x035F. The write itself
// follows them.
QList<AddressRange> WrittenRanges(bool calibrationIncluded);

// The first address inside `ranges` where `readBack` differs from `written`
// (both images with address 0x0010 first), or -1 when they agree there. An
// image too short to hold an address differs at it.
int FirstDifference(const QByteArray& written, const QByteArray& readBack, const QList<AddressRange>& ranges);

}  // namespace qx210
