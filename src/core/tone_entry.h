#pragma once

#include <QString>
#include <optional>

#include "core/tone.h"

// The rules of the tone list: its key filter and the check of the
// edited text when the list loses the focus.
namespace qx210 {

// The character that reaches the editor for a typed `c`: digits, Backspace,
// the decimal point and the letters D, N and I (lower case is raised). A null
// QChar means the character is discarded.
QChar FilterToneCharacter(QChar c);

// The tone that closing the editor writes, or nothing when the cell keeps
// its content. `selection` is the list position matching the edited text, -1
// when none does.
//  - QT: a number from 67 to 254.1, kept to one decimal.
//  - DQT: "D", a code, "N" or "I". A code above 777 becomes 777; otherwise it
//    must be octal digits ("D23N" and "D0023N" both give D023N).
std::optional<Tone> CheckToneEntry(const QString& text, int selection);

}  // namespace qx210
