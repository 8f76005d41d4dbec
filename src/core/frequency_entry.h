#pragma once

#include <QString>
#include <optional>

#include "core/channel.h"
#include "core/ui_language.h"

// The rules of the frequency editor: which characters it takes, and what
// leaving it does to the RX (column 1) or TX (column 3) frequency of a channel.
namespace qx210 {

inline constexpr Bilingual kOutOfBandMessage{"超出频段范围", "Beyond the frequency range"};

// Digits, Backspace and the decimal point; everything else is discarded.
bool IsFrequencyCharacter(QChar c);

// The value of a typed frequency: digits with at most one decimal point and at
// least one digit. Anything else is not a number.
std::optional<double> ParseFrequency(const QString& text);

// The cell text for an accepted value: five decimals, lowered onto the channel
// raster, five decimals again ("145.0149" gives "145.01250").
QString SnappedFrequencyText(double megahertz);

enum class FrequencyOutcome {
  Written,         // the frequency is set (and a new channel has its defaults)
  ChannelDeleted,  // an emptied RX frequency removed the whole channel
  Unchanged,       // empty TX text or not a number: the channel keeps its value
  OutOfBand,       // outside the selected band: unchanged, tell the user
};

// Leaving the frequency editor with `text` over column 1 or 3 of `channel`, with band
// position `band` selected. The band check uses the value as typed, before
// rounding and snapping. An RX frequency given to a channel without a TX
// frequency (a new one among them) gives it the defaults of a new channel; a
// new RX frequency of a simplex channel (TX equal to RX) moves TX with it.
FrequencyOutcome CommitFrequencyEntry(Channel& channel, int band, int column, const QString& text);

}  // namespace qx210
