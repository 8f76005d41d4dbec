#pragma once

#include <QByteArray>
#include <QList>

#include "core/radio_state.h"
#include "core/state_fields.h"

// Which radio addresses a write changes, what that changes in a radio, and
// how an image read back from a radio is compared with the image written to
// it. The write, its read-back and the question before a write all go by
// the one list of written ranges.
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

// The memory of a radio that held `radio` once `written` has been written to
// it (both with address 0x0010 first): the written ranges as `written` has
// them, the rest as it was.
QByteArray ImageAfterWrite(const QByteArray& radio, const QByteArray& written, bool calibrationIncluded);

// What writing `state` changes in a radio that holds `radio`: only what lies
// in the written ranges counts (never the auto-dial memories, nor the
// Duplicate setting, which the radio does not hold, nor the calibration
// unless it is included).
DifferenceCount WriteChanges(const QByteArray& radio, const RadioState& state, bool calibrationIncluded);

// The first address inside `ranges` where `readBack` differs from `written`
// (both images with address 0x0010 first), or -1 when they agree there. An
// image too short to hold an address differs at it.
int FirstDifference(const QByteArray& written, const QByteArray& readBack, const QList<AddressRange>& ranges);

}  // namespace qx210
