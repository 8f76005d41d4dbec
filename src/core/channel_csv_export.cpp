#include "core/channel_csv.h"
#include "core/channel_csv_columns.h"
#include "core/csv.h"

namespace qx210 {

namespace {

using namespace channel_list;

constexpr Bilingual kOddRxFrequency{"信道 %1 没有导出：接收频率 %2 含有非十进制数字。",
                                    "Channel %1 was not exported: its RX frequency %2 has a digit that is not decimal."};
constexpr Bilingual kOddTxFrequency{"信道 %1 没有导出：发射频率 %2 含有非十进制数字。",
                                    "Channel %1 was not exported: its TX frequency %2 has a digit that is not decimal."};
constexpr Bilingual kOddRxTone{"信道 %1 没有导出：接收亚音频字 %2 不是列表能表示的亚音频。",
                               "Channel %1 was not exported: its RX tone word %2 is no tone a channel list can hold."};
constexpr Bilingual kOddTxTone{"信道 %1 没有导出：发射亚音频字 %2 不是列表能表示的亚音频。",
                               "Channel %1 was not exported: its TX tone word %2 is no tone a channel list can hold."};
constexpr Bilingual kBcloNotExported{"信道列表没有禁发（BCLO）列：信道 %1 的“载波”设置没有导出。",
                                     "A channel list has no BCLO column: the Carrier setting of channels %1 is not exported."};

// ---- Writing ---------------------------------------------------------------------

// A tone that reads back as itself through a list: Off, a QT tone of 67.0
// to 254.1 Hz, or any DQT code (a tone holds only its code and polarity).
bool IsListTone(const Tone& tone) {
  return tone.kind() != Tone::Kind::Qt || (tone.qtTenths() >= 670 && tone.qtTenths() <= 2541);
}

QString CodeText(const Tone& tone) { return QStringLiteral("%1").arg(tone.dqtCode(), 3, 8, QLatin1Char('0')); }
QChar PolarityLetter(const Tone& tone) {
  return tone.kind() == Tone::Kind::Dqt && tone.inverted() ? QLatin1Char('R') : QLatin1Char('N');
}

// The tone columns of a channel, unused ones with the usual fillers.
struct ToneColumns {
  QString mode;
  QString rTone = QStringLiteral("88.5");
  QString cTone = QStringLiteral("88.5");
  QString dtcs = QStringLiteral("023");
  QString polarity = QStringLiteral("NN");
  QString rxDtcs = QStringLiteral("023");
  QString cross = QStringLiteral("Tone->Tone");
};

ToneColumns WriteTones(const Tone& tx, const Tone& rx) {
  using Kind = Tone::Kind;
  ToneColumns c;
  const Kind t = tx.kind();
  const Kind r = rx.kind();
  c.polarity = QString(PolarityLetter(tx)) + PolarityLetter(rx);
  if (t == Kind::Off && r == Kind::Off) {
    // No tone: the fillers.
  } else if (t == Kind::Qt && r == Kind::Off) {
    c.mode = QStringLiteral("Tone");
    c.rTone = tx.text();
  } else if (t == Kind::Qt && tx == rx) {
    c.mode = QStringLiteral("TSQL");
    c.rTone = c.cTone = tx.text();
  } else if (t == Kind::Off && r == Kind::Qt) {
    c.mode = QStringLiteral("TSQL-R");
    c.rTone = rx.text();
  } else if (t == Kind::Dqt && r == Kind::Dqt && tx.dqtCode() == rx.dqtCode()) {
    c.mode = QStringLiteral("DTCS");
    c.dtcs = c.rxDtcs = CodeText(tx);
  } else if (t == Kind::Off && r == Kind::Dqt) {
    // Readers differ in which polarity letter they take for a receive-only
    // code, so both letters carry it.
    c.mode = QStringLiteral("DTCS-R");
    c.dtcs = c.rxDtcs = CodeText(rx);
    c.polarity = QString(PolarityLetter(rx)) + PolarityLetter(rx);
  } else {
    c.mode = QStringLiteral("Cross");
    QString txSide;
    QString rxSide;
    if (t == Kind::Qt) {
      txSide = QStringLiteral("Tone");
      c.rTone = tx.text();
    } else if (t == Kind::Dqt) {
      txSide = QStringLiteral("DTCS");
      c.dtcs = CodeText(tx);
    }
    if (r == Kind::Qt) {
      rxSide = QStringLiteral("Tone");
      c.cTone = rx.text();
    } else if (r == Kind::Dqt) {
      rxSide = QStringLiteral("DTCS");
      c.rxDtcs = CodeText(rx);
    }
    c.cross = txSide + QStringLiteral("->") + rxSide;
  }
  return c;
}

// Above this distance between RX and TX a list says "split" (TX given
// outright) rather than a repeater offset.
constexpr qint64 kLargestOffsetTenHertz = 1'000'000;  // 10 MHz

QStringList ChannelRow(int n, const Channel& channel, qint64 rx) {
  QString duplex;
  qint64 offset = 0;
  if (channel.tx.isEmpty()) {
    duplex = QStringLiteral("off");
  } else if (const qint64 tx = *channel.tx.tenHertz(); tx != rx) {
    const qint64 distance = qAbs(tx - rx);
    if (distance > kLargestOffsetTenHertz) {
      duplex = QStringLiteral("split");
      offset = tx;
    } else {
      duplex = tx > rx ? QStringLiteral("+") : QStringLiteral("-");
      offset = distance;
    }
  }
  const ToneColumns tones = WriteTones(channel.txTone, channel.rxTone);
  const QString step = rx % 500 != 0 && rx % 625 == 0 ? QStringLiteral("6.25") : QStringLiteral("5.00");
  QStringList fields(kFieldCount);
  fields[kLocation] = QString::number(n);
  fields[kFrequency] = MegahertzText(rx, 6);
  fields[kDuplex] = duplex;
  fields[kOffset] = MegahertzText(offset, 6);
  fields[kToneMode] = tones.mode;
  fields[kRToneFreq] = tones.rTone;
  fields[kCToneFreq] = tones.cTone;
  fields[kDtcsCode] = tones.dtcs;
  fields[kDtcsPolarity] = tones.polarity;
  fields[kRxDtcsCode] = tones.rxDtcs;
  fields[kCrossMode] = tones.cross;
  fields[kMode] = channel.wide ? QStringLiteral("FM") : QStringLiteral("NFM");
  fields[kTStep] = step;
  fields[kSkip] = channel.scanAdd ? QString() : QStringLiteral("S");
  fields[kPower] = channel.highPower ? QStringLiteral("High") : QStringLiteral("Low");
  return fields;
}

QString WordText(const Tone& tone) {
  return QStringLiteral("0x") + QStringLiteral("%1").arg(tone.word(), 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

// ---- Export ------------------------------------------------------------------------

QStringList ChannelListHeader() {
  QStringList header;
  for (const char* name : kFieldNames) header << QString::fromLatin1(name);
  return header;
}

ChannelExport ExportChannelList(const RadioState& state) {
  ChannelExport result;
  const QString lineEnd = QStringLiteral("\r\n");
  result.text = CsvLine(ChannelListHeader()) + lineEnd;
  QStringList bcloChannels;
  for (int n = 1; n <= kChannelCount; ++n) {
    const Channel& channel = state.channel(n);
    if (!channel.inUse()) continue;
    const QString number = QString::number(n);
    const std::optional<qint64> rx = channel.rx.tenHertz();
    if (!rx) {
      result.warnings.push_back({kOddRxFrequency, {number, channel.rx.text()}});
      continue;
    }
    if (!channel.tx.isEmpty() && !channel.tx.tenHertz()) {
      result.warnings.push_back({kOddTxFrequency, {number, channel.tx.text()}});
      continue;
    }
    if (!IsListTone(channel.rxTone)) {
      result.warnings.push_back({kOddRxTone, {number, WordText(channel.rxTone)}});
      continue;
    }
    if (!IsListTone(channel.txTone)) {
      result.warnings.push_back({kOddTxTone, {number, WordText(channel.txTone)}});
      continue;
    }
    if (channel.bclo) bcloChannels << number;
    result.text += CsvLine(ChannelRow(n, channel, *rx)) + lineEnd;
    ++result.channelCount;
  }
  if (!bcloChannels.isEmpty()) result.warnings.push_back({kBcloNotExported, {bcloChannels.join(QStringLiteral(", "))}});
  return result;
}

}  // namespace qx210
