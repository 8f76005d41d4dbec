#pragma once

#include "core/radio_state.h"
#include "core/ui_language.h"

// Choosing the band. The user's choice of another band clears all 16
// channels, so the band list asks first; a band that comes with an image (a
// file opened, a radio read) is taken as it is, without a question and
// without clearing anything.
namespace qx210 {

inline constexpr Bilingual kBandChangeQuestion{"改变频段将清除频道列表，确定吗？",
                                               "Change frequency channel list will remove, sure?"};
inline constexpr Bilingual kBandChangeTitle{"注意！", "Attention!"};

// The state after the user confirmed band `position`: that band, every
// channel cleared, the settings kept. A position outside the list changes nothing.
RadioState WithConfirmedBand(const RadioState& state, int position);

// After a read: the band the radio reported in its identification, or the
// band as it was when the radio's band code was unknown (-1).
void TakeReportedBand(RadioState& state, int radioBand);

}  // namespace qx210
