#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace qx210 {

// A sub-audible tone as the radio stores it: one 16-bit word.
//  - 0xFFFF: Off.
//  - QT, a continuous tone: the tone in tenths of a hertz (67.0 Hz is 670).
//  - DQT, a digital code: 0x2800 + code for normal polarity, 0xA800 + code
//    for inverted, the code being the value of three octal digits.
// The radio tells the kinds apart by the word's top four bits: 2 is DQT
// normal, A is DQT inverted, anything else QT. A tone holds what the table
// shows: a QT word keeps its value, odd or not, and a DQT word keeps its code
// and polarity only, so it is written back in the form the tone list writes
// (0x2013 shows "D023N" and becomes 0x2813).
class Tone {
 public:
  enum class Kind { Off, Qt, Dqt };

  static constexpr quint16 kOffWord = 0xFFFF;
  static constexpr int kHighestCode = 0777;

  constexpr Tone() = default;
  static constexpr Tone fromWord(quint16 word) {
    const int top = word >> 12;
    if (top == 0x2 || top == 0xA) return Tone(static_cast<quint16>((top == 0xA ? 0xA800 : 0x2800) | (word & 0x1FF)));
    return Tone(word);
  }
  // A QT tone in tenths of a hertz; nothing when the word would not read back
  // as that QT tone.
  static std::optional<Tone> qt(int tenths);
  // A DQT code 0..0777 (octal) with its polarity.
  static std::optional<Tone> dqt(int code, bool inverted);

  quint16 word() const { return m_word; }
  Kind kind() const;
  bool isOff() const { return m_word == kOffWord; }
  int qtTenths() const { return m_word; }
  int dqtCode() const { return m_word & 0x1FF; }
  bool inverted() const { return (m_word >> 12) == 0xA; }

  // "67.0" or "D023N" / "D754I"; empty for Off (its caption is the view's).
  QString text() const;

  bool operator==(const Tone&) const = default;

 private:
  constexpr explicit Tone(quint16 word) : m_word(word) {}
  quint16 m_word = kOffWord;
};

}  // namespace qx210
