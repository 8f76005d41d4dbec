#include "core/tone.h"

namespace qx210 {

std::optional<Tone> Tone::qt(int tenths) {
  if (tenths < 0 || tenths >= kOffWord) return std::nullopt;
  const Tone tone(static_cast<quint16>(tenths));
  if (tone.kind() != Kind::Qt) return std::nullopt;
  return tone;
}

std::optional<Tone> Tone::dqt(int code, bool inverted) {
  if (code < 0 || code > kHighestCode) return std::nullopt;
  return Tone(static_cast<quint16>((inverted ? 0xA800 : 0x2800) | code));
}

Tone::Kind Tone::kind() const {
  if (m_word == kOffWord) return Kind::Off;
  const int top = m_word >> 12;
  return top == 0x2 || top == 0xA ? Kind::Dqt : Kind::Qt;
}

QString Tone::text() const {
  switch (kind()) {
    case Kind::Off:
      return {};
    case Kind::Dqt:
      // Always three octal digits: the radio stores three.
      return QStringLiteral("D%1%2")
          .arg(dqtCode(), 3, 8, QLatin1Char('0'))
          .arg(inverted() ? QLatin1Char('I') : QLatin1Char('N'));
    case Kind::Qt:
      break;
  }
  // Every digit but the last, a point, the last digit (670 gives "67.0").
  const QString digits = QString::number(m_word);
  return digits.left(digits.size() - 1) + QLatin1Char('.') + digits.right(1);
}

}  // namespace qx210
