#include "core/frequency_entry.h"

#include <QRegularExpression>

#include "core/bands.h"
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
  return MegahertzText(SnapToChannelStep(RoundToTenHertz(megahertz)));
}

FrequencyOutcome CommitFrequencyEntry(Channel& channel, int band, int column, const QString& text) {
  if (text.isEmpty()) {
    // Emptying the RX frequency is the one way to delete a channel; an
    // emptied TX frequency keeps its old value.
    if (column == kColRxFreq) {
      channel = Channel{};
      return FrequencyOutcome::ChannelDeleted;
    }
    return FrequencyOutcome::Unchanged;
  }
  const std::optional<double> value = ParseFrequency(text);
  // A channel is started at its RX frequency; it has no TX frequency before.
  if (!value || (column == kColTxFreq && !channel.inUse())) return FrequencyOutcome::Unchanged;
  if (*value < BandAt(band).low || *value > BandAt(band).high) return FrequencyOutcome::OutOfBand;

  // Every band lies within 100..999 MHz, so the text has the nine-character form.
  const std::optional<Frequency> frequency = Frequency::fromText(SnappedFrequencyText(*value));
  if (!frequency) return FrequencyOutcome::Unchanged;
  // The defaults belong to an empty TX frequency, not to an unused channel.
  if (column == kColRxFreq && channel.tx.isEmpty()) {
    channel = NewChannel(*frequency);
  } else {
    // A simplex channel stays simplex: a TX that was the old RX follows it,
    // else the radio would transmit where the user no longer listens.
    if (column == kColRxFreq && channel.tx == channel.rx) channel.tx = *frequency;
    FrequencyOf(channel, column) = *frequency;
  }
  return FrequencyOutcome::Written;
}

}  // namespace qx210
