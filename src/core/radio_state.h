#pragma once

#include <QMetaType>
#include <array>

#include "core/channel.h"
#include "core/radio_settings.h"

namespace qx210 {

// Everything the radio's memory holds that the program edits: the 16
// channels, the band, and every radio-wide setting. The memory image is
// decoded into it and encoded from it; display texts are the views' business.
struct RadioState {
  std::array<Channel, kChannelCount> channels;
  int band = 0;  // position in the band list, 0..6
  RadioSettings settings;

  // Channel n, 1..16.
  Channel& channel(int n) { return channels.at(static_cast<std::size_t>(n - 1)); }
  const Channel& channel(int n) const { return channels.at(static_cast<std::size_t>(n - 1)); }

  bool operator==(const RadioState&) const = default;
};

// What differs between two states, by part.
struct Changes {
  quint16 channels = 0;  // bit n-1 for channel n
  bool band = false;
  bool panel = false;
  bool optionalFunctions = false;
  bool keys = false;
  bool message = false;
  bool debug = false;
  bool testFrequencies = false;

  static Changes between(const RadioState& before, const RadioState& after);
  bool any() const;
  bool channel(int n) const { return (channels >> (n - 1)) & 1; }
  int channelCount() const;
};

}  // namespace qx210

Q_DECLARE_METATYPE(qx210::Changes)
