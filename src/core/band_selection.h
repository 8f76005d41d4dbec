#pragma once

#include "core/editor_state.h"

// The band list Combo1. The limits always follow the selected entry; a user's
// pick of another band than BandIndex must be confirmed, because confirming
// empties all 16 channels.
namespace qx210 {

inline constexpr Bilingual kBandChangeQuestion{"改变频段将清除频道列表，确定吗？",
                                               "Change frequency channel list will remove, sure?"};
inline constexpr Bilingual kBandChangeTitle{"注意！", "Attention!"};

// The selection event: the selected position (and so the limits) changes.
// True when the change needs the user's confirmation.
bool SelectBand(BandState& band, int position);

// The user agreed: the selection becomes BandIndex and every channel is cleared.
void ConfirmBand(EditorState& state);

// The user declined: the list goes back to BandIndex. Returns that position.
int RevertBand(BandState& band);

// A program step (the decoder) sets BandIndex first, so nothing is asked or cleared.
void SelectBandByProgram(BandState& band, int position);

}  // namespace qx210
