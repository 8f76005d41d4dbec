#pragma once

#include <QChar>

class QAbstractItemView;
class QAction;
class QMenu;

namespace qx210 {

// Access letters for menu items whose caption cannot carry one. The Chinese
// captions of some items are fixed texts without the "(&X)" mark; such an
// item still answers its English caption's letter while its menu is open.
// A letter written into the shown caption wins over one given here.
void SetAccessKey(QAction* action, QChar letter);
// The letter given to `action`, or its caption's own mark.
QChar AccessKey(const QAction* action);
// Lets `menu` answer the given letters; its submenus too.
void WatchAccessKeys(QMenu* menu);

// Ctrl+Tab and Ctrl+Shift+Tab move the focus on from a table whose Tab moves
// between its cells.
void LeaveWithCtrlTab(QAbstractItemView* view);

}  // namespace qx210
