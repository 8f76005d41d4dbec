#pragma once

#include <QString>
#include <optional>

#include "core/channel_table.h"

// The rules of the tone list Combo8: its key filter, a pick from the list, and
// the check of the edited text when the list loses the focus.
namespace qx210 {

// The character that reaches the editor for a typed `c`: digits, Backspace,
// the decimal point and the letters D, N and I (lower case is raised). A null
// QChar means the character is discarded.
QChar FilterToneCharacter(QChar c);

// The tone text that closing the editor writes (the cell's Off flag is then
// cleared), or nothing when the cell keeps its content. `selection` is the list
// position matching the edited text, -1 when none does.
//  - QT: a number from 67 to 254.1, written with one decimal.
//  - DQT: "D", a code, "N" or "I". A code above 777 becomes 777; otherwise it
//    must be octal digits, and is written as exactly three of them, because
//    the radio stores three octal digits ("D23N" and "D0023N" give "D023N").
std::optional<QString> CheckToneEntry(const QString& text, int selection);

// A pick of list entry `position`: Off for position 0, else the entry's text.
void PickTone(ChannelTable& table, int row, int column, int position, UiLanguage language);

// Closing the editor over (row, column): writes the checked text, if any.
// Returns true when the cell changed.
bool CommitToneEntry(ChannelTable& table, int row, int column, const QString& text, int selection);

}  // namespace qx210
