#pragma once

#include <QByteArray>
#include <QString>

#include "core/memory_image.h"

namespace qx210::test {

// "00 25 51 14" -> bytes; blanks are ignored.
inline QByteArray Hex(const char* text) {
  return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// `count` bytes of an image from radio address `address`.
inline QByteArray At(const QByteArray& image, int address, int count) {
  return image.mid(address - kImageBase, count);
}

inline QByteArray Repeat(char byte, int count) { return QByteArray(count, byte); }

}  // namespace qx210::test
