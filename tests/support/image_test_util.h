#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

#include "core/memory_image.h"
#include "core/radio_state.h"

namespace qx210::test {

// "00 25 51 14" -> bytes; blanks are ignored.
inline QByteArray Hex(const char* text) {
  return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// `count` bytes of an image from radio address `address`.
inline QByteArray At(const QByteArray& image, int address, int count) {
  return image.mid(address - kImageBase, count);
}

inline QByteArray Repeat(char byte, int count) { return QByteArray(count, byte); }

// An image of `size` bytes 0xFF: no channel in use, every text empty.
inline QByteArray BlankImage(int size = kEncodedImageSize) { return QByteArray(size, '\xFF'); }

// `image` with `bytes` written from radio address `address`.
inline QByteArray With(QByteArray image, int address, const QByteArray& bytes) {
  image.replace(address - kImageBase, bytes.size(), bytes);
  return image;
}

// Random radio states, each of which an image can hold exactly: every value
// in the range its byte accepts, odd values a radio may hold among them (any
// tone word, frequencies with non-decimal digits, any calibration byte), and
// the fields the image does not store at their defaults.
class StateGenerator {
 public:
  explicit StateGenerator(quint32 seed) : m_random(seed) {}

  RadioState next() {
    RadioState s;
    s.band = bounded(7);
    for (Channel& c : s.channels) {
      if (bounded(4) == 0) continue;  // unused: all defaults
      c.rx = frequency(false);
      c.tx = bounded(5) == 0 ? Frequency() : frequency(false);
      c.rxTone = tone();
      c.txTone = tone();
      c.highPower = bounded(2);
      c.bclo = bounded(2);
      c.wide = bounded(2);
      c.scanAdd = bounded(2);
    }
    RadioSettings& r = s.settings;
    r.panel = {bounded(3), bounded(41) - 1, bounded(10), bounded(2), bounded(2), bounded(2), bounded(11)};
    OptionalFunctions& o = r.optional;
    o.pttId = bounded(3);
    o.voxFunction = bounded(2);
    o.voxGainLevel = bounded(11);
    o.voxDelayTime = bounded(6);
    o.voxProceedTone = bounded(2);
    o.priority = bounded(3);
    o.priorityChannel = 1 + bounded(16);
    o.lookBackTimeA = bounded(92);
    o.lookBackTimeB = bounded(92);
    o.revertChannel = bounded(4);
    o.dropoutDelayTime = bounded(301);
    o.txDwellTime = bounded(301);
    o.cancelOperation = bounded(2);
    o.voxInhibitOnReceive = bounded(2);
    o.idCode = text(10);
    o.txStartCode = text(16);
    o.txEndCode = text(16);
    o.dtmfRate = bounded(4);
    o.firstDigitTime = bounded(4);
    o.firstDigitDelay = bounded(2) == 0 ? 0 : 10 * (10 + bounded(91));
    o.starHashTone = bounded(4);
    o.dKeySetting = bounded(17);
    o.dtmfSideTone = bounded(2);
    o.autoResetTimer = bounded(16);
    o.groupCallCode = bounded(2) == 0 ? 0 : 1 + bounded(0xFE);  // any byte but 0xFF
    for (QString& memory : o.autoDial) memory = text(16);
    r.keys = {bounded(12), bounded(12)};
    r.message = {text(32), text(32)};
    r.debug = {bounded(256), bounded(256)};
    for (std::size_t k = 0; k < r.testFrequencies.rx.size(); ++k) {
      if (bounded(2) == 0) continue;
      r.testFrequencies.rx[k] = frequency(true);
      r.testFrequencies.tx[k] = bounded(3) ? frequency(true) : Frequency();
    }
    return s;
  }

  int bounded(int n) { return static_cast<int>(m_random.bounded(n)); }

 private:
  // Mostly decimal frequencies; now and then any four bytes but the empty ones.
  Frequency frequency(bool anyBytes) {
    if (anyBytes || bounded(8) == 0) {
      Frequency::Bytes bytes{};
      for (quint8& b : bytes) b = static_cast<quint8>(bounded(256));
      const Frequency f = Frequency::fromBytes(bytes);
      if (!f.isEmpty()) return f;
    }
    return *Frequency::fromTenHertz(10'000'000 + bounded(90'000'000));
  }
  // Off, a list tone or any other 16-bit word.
  Tone tone() {
    switch (bounded(4)) {
      case 0: return Tone();
      case 1: return *Tone::qt(670 + bounded(1872));
      case 2: return *Tone::dqt(bounded(01000), bounded(2));
      default: return Tone::fromWord(static_cast<quint16>(bounded(0x10000)));
    }
  }
  // One-byte characters (0x00..0xFE: 0xFF ends a text), up to `max` of them.
  QString text(int max) {
    QString s;
    for (int i = bounded(max + 1); i > 0; --i) s.append(QChar(bounded(0xFF)));
    return s;
  }

  QRandomGenerator m_random;
};

}  // namespace qx210::test
