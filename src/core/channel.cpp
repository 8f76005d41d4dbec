#include "core/channel.h"

namespace qx210 {

namespace {

bool* OptionField(Channel& channel, int column) {
  switch (column) {
    case kColPower: return &channel.highPower;
    case kColBclo: return &channel.bclo;
    case kColWn: return &channel.wide;
    case kColScanAdd: return &channel.scanAdd;
    default: return nullptr;
  }
}

}  // namespace

int OptionPosition(const Channel& channel, int column) {
  Channel copy = channel;
  const bool* field = OptionField(copy, column);
  return field && *field ? 1 : 0;
}

void SetOptionPosition(Channel& channel, int column, int position) {
  if (bool* field = OptionField(channel, column)) *field = position != 0;
}

Tone& ToneOf(Channel& channel, int column) { return column == kColTxTone ? channel.txTone : channel.rxTone; }
const Tone& ToneOf(const Channel& channel, int column) {
  return column == kColTxTone ? channel.txTone : channel.rxTone;
}
Frequency& FrequencyOf(Channel& channel, int column) {
  return column == kColTxFreq || column == kColTxTone ? channel.tx : channel.rx;
}
const Frequency& FrequencyOf(const Channel& channel, int column) {
  return column == kColTxFreq || column == kColTxTone ? channel.tx : channel.rx;
}

}  // namespace qx210
