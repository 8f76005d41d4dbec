#include "core/channel_csv.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "core/bands.h"
#include "core/channel_csv_columns.h"
#include "core/csv.h"
#include "core/frequency_entry.h"
#include "core/tone_entry.h"

namespace qx210 {

namespace {

using namespace channel_list;

constexpr Bilingual kEmptyList{"文件是空的，没有信道列表。", "The file is empty: there is no channel list in it."};
constexpr Bilingual kNoFrequencyColumn{"第一行没有“Frequency”列，这不是信道列表。",
                                       "The first line has no \"Frequency\" column: this is not a channel list."};
constexpr Bilingual kUnclosedQuote{"引号没有闭合，文件其余部分都被算作这一行",
                                   "a quotation mark is not closed, so the rest of the file became part of this row"};
constexpr Bilingual kValueMissing{"%1 为空", "%1 is empty"};
constexpr Bilingual kNotANumber{"%1“%2”不是数字", "%1 \"%2\" is not a number"};
constexpr Bilingual kOutOfBand{"%1 %2 超出频段范围 %3", "%1 %2 is beyond the frequency range %3"};
constexpr Bilingual kMovedOntoRaster{"%1 %2 已调整到信道步进上的 %3", "%1 %2 was moved onto the channel raster: %3"};
constexpr Bilingual kUnknownDuplex{"Duplex“%1”无法识别（应为空、+、-、split 或 off）",
                                   "Duplex \"%1\" is not blank, +, -, split or off"};
constexpr Bilingual kUnknownToneMode{"Tone“%1”无法识别（应为空、Tone、TSQL、DTCS、TSQL-R、DTCS-R 或 Cross）",
                                     "Tone \"%1\" is not blank, Tone, TSQL, DTCS, TSQL-R, DTCS-R or Cross"};
constexpr Bilingual kUnknownCrossMode{
    "CrossMode“%1”无法识别（应为 Tone->Tone、Tone->DTCS、DTCS->Tone、->Tone、->DTCS、DTCS-> 或 DTCS->DTCS）",
    "CrossMode \"%1\" is not Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, ->DTCS, DTCS-> or DTCS->DTCS"};
constexpr Bilingual kToneMissing{"%1 为空，而 Tone %2 需要它", "%1 is empty, but Tone %2 needs it"};
constexpr Bilingual kQtOutOfRange{"%1 %2 超出亚音频范围 67.0 至 254.1 Hz", "%1 %2 lies outside the QT range 67.0 to 254.1 Hz"};
constexpr Bilingual kQtRounded{"%1 %2 按一位小数写作 %3", "%1 %2 was kept to one decimal: %3"};
constexpr Bilingual kBadDcsCode{"%1“%2”不是 DCS 码（八进制数字 0 至 7）", "%1 \"%2\" is not a DCS code (octal digits 0 to 7)"};
constexpr Bilingual kDcsCodeCut{"%1 %2 大于 777，写作 777", "%1 %2 is above 777 and became 777"};
constexpr Bilingual kBadPolarity{"DtcsPolarity“%1”无效（应为 NN、NR、RN 或 RR）", "DtcsPolarity \"%1\" is not NN, NR, RN or RR"};
constexpr Bilingual kUnsupportedMode{"本机不支持 Mode“%1”（只有 FM 和 NFM）",
                                     "Mode \"%1\" is not available on this radio (FM or NFM only)"};
constexpr Bilingual kUnknownSkip{"Skip“%1”无法识别（应为空、S 或 P）", "Skip \"%1\" is not blank, S or P"};
constexpr Bilingual kLocationTaken{"Location %1 所指的信道已由第 %2 行占用", "Location %1 names a channel that line %2 already fills"};
constexpr Bilingual kLeftOver{"信道 16 之后已无信道，未导入", "left over: there is no channel after channel 16"};
constexpr Bilingual kLeftOverRows{"%1 行未导入（第 %2 至 %3 行）：信道 16 之后已无信道",
                                  "%1 rows left over (lines %2 to %3): there is no channel after channel 16"};
constexpr Bilingual kNamesNotKept{"本机不存储信道名称：列表中的名称没有导入。",
                                  "Names are not kept: this radio stores no channel names."};
constexpr Bilingual kLocationDisregarded{
    "未按 Location 列放置：并非每一行的 Location 都是信道 1 至 16，因此各行按文件顺序从信道 %1 起依次填入。",
    "The Location column was disregarded: not every row's Location is a channel 1 to 16, so the rows fill the "
    "channels in file order from channel %1."};
constexpr Bilingual kLinePrefix{"第 %1 行：", "line %1: "};
constexpr Bilingual kReasonSeparator{"；", "; "};

// Where each known column stands in a file's header; files differ in which
// columns they carry and in their order. The first of two equal names wins.
class Columns {
 public:
  explicit Columns(const QStringList& header) {
    m_index.fill(-1);
    for (int i = 0; i < static_cast<int>(header.size()); ++i) {
      const QString name = header.at(i).trimmed();
      for (int f = 0; f < kFieldCount; ++f) {
        if (m_index[static_cast<std::size_t>(f)] < 0 &&
            name.compare(QLatin1String(kFieldNames[static_cast<std::size_t>(f)]), Qt::CaseInsensitive) == 0)
          m_index[static_cast<std::size_t>(f)] = i;
      }
    }
  }
  bool has(Field field) const { return m_index[static_cast<std::size_t>(field)] >= 0; }
  // The field's text without blanks around it; empty where the column or the field is missing.
  QString value(const CsvRecord& record, Field field) const {
    const int index = m_index[static_cast<std::size_t>(field)];
    return index >= 0 ? record.fields.value(index).trimmed() : QString();
  }

 private:
  std::array<int, kFieldCount> m_index{};
};

bool HasContent(const CsvRecord& record) {
  if (record.unclosedQuote) return true;
  for (const QString& field : record.fields)
    if (!field.trimmed().isEmpty()) return true;
  return false;
}

// Numbers of a list are checked against this before any arithmetic: no band
// reaches it, so a larger frequency or offset is beyond every band.
constexpr double kLargestListMegahertz = 10'000;

// A value in MHz as whole hertz; nothing when it is not a number, and
// `tooLarge` set when it lies beyond kLargestListMegahertz.
std::optional<qint64> ListHertz(const QString& text, bool& tooLarge) {
  const std::optional<double> value = ParseFrequency(text);
  tooLarge = value && !(*value <= kLargestListMegahertz);
  if (!value || tooLarge) return std::nullopt;
  return qRound64(*value * 1e6);
}

// A value in hertz as MHz with six decimals; the sign is kept.
QString HertzText(qint64 hertz) {
  const QString sign = hertz < 0 ? QStringLiteral("-") : QString();
  const qint64 magnitude = hertz < 0 ? -hertz : hertz;
  return sign + QStringLiteral("%1.%2").arg(magnitude / 1'000'000).arg(magnitude % 1'000'000, 6, 10, QLatin1Char('0'));
}

// ---- Reading one row -----------------------------------------------------------

// Power: a text with "low" in it, or less than 2.5 W, is Low; anything else
// (a level name, more watts, nothing) is High.
bool IsLowPower(const QString& text) {
  if (text.contains(QLatin1String("low"), Qt::CaseInsensitive)) return true;
  static const QRegularExpression kWatts(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)\\s*(m?w)?$"),
                                         QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = kWatts.match(text);
  if (!match.hasMatch()) return false;
  double watts = match.captured(1).toDouble();
  if (match.captured(2).compare(QLatin1String("mw"), Qt::CaseInsensitive) == 0) watts /= 1000;
  return watts < 2.5;
}

// Where a tone of the row comes from.
struct ToneSource {
  enum Kind { None, Ctcss, Dcs } kind = None;
  Field field = kRToneFreq;
};

struct TonePlan {
  ToneSource tx;
  ToneSource rx;
  QString modeText;  // the mode as the file names it, for messages
};

// Reads one row by the rules of typing each value into the channel table.
class RowReader {
 public:
  RowReader(const Columns& columns, const CsvRecord& record, int band, ImportRow& row)
      : m_columns(columns), m_record(record), m_band(band), m_row(row) {}

  void read() {
    Channel channel;
    const bool rxEntered = enterRx(channel);
    enterTx(channel, rxEntered);
    enterTones(channel);
    enterMode(channel);
    enterSkip(channel);
    channel.highPower = !IsLowPower(value(kPower));
    channel.bclo = false;
    m_row.value = channel;
  }

 private:
  QString value(Field field) const { return m_columns.value(m_record, field); }
  // TSQL reads one column for both tones: its fault is said once.
  static void Add(std::vector<ListMessage>& messages, ListMessage message) {
    if (std::find(messages.begin(), messages.end(), message) == messages.end()) messages.push_back(std::move(message));
  }
  void fail(const Bilingual& format, const QStringList& arguments = {}) { Add(m_row.reasons, {format, arguments}); }
  void note(const Bilingual& format, const QStringList& arguments) { Add(m_row.notes, {format, arguments}); }
  QString bandText() const { return QString::fromLatin1(BandAt(m_band).text); }

  // A frequency the entry rules lowered onto the raster is worth a note.
  void noteSnapped(const QString& label, const QString& typed, const Frequency& entered) {
    const std::optional<double> value = ParseFrequency(typed);
    if (value && qRound64(*value * 100'000) != entered.tenHertz()) note(kMovedOntoRaster, {label, typed, entered.text()});
  }

  bool enterRx(Channel& channel) {
    const QString text = value(kFrequency);
    if (text.isEmpty()) {
      fail(kValueMissing, {FieldName(kFrequency)});
      return false;
    }
    switch (CommitFrequencyEntry(channel, m_band, kColRxFreq, text)) {
      case FrequencyOutcome::Written:
        noteSnapped(FieldName(kFrequency), text, channel.rx);
        return true;
      case FrequencyOutcome::OutOfBand:
        fail(kOutOfBand, {FieldName(kFrequency), text, bandText()});
        return false;
      case FrequencyOutcome::ChannelDeleted:
      case FrequencyOutcome::Unchanged:
        break;
    }
    fail(kNotANumber, {FieldName(kFrequency), text});
    return false;
  }

  void typeTx(Channel& channel, const QString& label, const QString& text) {
    switch (CommitFrequencyEntry(channel, m_band, kColTxFreq, text)) {
      case FrequencyOutcome::Written:
        noteSnapped(label, text, channel.tx);
        return;
      case FrequencyOutcome::OutOfBand:
        fail(kOutOfBand, {label, text, bandText()});
        return;
      case FrequencyOutcome::ChannelDeleted:
      case FrequencyOutcome::Unchanged:
        break;
    }
    fail(kNotANumber, {label, text});
  }

  void enterTx(Channel& channel, bool rxEntered) {
    const QString duplex = value(kDuplex).toLower();
    const QString offset = value(kOffset);
    // Simplex: TX equals RX whatever Offset says; entering RX has set it.
    if (duplex.isEmpty()) return;
    if (duplex == QLatin1String("off")) {
      channel.tx = Frequency();
      return;
    }
    if (duplex == QLatin1String("split")) {
      if (offset.isEmpty()) fail(kValueMissing, {FieldName(kOffset)});
      else typeTx(channel, FieldName(kOffset), offset);
      return;
    }
    if (duplex != QLatin1String("+") && duplex != QLatin1String("-")) {
      fail(kUnknownDuplex, {value(kDuplex)});
      return;
    }
    bool tooLarge = false;
    const std::optional<qint64> step = offset.isEmpty() ? 0 : ListHertz(offset, tooLarge);
    if (tooLarge) {
      fail(kOutOfBand, {FieldName(kOffset), offset, bandText()});
      return;
    }
    if (!step) {
      fail(kNotANumber, {FieldName(kOffset), offset});
      return;
    }
    if (!rxEntered) return;
    // Summed in whole hertz, so that 146.94 - 0.6 is exactly 146.34; an
    // entered RX frequency lies inside its band.
    const qint64 rx = *ListHertz(value(kFrequency), tooLarge);
    const qint64 tx = duplex == QLatin1String("+") ? rx + *step : rx - *step;
    const QString label = QStringLiteral("Frequency %1 Offset").arg(duplex);
    if (tx < 0) fail(kOutOfBand, {label, HertzText(tx), bandText()});
    else typeTx(channel, label, HertzText(tx));
  }

  std::optional<TonePlan> planTones() {
    const QString mode = value(kToneMode).toLower();
    // TSQL and the receive side of Cross read cToneFreq, or rToneFreq where
    // a list has no cToneFreq; DCS on receive reads RxDtcsCode likewise.
    const Field cTone = value(kCToneFreq).isEmpty() ? kRToneFreq : kCToneFreq;
    const Field rxDcs = value(kRxDtcsCode).isEmpty() ? kDtcsCode : kRxDtcsCode;
    TonePlan plan;
    plan.modeText = value(kToneMode);
    if (mode.isEmpty()) return plan;
    if (mode == QLatin1String("tone")) {
      plan.tx = {ToneSource::Ctcss, kRToneFreq};
    } else if (mode == QLatin1String("tsql")) {
      plan.tx = plan.rx = {ToneSource::Ctcss, cTone};
    } else if (mode == QLatin1String("dtcs")) {
      plan.tx = {ToneSource::Dcs, kDtcsCode};
      plan.rx = {ToneSource::Dcs, rxDcs};
    } else if (mode == QLatin1String("tsql-r")) {
      plan.rx = {ToneSource::Ctcss, kRToneFreq};
    } else if (mode == QLatin1String("dtcs-r")) {
      plan.rx = {ToneSource::Dcs, kDtcsCode};
    } else if (mode == QLatin1String("cross")) {
      const QString cross = value(kCrossMode).isEmpty() ? QStringLiteral("Tone->Tone") : value(kCrossMode);
      plan.modeText = QStringLiteral("%1 (%2)").arg(value(kToneMode), cross);
      const QString sides = cross.toLower();
      static const QStringList kCrossModes{QStringLiteral("tone->tone"), QStringLiteral("tone->dtcs"),
                                           QStringLiteral("dtcs->tone"), QStringLiteral("->tone"),
                                           QStringLiteral("->dtcs"),     QStringLiteral("dtcs->"),
                                           QStringLiteral("dtcs->dtcs")};
      if (!kCrossModes.contains(sides)) {
        fail(kUnknownCrossMode, {cross});
        return std::nullopt;
      }
      const QString txSide = sides.section(QStringLiteral("->"), 0, 0);
      const QString rxSide = sides.section(QStringLiteral("->"), 1, 1);
      if (txSide == QLatin1String("tone")) plan.tx = {ToneSource::Ctcss, kRToneFreq};
      if (txSide == QLatin1String("dtcs")) plan.tx = {ToneSource::Dcs, kDtcsCode};
      if (rxSide == QLatin1String("tone")) plan.rx = {ToneSource::Ctcss, cTone};
      if (rxSide == QLatin1String("dtcs")) plan.rx = {ToneSource::Dcs, rxDcs};
    } else {
      fail(kUnknownToneMode, {value(kToneMode)});
      return std::nullopt;
    }
    return plan;
  }

  // The tone the tone list would write for the row's value; Off for None.
  std::optional<Tone> typeTone(const ToneSource& source, const QString& modeText, QChar polarity) {
    if (source.kind == ToneSource::None) return Tone();
    const QString name = FieldName(source.field);
    const QString text = value(source.field);
    if (text.isEmpty()) {
      fail(kToneMissing, {name, modeText});
      return std::nullopt;
    }
    const std::optional<double> number = ParseFrequency(text);
    if (source.kind == ToneSource::Ctcss) {
      if (!number) {
        fail(kNotANumber, {name, text});
        return std::nullopt;
      }
      const std::optional<Tone> tone = CheckToneEntry(text, -1);
      if (!tone) {
        fail(kQtOutOfRange, {name, text});
        return std::nullopt;
      }
      if (qAbs(*number * 10 - tone->qtTenths()) > 1e-6) note(kQtRounded, {name, text, tone->text()});
      return tone;
    }
    // A code as typed into the tone list: "D", the digits, the polarity letter.
    const std::optional<Tone> tone = CheckToneEntry(QLatin1Char('D') + text + polarity, -1);
    if (!tone) {
      fail(kBadDcsCode, {name, text});
      return std::nullopt;
    }
    if (*number > 777) note(kDcsCodeCut, {name, text});
    return tone;
  }

  void enterTones(Channel& channel) {
    const std::optional<TonePlan> plan = planTones();
    if (!plan) return;
    // Two letters, TX then RX: N normal, R reversed (the radio's inverted "I").
    QString polarity = value(kDtcsPolarity).toUpper();
    if (polarity.isEmpty()) polarity = QStringLiteral("NN");
    const bool usesDcs = plan->tx.kind == ToneSource::Dcs || plan->rx.kind == ToneSource::Dcs;
    static const QRegularExpression kPolarity(QStringLiteral("^[NR]{2}$"));
    if (usesDcs && !kPolarity.match(polarity).hasMatch()) {
      fail(kBadPolarity, {value(kDtcsPolarity)});
      return;
    }
    auto letter = [&polarity](int side) {
      return polarity.size() == 2 && polarity.at(side) == QLatin1Char('R') ? QLatin1Char('I') : QLatin1Char('N');
    };
    const std::optional<Tone> tx = typeTone(plan->tx, plan->modeText, letter(0));
    const std::optional<Tone> rx = typeTone(plan->rx, plan->modeText, letter(1));
    if (tx) channel.txTone = *tx;
    if (rx) channel.rxTone = *rx;
  }

  void enterMode(Channel& channel) {
    const QString mode = value(kMode).toUpper();
    if (mode.isEmpty() || mode == QLatin1String("FM")) channel.wide = true;
    else if (mode == QLatin1String("NFM")) channel.wide = false;
    else fail(kUnsupportedMode, {value(kMode)});
  }

  void enterSkip(Channel& channel) {
    const QString skip = value(kSkip).toUpper();
    if (skip.isEmpty() || skip == QLatin1String("P")) channel.scanAdd = true;
    else if (skip == QLatin1String("S")) channel.scanAdd = false;
    else fail(kUnknownSkip, {value(kSkip)});
  }

  const Columns& m_columns;
  const CsvRecord& m_record;
  int m_band;
  ImportRow& m_row;
};

}  // namespace

// ---- ListMessage -------------------------------------------------------------------

namespace {

// A value from a file as a message shows it: control characters (a NUL, a
// stray carriage return) as their visible symbols, so that none cuts or
// breaks the message.
QString Visible(const QString& value) {
  QString shown = value;
  for (QChar& c : shown) {
    if (c.unicode() < 0x20) c = QChar(0x2400 + c.unicode());
    else if (c.unicode() == 0x7F) c = QChar(0x2421);
  }
  return shown;
}

}  // namespace

QString ListMessage::text(UiLanguage language) const {
  // Placeholders are replaced in one pass, so an argument that itself holds
  // "%2" stays as it is.
  const QString pattern = format.text(language);
  QString result;
  result.reserve(pattern.size());
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern.at(i);
    if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern.at(i + 1).isDigit()) {
      const int index = pattern.at(i + 1).digitValue() - 1;
      if (index >= 0 && index < arguments.size()) {
        result += Visible(arguments.at(index));
        ++i;
        continue;
      }
    }
    result += c;
  }
  return result;
}

bool ListMessage::operator==(const ListMessage& other) const {
  return qstrcmp(format.en, other.format.en) == 0 && arguments == other.arguments;
}

// ---- Import ------------------------------------------------------------------------

int ChannelImport::count(ImportRow::Fate fate) const {
  int n = 0;
  for (const ImportRow& row : rows)
    if (row.fate == fate) ++n;
  return n;
}

namespace {

// The list given as records, the first record being the header.
ChannelImport ImportRecords(const std::vector<CsvRecord>& records, const ImportOptions& options) {
  ChannelImport result;
  if (records.empty()) {
    result.error = ListMessage{kEmptyList, {}};
    return result;
  }
  const Columns columns(records.front().fields);
  if (!columns.has(kFrequency)) {
    result.error = ListMessage{kNoFrequencyColumn, {}};
    return result;
  }

  // Read every row; note where its Location points.
  std::vector<int> locations;
  bool allLocationsAreChannels = columns.has(kLocation);
  bool namesGiven = false;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const CsvRecord& record = records[i];
    if (!HasContent(record)) continue;
    ImportRow row;
    row.line = record.line;
    if (record.unclosedQuote) row.reasons.push_back({kUnclosedQuote, {}});
    else RowReader(columns, record, options.band, row).read();
    // Spreadsheets may write a Location as "3.0".
    bool isNumber = false;
    const double location = columns.value(record, kLocation).toDouble(&isNumber);
    const bool isChannel = isNumber && location == std::floor(location) && location >= 1 && location <= kChannelCount;
    if (!isChannel) allLocationsAreChannels = false;
    locations.push_back(isChannel ? static_cast<int>(location) : 0);
    if (row.reasons.empty() && !columns.value(record, kName).isEmpty()) namesGiven = true;
    result.rows.push_back(std::move(row));
  }

  result.byLocation = options.placement == Placement::Automatic && allLocationsAreChannels && !result.rows.empty();
  std::array<int, kChannelCount + 1> filledBy{};  // channel -> line of the row that fills it
  const int firstChannel =
      options.startChannel >= 1 && options.startChannel <= kChannelCount ? options.startChannel : 1;
  int next = firstChannel;
  for (std::size_t i = 0; i < result.rows.size(); ++i) {
    ImportRow& row = result.rows[i];
    if (!row.reasons.empty()) {
      row.fate = ImportRow::Fate::LeftOut;
      continue;
    }
    int channel = 0;
    if (result.byLocation) {
      channel = locations[i];
      if (filledBy[static_cast<std::size_t>(channel)] != 0) {
        row.reasons.push_back({kLocationTaken, {QString::number(channel),
                                                QString::number(filledBy[static_cast<std::size_t>(channel)])}});
        row.fate = ImportRow::Fate::LeftOut;
        continue;
      }
    } else if (next <= kChannelCount) {
      channel = next++;
    } else {
      row.fate = ImportRow::Fate::LeftOver;
      row.reasons.push_back({kLeftOver, {}});
      continue;
    }
    row.fate = ImportRow::Fate::Placed;
    row.channel = channel;
    filledBy[static_cast<std::size_t>(channel)] = row.line;
    result.channels[static_cast<std::size_t>(channel - 1)] = row.value;
  }
  if (options.placement == Placement::Automatic && columns.has(kLocation) && !result.byLocation &&
      result.placedCount() > 0)
    result.notices.push_back({kLocationDisregarded, {QString::number(firstChannel)}});
  if (namesGiven && result.placedCount() > 0) result.notices.push_back({kNamesNotKept, {}});
  return result;
}

}  // namespace

ChannelImport ImportChannelList(const QString& text, const ImportOptions& options) {
  return ImportRecords(ParseCsv(text, GuessSeparator(text)), options);
}

RadioState ApplyImport(const ChannelImport& import, const RadioState& state, ImportMode mode) {
  RadioState next = state;
  for (int n = 1; n <= kChannelCount; ++n) {
    if (const auto& channel = import.channels[static_cast<std::size_t>(n - 1)])
      next.channel(n) = *channel;
    else if (mode == ImportMode::Replace)
      next.channel(n) = Channel{};
  }
  return next;
}

QStringList ImportReportLines(const ChannelImport& import, UiLanguage language) {
  QStringList lines;
  if (import.error) return {import.error->text(language)};
  // Left-over rows are the valid rows after the last channel: one line says
  // it for all of them when there are several.
  const int leftOver = import.count(ImportRow::Fate::LeftOver);
  int firstLeftOver = 0;
  int lastLeftOver = 0;
  for (const ImportRow& row : import.rows) {
    if (row.fate == ImportRow::Fate::LeftOver && leftOver > 1) {
      if (firstLeftOver == 0) firstLeftOver = row.line;
      lastLeftOver = row.line;
      continue;
    }
    const QString prefix = ListMessage{kLinePrefix, {QString::number(row.line)}}.text(language);
    const std::vector<ListMessage>& messages = row.fate == ImportRow::Fate::Placed ? row.notes : row.reasons;
    if (messages.empty()) continue;
    QStringList texts;
    for (const ListMessage& message : messages) texts << message.text(language);
    lines << prefix + texts.join(kReasonSeparator.text(language));
  }
  if (leftOver > 1)
    lines << ListMessage{kLeftOverRows,
                         {QString::number(leftOver), QString::number(firstLeftOver), QString::number(lastLeftOver)}}
                 .text(language);
  for (const ListMessage& notice : import.notices) lines << notice.text(language);
  return lines;
}

}  // namespace qx210
