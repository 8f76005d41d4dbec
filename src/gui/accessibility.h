#pragma once

#include <QString>

namespace qx210 {

// Accessible interfaces where Qt's own tell a screen reader the wrong thing:
// - a list is named by its label (its buddy) or accessible name; Qt on Linux
//   names it by the entry it shows;
// - hidden controls of a window, a frame or the tool bar are left out of the
//   tree instead of being listed as invisible;
// - a menu item is named by its caption as it reads: without the access
//   letter, the shortcut written into it, or blanks at its ends.
// Safe to call more than once; windows call it as they are made.
void InstallAccessibleInterfaces();

// A menu caption as a screen reader should say it: "The help topic  F1 "
// gives "The help topic", "文件(&F)" gives "文件", "Save &As…" "Save As…".
QString SpokenCaption(const QString& caption);

}  // namespace qx210
