#include "core/frequency_entry.h"

#include <QRegularExpression>

#include "core/conversions.h"

namespace qx210 {

bool IsFrequencyCharacter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || u == '\b' || u == '.';
}

std::optional<double> ParseFrequency(const QString& text) {
  static const QRegularExpression kNumber(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
  if (!kNumber.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = text.toDouble(&ok);
  if (!ok) return std::nullopt;
  return value;
}

QString SnappedFrequencyText(double megahertz) {
  return FormatFiveDecimals(SnapToChannelStep(FormatFiveDecimals(megahertz)));
}

FrequencyOutcome CommitFrequencyEntry(ChannelTable& table, const BandState& band, int row, int column,
                                      const QString& text, UiLanguage language) {
  if (text.isEmpty()) {
    // Emptying the RX frequency is the one way to delete a channel; an
    // emptied TX cell keeps its old text.
    if (column == kColRxFreq) {
      table.ClearNO(row);
      return FrequencyOutcome::ChannelDeleted;
    }
    return FrequencyOutcome::Unchanged;
  }
  const std::optional<double> value = ParseFrequency(text);
  if (!value) return FrequencyOutcome::Unchanged;
  // Every band lies within 100..999 MHz, so an accepted value always gives a
  // nine-character cell text.
  if (*value < band.low() || *value > band.high()) return FrequencyOutcome::OutOfBand;

  const QString cellText = SnappedFrequencyText(*value);
  table.setCell(row, column, cellText);
  // The defaults belong to an empty TX cell, not to an empty row.
  if (column == kColRxFreq && table.cell(row, kColTxFreq).isEmpty())
    table.applyNewChannelDefaults(row, cellText, language);
  return FrequencyOutcome::Written;
}

}  // namespace qx210
