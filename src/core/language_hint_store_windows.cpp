// The installer's language hint on Windows: the registry key
// HKEY_CURRENT_USER\<keyPath>.
#include <QSettings>

#include "core/language_restore.h"

namespace qx210 {

std::unique_ptr<QSettings> OpenLanguageHintStore(const QString& keyPath) {
  return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\") + keyPath, QSettings::NativeFormat);
}

}  // namespace qx210
