#include "core/band_selection.h"

#include "core/bands.h"

namespace qx210 {

RadioState WithConfirmedBand(const RadioState& state, int position) {
  if (!IsBandPosition(position)) return state;
  RadioState next = state;
  next.band = position;
  next.channels.fill(Channel{});
  return next;
}

void TakeReportedBand(RadioState& state, int radioBand) {
  if (IsBandPosition(radioBand)) state.band = radioBand;
}

}  // namespace qx210
