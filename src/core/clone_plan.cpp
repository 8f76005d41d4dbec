#include "core/clone_plan.h"

#include "core/codec.h"
#include "core/memory_image.h"

namespace qx210 {

QList<AddressRange> WrittenRanges(bool calibrationIncluded) {
  QList<AddressRange> ranges{{0x0010, calibrationIncluded ? 0x0190 : 0x0180}};
  ranges.append({0x01B0, 0x01C0});
  ranges.append({0x0280, kImageEnd});
  return ranges;
}

QByteArray ImageAfterWrite(const QByteArray& radio, const QByteArray& written, bool calibrationIncluded) {
  QByteArray after = radio;
  for (const AddressRange& range : WrittenRanges(calibrationIncluded)) {
    const qsizetype begin = range.begin - kImageBase;
    const qsizetype length = range.end - range.begin;
    if (after.size() < begin + length) after.resize(begin + length, '\xFF');
    after.replace(begin, length, written.mid(begin, length).leftJustified(length, '\xFF'));
  }
  return after;
}

DifferenceCount WriteChanges(const QByteArray& radio, const RadioState& state, bool calibrationIncluded) {
  // Both sides decoded alike, from the same starting state, so a value
  // outside its range reads the same on both.
  RadioState before;
  RadioState after;
  DecodeImage(radio, before);
  DecodeImage(ImageAfterWrite(radio, EncodeImage(state), calibrationIncluded), after);
  return CountDifferences(before, after);
}

int FirstDifference(const QByteArray& written, const QByteArray& readBack, const QList<AddressRange>& ranges) {
  for (const AddressRange& range : ranges) {
    for (int address = range.begin; address < range.end; ++address) {
      const qsizetype index = address - kImageBase;
      if (index < 0) continue;
      if (index >= written.size() || index >= readBack.size()) return address;
      if (written.at(index) != readBack.at(index)) return address;
    }
  }
  return -1;
}

}  // namespace qx210
