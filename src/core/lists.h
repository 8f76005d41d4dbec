#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "core/bands.h"
#include "core/channel.h"
#include "core/ui_language.h"

// The fixed lists of the main window: tones, the option lists of the channel
// table and the lists of the function settings panel, in both languages.
// Settings are held as values and list positions; these texts are what the
// views show for them.
namespace qx210 {

// The tone list: 261 entries; position 0 is the Off entry.
inline constexpr Bilingual kToneOff{"关闭", "Off"};
inline constexpr int kToneListSize = 261;
QStringList ToneList(UiLanguage language);
QString ToneOffText(UiLanguage language);
// The tone that list entry `position` stands for (0 is Off).
Tone ToneAtListPosition(int position);
// The list position of `tone`, or -1 when the list does not offer it.
int ListPositionOfTone(const Tone& tone);
// What a tone cell shows: the Off entry or the tone's own text.
QString ToneCaption(const Tone& tone, UiLanguage language);

// The option list of columns 5..8: entry at position 0 or 1.
Bilingual OptionEntry(int column, int position);
QString OptionText(int column, int position, UiLanguage language);
QStringList OptionList(int column, UiLanguage language);

// Function settings panel.
enum PanelList : int {
  kVoiceNotice = 0,
  kTimeoutTimer = 1,
  kSquelchLevel = 2,
  kBatterySave = 3,
  kBeep = 4,
  kRadioSwitch = 5,
  kTotPreAlert = 6,  // never shown
};
inline constexpr int kPanelListCount = 7;
QStringList PanelListEntries(PanelList list, UiLanguage language);

}  // namespace qx210
