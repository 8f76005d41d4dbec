#include "core/frequency.h"

namespace qx210 {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

std::optional<Frequency> Frequency::fromTenHertz(qint64 units) {
  if (units < 0 || units > kMaximumTenHertz) return std::nullopt;
  Bytes bytes{};
  for (quint8& byte : bytes) {
    const int low = static_cast<int>(units % 10);
    units /= 10;
    const int high = static_cast<int>(units % 10);
    units /= 10;
    byte = static_cast<quint8>(high << 4 | low);
  }
  return Frequency(bytes);
}

std::optional<Frequency> Frequency::fromText(const QString& text) {
  if (text.size() != 9 || text.at(3) != QLatin1Char('.')) return std::nullopt;
  qint64 units = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (i == 3) continue;
    const char16_t c = text.at(i).unicode();
    if (c < '0' || c > '9') return std::nullopt;
    units = units * 10 + (c - '0');
  }
  return fromTenHertz(units);
}

std::optional<qint64> Frequency::tenHertz() const {
  if (isEmpty()) return std::nullopt;
  qint64 units = 0;
  for (auto it = m_bytes.rbegin(); it != m_bytes.rend(); ++it) {
    const int high = *it >> 4;
    const int low = *it & 0x0F;
    if (high > 9 || low > 9) return std::nullopt;
    units = units * 100 + high * 10 + low;
  }
  return units;
}

QString Frequency::text() const {
  if (isEmpty()) return {};
  // Most significant digit first; the point follows the third digit.
  QString text;
  text.reserve(9);
  for (auto it = m_bytes.rbegin(); it != m_bytes.rend(); ++it) {
    text.append(QLatin1Char(kHexDigits[*it >> 4]));
    if (text.size() == 3) text.append(QLatin1Char('.'));
    text.append(QLatin1Char(kHexDigits[*it & 0x0F]));
    if (text.size() == 3) text.append(QLatin1Char('.'));
  }
  return text;
}

QString MegahertzText(qint64 tenHertz, int decimals) {
  const qint64 whole = tenHertz / 100'000;
  qint64 fraction = tenHertz % 100'000;
  for (int d = 5; d < decimals; ++d) fraction *= 10;
  return QStringLiteral("%1.%2").arg(whole).arg(fraction, decimals, 10, QLatin1Char('0'));
}

}  // namespace qx210
