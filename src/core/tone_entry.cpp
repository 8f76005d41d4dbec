#include "core/tone_entry.h"

#include "core/frequency_entry.h"

namespace qx210 {

namespace {

constexpr double kLowestTone = 67.0;
constexpr double kHighestTone = 254.1;
constexpr int kHighestCodeTyped = 777;

bool IsOctal(const QString& digits) {
  for (QChar c : digits)
    if (c < QLatin1Char('0') || c > QLatin1Char('7')) return false;
  return !digits.isEmpty();
}

std::optional<Tone> CheckQtTone(const QString& text) {
  const std::optional<double> value = ParseFrequency(text);
  if (!value || *value < kLowestTone || *value > kHighestTone) return std::nullopt;
  // Kept as shown: one decimal ("88" is 88.0 Hz).
  return Tone::qt(QString::number(*value, 'f', 1).remove(QLatin1Char('.')).toInt());
}

std::optional<Tone> CheckDqtCode(const QString& text) {
  if (text.size() < 3 || !text.startsWith(QLatin1Char('D'))) return std::nullopt;
  const QChar polarity = text.back();
  if (polarity != QLatin1Char('N') && polarity != QLatin1Char('I')) return std::nullopt;
  const bool inverted = polarity == QLatin1Char('I');
  const QString code = text.mid(1, text.size() - 2);
  const std::optional<double> value = ParseFrequency(code);
  if (!value) return std::nullopt;
  if (*value > kHighestCodeTyped) return Tone::dqt(Tone::kHighestCode, inverted);
  // The radio stores three octal digits.
  if (!IsOctal(code)) return std::nullopt;
  return Tone::dqt(code.toInt(nullptr, 8), inverted);
}

}  // namespace

QChar FilterToneCharacter(QChar c) {
  const char16_t u = c.unicode();
  if ((u >= '0' && u <= '9') || u == '\b' || u == '.') return c;
  switch (u) {
    case 'd': case 'D': return QLatin1Char('D');
    case 'n': case 'N': return QLatin1Char('N');
    case 'i': case 'I': return QLatin1Char('I');
    default: return {};
  }
}

std::optional<Tone> CheckToneEntry(const QString& text, int selection) {
  if (!text.startsWith(QLatin1Char('D')) && selection != 0) return CheckQtTone(text);
  return CheckDqtCode(text);
}

}  // namespace qx210
