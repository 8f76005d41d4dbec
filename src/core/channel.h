#pragma once

#include "core/frequency.h"
#include "core/tone.h"

namespace qx210 {

inline constexpr int kChannelCount = 16;

// The fields of a channel, numbered as the columns of the channel table
// (column 0 is the channel number).
enum Column : int {
  kColChannel = 0,
  kColRxFreq = 1,
  kColRxTone = 2,
  kColTxFreq = 3,
  kColTxTone = 4,
  kColPower = 5,
  kColBclo = 6,
  kColWn = 7,
  kColScanAdd = 8,
};
inline constexpr int kColumnCount = 9;

inline bool IsOptionColumn(int column) { return column >= kColPower && column <= kColScanAdd; }
inline bool IsToneColumn(int column) { return column == kColRxTone || column == kColTxTone; }
inline bool IsFrequencyColumn(int column) { return column == kColRxFreq || column == kColTxFreq; }

// One channel as the radio stores it. A channel is in use exactly when it has
// an RX frequency. The member defaults are those of a new channel: tones Off,
// Power High, BCLO Off, W/N Wide, Scan Add Yes.
struct Channel {
  Frequency rx;
  Frequency tx;
  Tone rxTone;
  Tone txTone;
  bool highPower = true;  // Power: position 0 Low, 1 High
  bool bclo = false;      // BCLO: position 0 Off, 1 Carrier
  bool wide = true;       // W/N: position 0 Narrow, 1 Wide
  bool scanAdd = true;    // Scan Add: position 0 No, 1 Yes

  bool inUse() const { return !rx.isEmpty(); }
  bool operator==(const Channel&) const = default;
};

// A channel first given `frequency`: TX the same, and the defaults above.
inline Channel NewChannel(const Frequency& frequency) {
  Channel channel;
  channel.rx = frequency;
  channel.tx = frequency;
  return channel;
}

// The option columns 5..8 as list positions (0 or 1).
int OptionPosition(const Channel& channel, int column);
void SetOptionPosition(Channel& channel, int column, int position);

// The tone of tone column 2 or 4, and the frequency it belongs to.
Tone& ToneOf(Channel& channel, int column);
const Tone& ToneOf(const Channel& channel, int column);
Frequency& FrequencyOf(Channel& channel, int column);
const Frequency& FrequencyOf(const Channel& channel, int column);

}  // namespace qx210
