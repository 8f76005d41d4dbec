#include "core/band_selection.h"

namespace qx210 {

namespace {
bool IsBandPosition(int position) { return position >= 0 && position < static_cast<int>(kBands.size()); }
}  // namespace

bool SelectBand(BandState& band, int position) {
  if (!IsBandPosition(position)) return false;
  band.selected = position;
  return position != band.index;
}

void ConfirmBand(EditorState& state) {
  state.band.index = state.band.selected;
  state.table.ClearGrid();
}

int RevertBand(BandState& band) {
  band.selected = band.index;
  return band.index;
}

void SelectBandByProgram(BandState& band, int position) {
  if (!IsBandPosition(position)) return;
  band.index = position;
  band.selected = position;
}

}  // namespace qx210
