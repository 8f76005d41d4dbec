// The installer's language hint elsewhere: the per-user native settings file
// of the organisation <keyPath> (on Linux ~/.config/<keyPath>.conf).
#include <QSettings>

#include "core/language_restore.h"

namespace qx210 {

std::unique_ptr<QSettings> OpenLanguageHintStore(const QString& keyPath) {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, keyPath);
}

}  // namespace qx210
