#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/ui_language.h"

// Rules of the auxiliary dialogs that need no widget: the key filters of the
// code and message fields, the test-frequency raster, and the texts of the
// dialogs' lists.
namespace qx210 {

// ---- Key filters -----------------------------------------------------------

inline constexpr int kIdCodeLength = 10;     // the ID code of the optional functions
inline constexpr int kDtmfCodeLength = 16;   // TX start and end codes, auto-dial memories
inline constexpr int kMessageLineLength = 32;

// A DTMF code character: 0-9, A-D, '*' or '#'.
bool IsCodeCharacter(QChar c);

// A typed character for a code field holding `length` characters. Lower-case
// letters become upper case; the result is empty when the key is refused (not
// a code character, or the field is full and nothing is selected). A
// `maxLength` of 0 means no limit.
std::optional<QChar> FilterCodeKey(QChar typed, int length, bool hasSelection, int maxLength);

// Applies FilterCodeKey to every character of `text` (pasting), as if typed
// one after another into a field of `length` characters with nothing selected.
QString FilterCodeText(const QString& text, int length, int maxLength);

// The message lines hold one byte per character: U+0001..U+00FE.
bool IsOneByteCharacter(QChar c);
bool IsOneByteText(const QString& text);

// ---- Test frequencies ------------------------------------------------------

// A frequency the user typed: a number from 100 to 999.99999 MHz (point as the
// decimal separator, blanks around it ignored); empty for anything else.
std::optional<double> ParseTestFrequency(const QString& text);

// One row of the test-frequency grid.
struct TestFrequencyRow {
  QString rx;
  QString tx;
  bool operator==(const TestFrequencyRow&) const = default;
};

// A transmit frequency needs a receive frequency first.
bool CanEditTransmit(const TestFrequencyRow& row);

// The receive cell was edited to `typed`. Empty clears the row; otherwise the
// frequency is lowered onto the raster (6.25 kHz or 5 kHz, whichever leaves
// the smaller remainder, 6.25 kHz on a tie) and copied into the transmit cell.
// Returns false and leaves the row unchanged for a refused entry.
bool ApplyReceiveEdit(TestFrequencyRow& row, const QString& typed);

// The transmit cell was edited to `typed`. Empty takes the receive text;
// otherwise it is lowered onto 6.25 kHz when the receive frequency lies on
// that raster, else onto 5 kHz. Returns false (row unchanged) when refused.
bool ApplyTransmitEdit(TestFrequencyRow& row, const QString& typed);

// ---- List texts ------------------------------------------------------------

inline constexpr int kLookBackListSize = 92;  // "Empty", then 0.50 .. 5.00
inline constexpr int kKeyFunctionCount = 12;

// Optional functions, visible lists.
QStringList PriorityItems(UiLanguage language);
QStringList PriorityChannelItems();                    // "1".."16"
QStringList LookBackTimeItems(UiLanguage language);    // A and B
QStringList RevertChannelItems(UiLanguage language);
QStringList OffOnItems(UiLanguage language);           // VOX Function, VOX Proceed Tone, Duplicate
QStringList VoxGainItems(UiLanguage language);         // Off, 1..10
QStringList VoxDelayItems();                           // the same in both languages
// Optional functions, hidden lists.
QStringList PttIdItems(UiLanguage language);
// The DTMF group exists in Chinese only.
QStringList DtmfRateItems();
QStringList DigitTimeItems();         // first digit time, * and # tone
QStringList FirstDigitDelayItems();   // shown, not connected to a value
QStringList DKeyItems();
QStringList SideToneItems();
QStringList AutoResetItems();
QStringList GroupCallItems();         // shown, not connected to a value

// Key assignment: the 12 functions of PF1 and PF2.
QStringList KeyFunctionItems(UiLanguage language);

}  // namespace qx210
