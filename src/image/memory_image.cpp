#include "image/memory_image.h"

namespace qx210 {

QString ToHexText(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex()).toUpper(); }

bool FromHexText(const QString& text, QByteArray& bytes) {
  if (text.size() % 2 != 0) return false;
  for (QChar c : text)
    if (!isxdigit(c.unicode() < 128 ? static_cast<int>(c.unicode()) : 'x')) return false;
  bytes = QByteArray::fromHex(text.toLatin1());
  return true;
}

}  // namespace qx210
