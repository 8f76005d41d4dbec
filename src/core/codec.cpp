#include "core/codec.h"

#include <type_traits>

#include "core/bands.h"
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
          [](RadioSettings& s, int v) {
            (s.*Group).*Field = static_cast<std::remove_reference_t<decltype(s.*Group.*Field)>>(v);
          }};
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

// Typed reads of an image by radio address.
class ImageReader {
 public:
  explicit ImageReader(const QByteArray& bytes) : m_bytes(bytes) {}
  int byte(int address) const { return static_cast<unsigned char>(m_bytes[address - kImageBase]); }
  int word(int address) const { return byte(address) | (byte(address + 1) << 8); }
  Frequency frequency(int address) const {
    Frequency::Bytes bytes{};
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<quint8>(byte(address + i));
    return Frequency::fromBytes(bytes);
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
  void setBytes(int address, std::span<const unsigned char> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) setByte(address + static_cast<int>(i), bytes[i]);
  }
  void setFrequency(int address, const Frequency& frequency) { setBytes(address, frequency.bytes()); }
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
  QByteArray m_bytes;
};

Channel DecodeChannel(const ImageReader& image, int base) {
  const Frequency rx = image.frequency(base);
  // An RX frequency of FF FF FF FF marks the whole record as unused.
  if (rx.isEmpty()) return Channel{};
  Channel channel;
  channel.rx = rx;
  channel.tx = image.frequency(base + 4);
  channel.rxTone = Tone::fromWord(static_cast<quint16>(image.word(base + 8)));
  channel.txTone = Tone::fromWord(static_cast<quint16>(image.word(base + 10)));
  channel.bclo = (image.byte(base + 12) >> 3) & 1;
  channel.wide = (image.byte(base + 13) >> 4) & 1;
  channel.highPower = (image.byte(base + 13) >> 5) & 1;
  return channel;
}

void DecodeChannels(const ImageReader& image, RadioState& state) {
  for (int n = 1; n <= kChannelCount; ++n) {
    Channel& channel = state.channel(n);
    channel = DecodeChannel(image, kChannels + kChannelRecordSize * (n - 1));
    if (!channel.inUse()) continue;
    const int bits = image.byte(n <= 8 ? kScanAddLow : kScanAddHigh);
    channel.scanAdd = (bits >> ((n - 1) % 8)) & 1;
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
  for (std::size_t k = 0; k < o.autoDial.size(); ++k)
    o.autoDial[k] = image.text(kAutoDial + 16 * static_cast<int>(k), 16, true);
  for (std::size_t k = 0; k < s.testFrequencies.rx.size(); ++k) {
    const int base = kTestFrequencies + 8 * static_cast<int>(k);
    s.testFrequencies.rx[k] = image.frequency(base);
    s.testFrequencies.tx[k] = image.frequency(base + 4);
  }
  s.message.line1 = image.text(kMessageLine1, kMessageLineSize);
  s.message.line2 = image.text(kMessageLine2, kMessageLineSize);
}

void EncodeChannels(const RadioState& state, ImageWriter& image) {
  int scanBits[2] = {0, 0};
  for (int n = 1; n <= kChannelCount; ++n) {
    const int base = kChannels + kChannelRecordSize * (n - 1);
    const Channel& channel = state.channel(n);
    if (channel.inUse()) {
      image.setFrequency(base, channel.rx);
      image.setFrequency(base + 4, channel.tx);
      image.setWord(base + 8, channel.rxTone.word());
      image.setWord(base + 10, channel.txTone.word());
      image.setByte(base + 12, 0xF0 | (int(channel.bclo) << 3));
      image.setByte(base + 13, 0xC0 | (int(channel.highPower) << 5) | (int(channel.wide) << 4));
      if (channel.scanAdd) scanBits[(n - 1) / 8] |= 1 << ((n - 1) % 8);
    } else {
      // An unused record: all blank but the option bytes, which read as
      // Carrier, High and Wide.
      image.setByte(base + 12, 0xF8);
      image.setByte(base + 13, 0xF0);
    }
    image.setByte(base + 14, 0xFC);
    image.setByte(base + 15, 0xFF);
  }
  image.setByte(kScanAddLow, scanBits[0]);
  image.setByte(kScanAddHigh, scanBits[1]);
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
  for (std::size_t k = 0; k < o.autoDial.size(); ++k)
    image.setText(kAutoDial + 16 * static_cast<int>(k), 16, o.autoDial[k], true);
  for (std::size_t k = 0; k < s.testFrequencies.rx.size(); ++k) {
    const int base = kTestFrequencies + 8 * static_cast<int>(k);
    image.setFrequency(base, s.testFrequencies.rx[k]);
    image.setFrequency(base + 4, s.testFrequencies.tx[k]);
  }
  image.setText(kMessageLine1, kMessageLineSize, s.message.line1);
  image.setText(kMessageLine2, kMessageLineSize, s.message.line2);
}

void EncodeIdentification(int band, ImageWriter& image) {
  const bool vhf = band == kVhfBandPosition;
  const int code = BandAt(band).code;
  image.setBytes(kModelId, vhf ? std::span<const unsigned char>(kModelVhf) : kModelUhf);
  image.setByte(kBandCode, code);
  image.setByte(kBandCode + 1, 0xF8);
  image.setBytes(kSecondModelId, vhf ? std::span<const unsigned char>(kSecondModelVhf) : kSecondModelUhf);
  image.setByte(kSecondBandCode, code);
  image.setBytes(kSerialDigits, kSerialDigitBytes);
  for (int i = 0; i < 8; ++i) image.setByte(kTail + i, 0x88);
}

}  // namespace

bool DecodeImage(const QByteArray& image, RadioState& state) {
  if (image.size() < kEncodedImageSize) return false;
  const ImageReader reader(image);
  DecodeChannels(reader, state);
  DecodeSettings(reader, state.settings);
  // An unknown code leaves the band as it was.
  if (const int band = BandOfImage(image); band >= 0) state.band = band;
  return true;
}

QByteArray EncodeImage(const RadioState& state) {
  ImageWriter image;
  EncodeChannels(state, image);
  EncodeSettings(state.settings, image);
  EncodeIdentification(state.band, image);
  return image.bytes();
}

bool IsRadioImage(const QByteArray& image) {
  if (image.size() < kEncodedImageSize) return false;
  const QByteArray model = image.mid(kModelId - kImageBase, static_cast<qsizetype>(kModelUhf.size()));
  return (model == ToByteArray(kModelUhf) || model == ToByteArray(kModelVhf)) && BandOfImage(image) >= 0;
}

int BandOfImage(const QByteArray& image) {
  if (image.size() <= kBandCode - kImageBase) return -1;
  return BandPositionForCode(static_cast<unsigned char>(image.at(kBandCode - kImageBase)));
}

}  // namespace qx210
