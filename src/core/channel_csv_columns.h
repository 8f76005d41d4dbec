#pragma once

#include <QString>
#include <array>

// The columns of a channel list, in the order of current files. Shared by
// the import and the export of channel lists.
namespace qx210::channel_list {

enum Field : int {
  kLocation, kName, kFrequency, kDuplex, kOffset, kToneMode, kRToneFreq, kCToneFreq, kDtcsCode,
  kDtcsPolarity, kRxDtcsCode, kCrossMode, kMode, kTStep, kSkip, kPower, kComment, kUrCall, kRpt1Call,
  kRpt2Call, kDvCode, kFieldCount,
};

inline constexpr std::array<const char*, kFieldCount> kFieldNames{
    "Location", "Name",      "Frequency", "Duplex", "Offset", "Tone",    "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
    "Skip",     "Power",     "Comment",   "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE"};

inline QString FieldName(Field field) { return QString::fromLatin1(kFieldNames[static_cast<std::size_t>(field)]); }

}  // namespace qx210::channel_list
