#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace qx210 {

// A frequency as the radio stores it: eight BCD digits in units of 10 Hz,
// least significant byte first (145.12500 MHz is 00 25 51 14). FF FF FF FF
// means no frequency. The bytes are kept as they are, so a value with
// non-decimal digits read from a radio is written back unchanged.
class Frequency {
 public:
  using Bytes = std::array<quint8, 4>;
  static constexpr qint64 kMaximumTenHertz = 99'999'999;  // 999.99999 MHz

  constexpr Frequency() = default;
  static constexpr Frequency fromBytes(Bytes bytes) { return Frequency(bytes); }
  // 0 .. 99 999 999 units of 10 Hz; nothing for other values.
  static std::optional<Frequency> fromTenHertz(qint64 units);
  // The nine-character text "DDD.DDDDD" in MHz (decimal digits only).
  static std::optional<Frequency> fromText(const QString& text);

  bool isEmpty() const { return m_bytes == Bytes{0xFF, 0xFF, 0xFF, 0xFF}; }
  Bytes bytes() const { return m_bytes; }
  // The value in units of 10 Hz; nothing when empty or when a digit is not decimal.
  std::optional<qint64> tenHertz() const;
  // "DDD.DDDDD" as the table shows it, digit by digit from the bytes (a
  // non-decimal digit shows as its hexadecimal letter); empty when empty.
  QString text() const;

  bool operator==(const Frequency&) const = default;

 private:
  constexpr explicit Frequency(Bytes bytes) : m_bytes(bytes) {}
  Bytes m_bytes{0xFF, 0xFF, 0xFF, 0xFF};
};

// The MHz text of a value in units of 10 Hz with `decimals` (5 or 6) decimals.
QString MegahertzText(qint64 tenHertz, int decimals = 5);

}  // namespace qx210
