#include "core/tone_entry.h"

#include <QRegularExpression>

#include "core/frequency_entry.h"

namespace qx210 {

namespace {

constexpr double kLowestTone = 67.0;
constexpr double kHighestTone = 254.1;
constexpr int kHighestCode = 777;

bool IsOctal(const QString& digits) {
  for (QChar c : digits)
    if (c < QLatin1Char('0') || c > QLatin1Char('7')) return false;
  return !digits.isEmpty();
}

std::optional<QString> CheckQtTone(const QString& text) {
  const std::optional<double> value = ParseFrequency(text);
  if (!value || *value < kLowestTone || *value > kHighestTone) return std::nullopt;
  return QString::number(*value, 'f', 1);
}

std::optional<QString> CheckDqtCode(const QString& text) {
  if (text.size() < 3 || !text.startsWith(QLatin1Char('D'))) return std::nullopt;
  const QChar polarity = text.back();
  if (polarity != QLatin1Char('N') && polarity != QLatin1Char('I')) return std::nullopt;
  const QString code = text.mid(1, text.size() - 2);
  const std::optional<double> value = ParseFrequency(code);
  if (!value) return std::nullopt;
  if (*value > kHighestCode) return QStringLiteral("D777") + polarity;
  if (!IsOctal(code)) return std::nullopt;
  return QStringLiteral("D%1").arg(code.toInt(), 3, 10, QLatin1Char('0')) + polarity;
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

std::optional<QString> CheckToneEntry(const QString& text, int selection) {
  if (!text.startsWith(QLatin1Char('D')) && selection != 0) return CheckQtTone(text);
  return CheckDqtCode(text);
}

void PickTone(ChannelTable& table, int row, int column, int position, UiLanguage language) {
  if (position == 0) {
    table.setToneOffCell(row, column, language);
    return;
  }
  const QStringList list = ToneList(language);
  if (position > 0 && position < list.size()) table.setToneText(row, column, list.at(position));
}

bool CommitToneEntry(ChannelTable& table, int row, int column, const QString& text, int selection) {
  const std::optional<QString> tone = CheckToneEntry(text, selection);
  if (!tone) return false;
  const bool changed = table.cell(row, column) != *tone || table.toneOff(row, column);
  table.setToneText(row, column, *tone);
  return changed;
}

}  // namespace qx210
