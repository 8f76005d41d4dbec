#include "core/codec.h"

#include <array>
#include <cmath>
#include <type_traits>

#include "core/band_selection.h"
#include "core/conversions.h"
#include "core/layout.h"
#include "core/memory_image.h"

namespace qx210 {

namespace {

using namespace layout;

// Byte-wide settings stored as a list position (or a 0/1 check box) and taken
// over by the decoder when below `limit`. The decoder and the encoder both walk
// this table.
struct PositionSetting {
  int address;
  int limit;
  int (*get)(const RadioSettings&);
  void (*set)(RadioSettings&, int);
};

template <auto Group, auto Field>
constexpr PositionSetting Position(int address, int limit) {
  return {address, limit, [](const RadioSettings& s) { return static_cast<int>(s.*Group.*Field); },
          [](RadioSettings& s, int v) { (s.*Group).*Field = static_cast<std::remove_reference_t<decltype(s.*Group.*Field)>>(v); }};
}

constexpr auto kO = &RadioSettings::optional;
constexpr auto kP = &RadioSettings::panel;
constexpr auto kK = &RadioSettings::keys;

const std::array<PositionSetting, 22> kPositionSettings{{
    Position<kO, &OptionalFunctions::dtmfRate>(kDtmfRate, 4),
    Position<kO, &OptionalFunctions::firstDigitTime>(kFirstDigitTime, 4),
    Position<kO, &OptionalFunctions::starHashTone>(kStarHashTone, 4),
    Position<kO, &OptionalFunctions::dKeySetting>(kDKeySetting, 17),
    Position<kO, &OptionalFunctions::dtmfSideTone>(kDtmfSideTone, 2),
    Position<kO, &OptionalFunctions::autoResetTimer>(kAutoResetTimer, 16),
    Position<kK, &KeyAssignment::pf1>(kPf1, 12),
    Position<kK, &KeyAssignment::pf2>(kPf2, 12),
    Position<kP, &PanelSettings::voiceNotice>(layout::kVoiceNotice, 3),
    Position<kP, &PanelSettings::totPreAlert>(layout::kTotPreAlert, 11),
    Position<kO, &OptionalFunctions::pttId>(kPttId, 3),
    Position<kP, &PanelSettings::squelchLevel>(layout::kSquelchLevel, 10),
    Position<kP, &PanelSettings::batterySave>(layout::kBatterySave, 2),
    Position<kP, &PanelSettings::beep>(layout::kBeep, 2),
    Position<kO, &OptionalFunctions::cancelOperation>(kCancelOperation, 2),
    Position<kO, &OptionalFunctions::voxInhibitOnReceive>(kVoxInhibitOnReceive, 2),
    Position<kO, &OptionalFunctions::voxFunction>(kVoxFunction, 2),
    Position<kO, &OptionalFunctions::voxGainLevel>(kVoxGainLevel, 11),
    Position<kO, &OptionalFunctions::voxDelayTime>(kVoxDelayTime, 6),
    Position<kO, &OptionalFunctions::voxProceedTone>(kVoxProceedTone, 2),
    Position<kO, &OptionalFunctions::priority>(kPriority, 3),
    Position<kO, &OptionalFunctions::revertChannel>(kRevertChannel, 4),
}};

// Typed access to an image by radio address.
class ImageReader {
 public:
  explicit ImageReader(const QByteArray& bytes) : m_bytes(bytes) {}
  int byte(int address) const { return static_cast<unsigned char>(m_bytes[address - kImageBase]); }
  int word(int address) const { return byte(address) | (byte(address + 1) << 8); }
  bool allFF(int address, int count) const {
    for (int i = 0; i < count; ++i)
      if (byte(address + i) != 0xFF) return false;
    return true;
  }
  // BCD frequency, least significant byte first, as the nine-character text
  // "DDD.DDDDD". The digits are copied as they stand, whatever their values.
  QString frequency(int address) const {
    const QString b3 = ByteToHex(byte(address + 3));
    const QString b2 = ByteToHex(byte(address + 2));
    return b3 + b2.left(1) + QLatin1Char('.') + b2.mid(1) + ByteToHex(byte(address + 1)) +
           ByteToHex(byte(address));
  }
  // Text field: each byte other than 0xFF adds the character with that code.
  // A DTMF code stores "0" as 0x3A; a stray 0x30 there reads as ":" so that
  // every byte maps to its own character and is written back unchanged.
  QString text(int address, int size, bool dtmf = false) const {
    QString result;
    for (int i = 0; i < size; ++i) {
      const int b = byte(address + i);
      if (b == 0xFF) continue;
      if (dtmf && b == 0x3A) result.append(QLatin1Char('0'));
      else if (dtmf && b == 0x30) result.append(QLatin1Char(':'));
      else result.append(QChar(b));
    }
    return result;
  }

 private:
  const QByteArray& m_bytes;
};

class ImageWriter {
 public:
  ImageWriter() : m_bytes(kEncodedImageSize, '\xFF') {}
  void setByte(int address, int value) { m_bytes[address - kImageBase] = static_cast<char>(value & 0xFF); }
  void setWord(int address, int value) {
    setByte(address, value);
    setByte(address + 1, value >> 8);
  }
  void setAscii(int address, const char* text) {
    for (int i = 0; text[i] != '\0'; ++i) setByte(address + i, text[i]);
  }
  // An empty text leaves FF FF FF FF.
  void setFrequency(int address, const QString& text) {
    if (text.isEmpty()) return;
    const QString t = NineCharacterForm(text);
    auto pair = [&t](int hi, int lo) { return HexDigit(t.at(hi)) * 16 + HexDigit(t.at(lo)); };
    setByte(address, pair(7, 8));
    setByte(address + 1, pair(5, 6));
    setByte(address + 2, pair(2, 4));
    setByte(address + 3, pair(0, 1));
  }
  // One byte per character; positions past the text stay 0xFF. A character
  // without a one-byte code is written as "?".
  void setText(int address, int size, const QString& text, bool dtmf = false) {
    for (int i = 0; i < size && i < text.size(); ++i) {
      const char16_t c = text.at(i).unicode();
      int b = c <= 0xFE ? c : '?';
      if (dtmf && c == '0') b = 0x3A;
      if (dtmf && c == ':') b = 0x30;
      setByte(address + i, b);
    }
  }
  QByteArray bytes() const { return m_bytes; }

 private:
  static int HexDigit(QChar c) {
    const int v = QString(c).toInt(nullptr, 16);
    return v;
  }
  // Texts the decoder produced or the editors accepted are already "DDD.DDDDD";
  // anything else numeric is brought into that form.
  static QString NineCharacterForm(const QString& text) {
    if (text.size() == 9 && text.at(3) == QLatin1Char('.')) return text;
    bool ok = false;
    const double v = text.toDouble(&ok);
    QString formatted = ok ? QString::number(v, 'f', 5) : QStringLiteral("000.00000");
    while (formatted.size() < 9) formatted.prepend(QLatin1Char('0'));
    return formatted.right(9);
  }
  QByteArray m_bytes;
};

// Tone word of a tone cell text; 0xFFFF for an empty cell or Off.
int ToneWord(const QString& text) {
  if (text.isEmpty() || IsToneOffText(text)) return 0xFFFF;
  const bool normal = text.endsWith(QLatin1Char('N'));
  if (text.startsWith(QLatin1Char('D')) && (normal || text.endsWith(QLatin1Char('I')))) {
    auto digit = [&text](int i) { return i < text.size() ? text.at(i).digitValue() : 0; };
    const int code = (64 * digit(1) + 8 * digit(2) + digit(3)) & 0x1FF;
    return (normal ? 0x2800 : 0xA800) | code;
  }
  return static_cast<int>(std::lround(text.toDouble() * 10.0)) & 0xFFFF;
}

// Text of a tone word; the word is not 0xFFFF.
QString ToneText(int word) {
  const int kind = word >> 12;
  if (kind == 0x2 || kind == 0xA) {
    // DQT: the three low octal digits, always three of them.
    return QStringLiteral("D%1%2")
        .arg(word & 0x1FF, 3, 8, QLatin1Char('0'))
        .arg(kind == 0x2 ? QLatin1Char('N') : QLatin1Char('I'));
  }
  const QString digits = QString::number(word);
  return digits.left(digits.size() - 1) + QLatin1Char('.') + digits.right(1);
}

bool IsOptionEntryZero(int column, const QString& text) { return OptionEntry(column, 0).matches(text); }

void DecodeTone(const ImageReader& image, int address, ChannelTable& table, int row, int toneColumn,
                int frequencyColumn, UiLanguage language) {
  const int word = image.word(address);
  if (word == 0xFFFF) {
    if (table.cell(row, frequencyColumn).isEmpty())
      table.setCell(row, toneColumn, QString());
    else
      table.setToneOffCell(row, toneColumn, language);
    return;
  }
  table.setToneText(row, toneColumn, ToneText(word));
}

void DecodeChannels(const ImageReader& image, ChannelTable& table, UiLanguage language) {
  for (int n = 1; n <= kChannelCount; ++n) {
    const int base = kChannels + kChannelRecordSize * (n - 1);
    if (image.allFF(base, 4)) {
      for (int c = kColRxFreq; c < kColumnCount; ++c) table.setCell(n, c, QString());
      continue;
    }
    table.setCell(n, kColRxFreq, image.frequency(base));
    table.setCell(n, kColTxFreq, image.allFF(base + 4, 4) ? QString() : image.frequency(base + 4));
    DecodeTone(image, base + 8, table, n, kColRxTone, kColRxFreq, language);
    DecodeTone(image, base + 10, table, n, kColTxTone, kColTxFreq, language);
    table.setOption(n, kColBclo, (image.byte(base + 12) >> 3) & 1, language);
    table.setOption(n, kColWn, (image.byte(base + 13) >> 4) & 1, language);
    table.setOption(n, kColPower, (image.byte(base + 13) >> 5) & 1, language);
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    if (!table.inUse(n)) {
      table.setCell(n, kColScanAdd, QString());
      continue;
    }
    const int bits = image.byte(n <= 8 ? kScanAddLow : kScanAddHigh);
    table.setOption(n, kColScanAdd, (bits >> ((n - 1) % 8)) & 1, language);
  }
}

void DecodeSettings(const ImageReader& image, RadioSettings& s) {
  for (const PositionSetting& setting : kPositionSettings) {
    const int v = image.byte(setting.address);
    if (v < setting.limit) setting.set(s, v);
  }
  OptionalFunctions& o = s.optional;
  if (const int v = image.byte(kFirstDigitDelay); v >= 10 && v <= 100) o.firstDigitDelay = 10 * v;
  const int group = image.byte(kGroupCallCode);
  o.groupCallCode = group == 0xFF ? 0 : group;
  o.idCode = image.text(kIdCode, kIdCodeSize);
  if (const int v = image.byte(layout::kTimeoutTimer); v < 41) s.panel.timeoutTimer = v - 1;
  s.panel.radioSwitch = image.byte(layout::kRadioSwitch) & 1;
  o.txStartCode = image.text(kTxStartCode, kCodeSize);
  o.txEndCode = image.text(kTxEndCode, kCodeSize);
  if (const int v = image.byte(kPriorityChannel); v >= 1 && v <= 16) o.priorityChannel = v;
  auto lookBack = [&image](int address, int& position) {
    const int v = image.byte(address);
    if (v == 0xFF) position = 0;
    else if (v < 92) position = v;
  };
  lookBack(kLookBackTimeA, o.lookBackTimeA);
  lookBack(kLookBackTimeB, o.lookBackTimeB);
  if (const int v = image.word(kDropoutDelayTime); v < 301) o.dropoutDelayTime = v;
  if (const int v = image.word(kTxDwellTime); v < 301) o.txDwellTime = v;
  s.debug.txHighPower = image.byte(kTxHighPower);
  s.debug.txLowPower = image.byte(kTxLowPower);
  for (int k = 0; k < 8; ++k) o.autoDial[static_cast<std::size_t>(k)] = image.text(kAutoDial + 16 * k, 16, true);
  for (int k = 0; k < 16; ++k) {
    const int base = kTestFrequencies + 8 * k;
    const auto i = static_cast<std::size_t>(k);
    s.testFrequencies.rx[i] = image.allFF(base, 4) ? QString() : image.frequency(base);
    s.testFrequencies.tx[i] = image.allFF(base + 4, 4) ? QString() : image.frequency(base + 4);
  }
  s.message.line1 = image.text(kMessageLine1, kMessageLineSize);
  s.message.line2 = image.text(kMessageLine2, kMessageLineSize);
}

void EncodeChannels(const ChannelTable& table, ImageWriter& image) {
  int scanLow = 0;
  int scanHigh = 0;
  for (int n = 1; n <= kChannelCount; ++n) {
    const int base = kChannels + kChannelRecordSize * (n - 1);
    image.setFrequency(base, table.cell(n, kColRxFreq));
    image.setFrequency(base + 4, table.cell(n, kColTxFreq));
    image.setWord(base + 8, ToneWord(table.cell(n, kColRxTone)));
    image.setWord(base + 10, ToneWord(table.cell(n, kColTxTone)));
    // An empty option cell counts as the second entry of its list.
    auto bit = [&table, n](int column) {
      const QString text = table.cell(n, column);
      return text.isEmpty() || !IsOptionEntryZero(column, text) ? 1 : 0;
    };
    image.setByte(base + 12, 0xF0 | (bit(kColBclo) << 3));
    image.setByte(base + 13, 0xC0 | (bit(kColPower) << 5) | (bit(kColWn) << 4));
    image.setByte(base + 14, 0xFC);
    image.setByte(base + 15, 0xFF);
    const QString scan = table.cell(n, kColScanAdd);
    if (!scan.isEmpty() && !IsOptionEntryZero(kColScanAdd, scan)) (n <= 8 ? scanLow : scanHigh) |= 1 << ((n - 1) % 8);
  }
  image.setByte(kScanAddLow, scanLow);
  image.setByte(kScanAddHigh, scanHigh);
}

void EncodeSettings(const RadioSettings& s, ImageWriter& image) {
  for (const PositionSetting& setting : kPositionSettings) image.setByte(setting.address, setting.get(s));
  const OptionalFunctions& o = s.optional;
  image.setByte(kFirstDigitDelay, o.firstDigitDelay / 10);
  image.setByte(kGroupCallCode, o.groupCallCode);
  image.setText(kIdCode, kIdCodeSize, o.idCode);
  image.setByte(layout::kTimeoutTimer, s.panel.timeoutTimer + 1);
  image.setByte(kFixedZero, 0x00);
  image.setByte(layout::kRadioSwitch, s.panel.radioSwitch);
  image.setText(kTxStartCode, kCodeSize, o.txStartCode);
  image.setText(kTxEndCode, kCodeSize, o.txEndCode);
  image.setByte(kPriorityChannel, o.priorityChannel);
  image.setByte(kLookBackTimeA, o.lookBackTimeA == 0 ? 0xFF : o.lookBackTimeA);
  image.setByte(kLookBackTimeB, o.lookBackTimeB == 0 ? 0xFF : o.lookBackTimeB);
  image.setWord(kDropoutDelayTime, o.dropoutDelayTime);
  image.setWord(kTxDwellTime, o.txDwellTime);
  image.setByte(kTxHighPower, s.debug.txHighPower);
  image.setByte(kTxLowPower, s.debug.txLowPower);
  for (int k = 0; k < 8; ++k) image.setText(kAutoDial + 16 * k, 16, o.autoDial[static_cast<std::size_t>(k)], true);
  for (int k = 0; k < 16; ++k) {
    const auto i = static_cast<std::size_t>(k);
    image.setFrequency(kTestFrequencies + 8 * k, s.testFrequencies.rx[i]);
    image.setFrequency(kTestFrequencies + 8 * k + 4, s.testFrequencies.tx[i]);
  }
  image.setText(kMessageLine1, kMessageLineSize, s.message.line1);
  image.setText(kMessageLine2, kMessageLineSize, s.message.line2);
}

void EncodeIdentification(const BandState& band, ImageWriter& image) {
  const bool vhf = band.selected == kVhfBandPosition;
  const int code = kBands.at(static_cast<std::size_t>(band.selected)).code;
  image.setAscii(kModelId, vhf ? kModelVhf : kModelUhf);
  image.setByte(kBandCode, code);
  image.setByte(kBandCode + 1, 0xF8);
  image.setAscii(kSecondModelId, vhf ? kSecondModelVhf : kSecondModelUhf);
  image.setByte(kSecondBandCode, code);
  image.setAscii(kSerialDigits, kSerialDigitText);
  for (int i = 0; i < 8; ++i) image.setByte(kTail + i, 0x88);
}

}  // namespace

bool DecodeImage(const QByteArray& image, EditorState& state, UiLanguage language) {
  if (image.size() < kEncodedImageSize) return false;
  const ImageReader reader(image);
  state.debugParametersUnlocked = false;
  DecodeChannels(reader, state.table, language);
  DecodeSettings(reader, state.settings);
  // An unknown code leaves the band as it was.
  SelectBandByProgram(state.band, BandPositionForCode(static_cast<unsigned char>(reader.byte(kBandCode))));
  return true;
}

QByteArray EncodeImage(const EditorState& state, UiLanguage language) {
  Q_UNUSED(language);  // option and Off texts are recognised in either language
  ImageWriter image;
  EncodeChannels(state.table, image);
  EncodeSettings(state.settings, image);
  EncodeIdentification(state.band, image);
  return image.bytes();
}

}  // namespace qx210
