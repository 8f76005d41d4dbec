#pragma once

#include <QString>
#include <optional>

#include "core/editor_state.h"

// The rules of the frequency editor Text1: which characters it takes, and what
// leaving it writes into the RX (column 1) or TX (column 3) cell.
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
  Written,         // the cell holds the snapped frequency (and a new channel its defaults)
  ChannelDeleted,  // an emptied RX cell removed the whole channel
  Unchanged,       // empty TX text or not a number: the cell keeps its text
  OutOfBand,       // outside the selected band: the cell keeps its text, tell the user
};

// Leaving Text1 with `text` over cell (row, column), column 1 or 3. The band
// check uses the value as typed, before rounding and snapping. A first RX
// frequency, or any RX frequency of a row whose TX cell is empty, gives the
// channel the defaults of a new channel.
FrequencyOutcome CommitFrequencyEntry(ChannelTable& table, const BandState& band, int row, int column,
                                      const QString& text, UiLanguage language);

}  // namespace qx210
