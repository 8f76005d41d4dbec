#include "core/radio_state.h"

#include <bit>

namespace qx210 {

Changes Changes::between(const RadioState& before, const RadioState& after) {
  Changes changes;
  for (int n = 1; n <= kChannelCount; ++n)
    if (before.channel(n) != after.channel(n)) changes.channels |= static_cast<quint16>(1u << (n - 1));
  changes.band = before.band != after.band;
  const RadioSettings& b = before.settings;
  const RadioSettings& a = after.settings;
  changes.panel = b.panel != a.panel;
  changes.optionalFunctions = b.optional != a.optional;
  changes.keys = b.keys != a.keys;
  changes.message = b.message != a.message;
  changes.debug = b.debug != a.debug;
  changes.testFrequencies = b.testFrequencies != a.testFrequencies;
  return changes;
}

bool Changes::any() const {
  return channels != 0 || band || panel || optionalFunctions || keys || message || debug || testFrequencies;
}

int Changes::channelCount() const { return std::popcount(channels); }

}  // namespace qx210
