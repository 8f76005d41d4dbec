#include "core/clone_plan.h"

#include "core/memory_image.h"

namespace qx210 {

QList<AddressRange> WrittenRanges(bool calibrationIncluded) {
  QList<AddressRange> ranges{{0x0010, calibrationIncluded ? 0x0190 : 0x0180}};
  ranges.append({0x01B0, 0x01C0});
  ranges.append({0x0280, kImageEnd});
  return ranges;
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
