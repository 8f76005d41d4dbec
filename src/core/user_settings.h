#pragma once

#include <QSettings>

namespace qx210 {

// The per-user settings file of the program (on Linux
// ~/.config/qx210/qx210.ini): port overrides, recent files, questions the
// user asked not to see again.
inline QSettings UserSettings() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("qx210"), QStringLiteral("qx210"));
}

}  // namespace qx210
