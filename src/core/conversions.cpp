#include "core/conversions.h"

#include <algorithm>
#include <cmath>

namespace qx210 {

namespace {

int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return 0;
}

}  // namespace

QString HexToBits(const QString& hex) {
  QString bits;
  bits.reserve(hex.size() * 4);
  for (QChar c : hex) {
    const int v = HexDigitValue(c);
    for (int bit = 3; bit >= 0; --bit) bits.append((v >> bit) & 1 ? QLatin1Char('1') : QLatin1Char('0'));
  }
  return bits;
}

QString BitsToHex(QString& bits) {
  while (bits.size() % 4 != 0) bits.prepend(QLatin1Char('0'));
  QString hex;
  hex.reserve(bits.size() / 4);
  for (qsizetype i = 0; i < bits.size(); i += 4) {
    int v = 0;
    for (int k = 0; k < 4; ++k) v = v * 2 + (bits.at(i + k) == QLatin1Char('1') ? 1 : 0);
    hex.append(QString::number(v, 16).toUpper());
  }
  return hex;
}

QString ByteToHex(long long value) {
  QString s = QString::number(value, 16).toUpper();
  if (s.size() == 1) s.prepend(QLatin1Char('0'));
  return s;
}

QString WordToHex(int value) {
  const auto word = static_cast<unsigned>(value) & 0xFFFFu;
  return QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

double SnapToChannelStep(const QString& frequency) {
  const QString head = frequency.left(frequency.size() - 4);
  const int a = frequency.right(4).toInt();
  const int r5 = a % 500;
  const int r6 = a % 625;
  if (r5 == 0 || r6 == 0) return frequency.toDouble();
  const int snapped = r6 <= r5 ? a - r6 : a - r5;
  return (head + QStringLiteral("%1").arg(snapped, 4, 10, QLatin1Char('0'))).toDouble();
}

double StepRemainder(double step, double value) {
  if (value < step) return value;
  const double q = value / step;
  // The quotient counts as whole when its 15-significant-digit text has no point.
  if (!QString::number(q, 'g', 15).contains(QLatin1Char('.'))) return 0;
  // Subtract whole steps until less than one step is left. The search starts
  // just below the quotient: no smaller multiple can leave less than a step.
  for (auto i = std::max<long long>(1, static_cast<long long>(std::floor(q)) - 2);; ++i) {
    const double e = value - static_cast<double>(i) * step;
    if (e < step) return e;
  }
}

QString FormatFiveDecimals(double megahertz) { return QString::number(megahertz, 'f', 5); }

}  // namespace qx210
