#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <functional>
#include <vector>

#include "core/radio_state.h"
#include "core/ui_language.h"

// The radio state as named fields: what each value is called in reports and
// in JSON, and how it reads. Reports (info, diff) and the JSON form share
// these names.
namespace qx210 {

// The name of channel column 1..8 in reports: "RX frequency", "RX tone",
// "TX frequency", "TX tone", "Power", "BCLO", "W/N", "Scan Add".
Bilingual ChannelFieldName(int column);
// What the channel table shows in column 1..8; empty for a channel not in use.
QString ChannelFieldText(const Channel& channel, int column, UiLanguage language);

// One radio-wide value.
struct SettingField {
  const char* group;  // the JSON object that holds it: "panel", "optionalFunctions", ...
  const char* key;    // its JSON name in that object
  int index;          // position in the JSON array `key`, or -1 for a single value
  Bilingual name;     // its name in reports; %1 stands for index + 1
  std::function<QString(const RadioSettings&, UiLanguage)> text;
  std::function<QJsonValue(const RadioSettings&)> json;

  QString nameText(UiLanguage language) const;
};

// Every radio-wide value besides the channels and the band, in report order.
const std::vector<SettingField>& SettingFields();

// The main settings: the function settings panel, the side keys and the
// embedded message.
bool IsMainSetting(const SettingField& field);

// The band's text for reports ("400-480MHz").
QString BandText(int band);

// The model identifier a memory image carries at 0x01B8 ("P3207"); a byte
// that is not printable ASCII appears as its hexadecimal pair ("<FF>").
QString ModelIdentifierText(const QByteArray& image);

// One value that differs between two states.
struct StateDifference {
  int channel = 0;  // 1..16; 0 for the band and the radio-wide values
  QString field;    // the value's name
  QString before;   // as reports show it; empty for an empty value
  QString after;

  // "CH 03 TX tone: 67.0 → D023N"; an empty value reads "(empty)".
  QString text(UiLanguage language) const;
};

// How many channels, and how many radio-wide values (the band among them),
// differ between two states: what a write would change in a radio.
struct DifferenceCount {
  int channels = 0;
  int settings = 0;
};
DifferenceCount CountDifferences(const RadioState& a, const RadioState& b);

// Every value that differs, the band first, then channel by channel and
// column by column, then the radio-wide values in report order. A channel in
// use on one side only differs in every column.
std::vector<StateDifference> CompareStates(const RadioState& before, const RadioState& after,
                                           UiLanguage language);

// The whole state as JSON; docs/json-fields.md describes every name.
QJsonObject RadioStateJson(const RadioState& state);

}  // namespace qx210
