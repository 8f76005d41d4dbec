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

namespace qx210 {

namespace {

template <typename T>
int Differs(const T& a, const T& b) {
  return a == b ? 0 : 1;
}

template <typename T, std::size_t N>
int Differs(const std::array<T, N>& a, const std::array<T, N>& b) {
  int count = 0;
  for (std::size_t i = 0; i < N; ++i) count += Differs(a[i], b[i]);
  return count;
}

int CountSettings(const RadioSettings& a, const RadioSettings& b) {
  const PanelSettings& p = a.panel;
  const PanelSettings& q = b.panel;
  const OptionalFunctions& o = a.optional;
  const OptionalFunctions& r = b.optional;
  return Differs(p.voiceNotice, q.voiceNotice) + Differs(p.timeoutTimer, q.timeoutTimer) +
         Differs(p.squelchLevel, q.squelchLevel) + Differs(p.batterySave, q.batterySave) + Differs(p.beep, q.beep) +
         Differs(p.radioSwitch, q.radioSwitch) + Differs(p.totPreAlert, q.totPreAlert) +
         Differs(o.pttId, r.pttId) + Differs(o.voxFunction, r.voxFunction) + Differs(o.voxGainLevel, r.voxGainLevel) +
         Differs(o.voxDelayTime, r.voxDelayTime) + Differs(o.voxProceedTone, r.voxProceedTone) +
         Differs(o.duplicate, r.duplicate) + Differs(o.priority, r.priority) +
         Differs(o.priorityChannel, r.priorityChannel) + Differs(o.lookBackTimeA, r.lookBackTimeA) +
         Differs(o.lookBackTimeB, r.lookBackTimeB) + Differs(o.revertChannel, r.revertChannel) +
         Differs(o.dropoutDelayTime, r.dropoutDelayTime) + Differs(o.txDwellTime, r.txDwellTime) +
         Differs(o.cancelOperation, r.cancelOperation) + Differs(o.voxInhibitOnReceive, r.voxInhibitOnReceive) +
         Differs(o.idCode, r.idCode) + Differs(o.txStartCode, r.txStartCode) + Differs(o.txEndCode, r.txEndCode) +
         Differs(o.dtmfRate, r.dtmfRate) + Differs(o.firstDigitTime, r.firstDigitTime) +
         Differs(o.firstDigitDelay, r.firstDigitDelay) + Differs(o.starHashTone, r.starHashTone) +
         Differs(o.dKeySetting, r.dKeySetting) + Differs(o.dtmfSideTone, r.dtmfSideTone) +
         Differs(o.autoResetTimer, r.autoResetTimer) + Differs(o.groupCallCode, r.groupCallCode) +
         Differs(o.autoDial, r.autoDial) + Differs(a.keys.pf1, b.keys.pf1) + Differs(a.keys.pf2, b.keys.pf2) +
         Differs(a.message.line1, b.message.line1) + Differs(a.message.line2, b.message.line2) +
         Differs(a.debug.txHighPower, b.debug.txHighPower) + Differs(a.debug.txLowPower, b.debug.txLowPower) +
         Differs(a.testFrequencies.rx, b.testFrequencies.rx) + Differs(a.testFrequencies.tx, b.testFrequencies.tx);
}

}  // namespace

DifferenceCount CountDifferences(const RadioState& a, const RadioState& b) {
  return {Changes::between(a, b).channelCount(), Differs(a.band, b.band) + CountSettings(a.settings, b.settings)};
}

}  // namespace qx210
