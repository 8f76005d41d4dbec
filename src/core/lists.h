#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/ui_language.h"

// The fixed lists of the main window: bands, tones, the option lists of the
// channel table and the lists of the function settings panel. Settings are
// stored as list positions; these texts are presentation and follow the
// language.
namespace qx210 {

struct Band {
  const char* text;  // the same in both languages
  int low;           // MHz, inclusive
  int high;          // MHz, inclusive
  unsigned char code;
};

inline constexpr std::array<Band, 7> kBands{{
    {"400-480MHz", 400, 480, 0x33},
    {"200-260MHz", 200, 260, 0x21},
    {"400-430MHz", 400, 430, 0x43},
    {"370-390MHz", 370, 390, 0x63},
    {"350-370MHz", 350, 370, 0x53},
    {"136-174MHz", 136, 174, 0x01},
    {"400-520MHz", 400, 520, 0x73},
}};
inline constexpr int kVhfBandPosition = 5;  // "136-174MHz", the only band of model P2207

// Band list position for a band code byte, or -1 when the code is unknown.
int BandPositionForCode(unsigned char code);
QStringList BandTexts();

// Tone list Combo8: 261 entries; position 0 is the Off entry.
inline constexpr Bilingual kToneOff{"关闭", "Off"};
inline constexpr int kToneListSize = 261;
QStringList ToneList(UiLanguage language);
QString ToneOffText(UiLanguage language);
bool IsToneOffText(const QString& text);  // in either language

// Channel table columns.
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
inline constexpr int kChannelCount = 16;

inline bool IsOptionColumn(int column) { return column >= kColPower && column <= kColScanAdd; }
inline bool IsToneColumn(int column) { return column == kColRxTone || column == kColTxTone; }
inline bool IsFrequencyColumn(int column) { return column == kColRxFreq || column == kColTxFreq; }

// Option list Combo5(column) for columns 5..8: entry at position 0 or 1.
Bilingual OptionEntry(int column, int position);
QString OptionText(int column, int position, UiLanguage language);
QStringList OptionList(int column, UiLanguage language);

// Function settings panel.
enum PanelList : int {
  kVoiceNotice = 0,   // Combo2
  kTimeoutTimer = 1,  // Combo3
  kSquelchLevel = 2,  // Combo9
  kBatterySave = 3,   // Combo6
  kBeep = 4,          // Combo7
  kRadioSwitch = 5,   // Combo10
  kTotPreAlert = 6,   // Combo4 (hidden)
};
inline constexpr int kPanelListCount = 7;
QStringList PanelListEntries(PanelList list, UiLanguage language);

}  // namespace qx210
