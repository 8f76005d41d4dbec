#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <memory>

#include "core/ui_language.h"

class QSettings;

namespace qx210 {

// The one-time language hint: the string value "Languages" under the key
// "QB-7" of the current user, left by an installer. On Windows it is the
// registry key HKEY_CURRENT_USER\QB-7; elsewhere the per-user native settings
// file of the organisation "QB-7" (on Linux ~/.config/QB-7.conf).
inline constexpr char kLanguageHintKeyPath[] = "QB-7";
inline constexpr char kLanguageHintName[] = "Languages";

// The settings store that holds the hint, in the platform's native format.
std::unique_ptr<QSettings> OpenLanguageHintStore(const QString& keyPath = QString::fromLatin1(kLanguageHintKeyPath));

// The hint as text: a string up to its first NUL; binary data as its first two
// bytes read as a signed little-endian 16-bit number in decimal; empty for
// anything else, including a missing value.
QString LanguageHintText(const QVariant& value);

// RestoreLanguage: a non-empty hint decides ("english" gives English, any
// other text Chinese) and is deleted; without one the stored byte of the
// parameter file decides. A stored value other than 0, 1 or 2 comes from a
// damaged file and gives English, so the window never lacks its captions.
UiLanguage RestoreLanguage(QSettings& hintStore, int storedValue);

// The language a first start takes from the system: Chinese when the user's
// preferred interface language is Chinese (zh, zh_CN, zh_TW, ...), English
// otherwise.
UiLanguage LanguageOfLocale(const QLocale& locale = QLocale::system());

}  // namespace qx210
