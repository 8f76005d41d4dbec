#include "core/memory_image.h"

namespace qx210 {

QString ToHexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex()).toUpper(); }

}  // namespace qx210
