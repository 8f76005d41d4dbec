#include "core/conversions.h"

namespace qx210 {

QString WordToHex(int value) {
  const auto word = static_cast<unsigned>(value) & 0xFFFFu;
  return QStringLiteral("%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

qint64 SnapToChannelStep(qint64 tenHertz) {
  const qint64 r5 = tenHertz % kRaster5kHz;
  const qint64 r6 = tenHertz % kRaster6250Hz;
  if (r5 == 0 || r6 == 0) return tenHertz;
  return tenHertz - (r6 <= r5 ? r6 : r5);
}

qint64 RoundToTenHertz(double megahertz) {
  // The text's rounding, not the binary product's: 145.0125 is 14501250.
  return FormatFiveDecimals(megahertz).remove(QLatin1Char('.')).toLongLong();
}

QString FormatFiveDecimals(double megahertz) { return QString::number(megahertz, 'f', 5); }

}  // namespace qx210
