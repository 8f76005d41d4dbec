#pragma once

#include <QString>
#include <array>

#include "core/frequency.h"

namespace qx210 {

// Positions of the seven lists of the function settings panel.
// -1 means no entry is chosen (an image whose time-out byte is 0 leaves it so).
struct PanelSettings {
  int voiceNotice = 1;   // "Voice Notice:"
  int timeoutTimer = 5;  // "Time-out Timer:", 90 s
  int squelchLevel = 3;  // "Squelch Level:"
  int batterySave = 1;   // "Battery Save:"
  int beep = 1;          // "Beep:"
  int radioSwitch = 1;   // "Radio Switch:"
  int totPreAlert = 1;   // "TOT Pre-Alert:" (never shown, but kept)

  bool operator==(const PanelSettings&) const = default;
};

// Optional functions: scan, VOX, and the code fields and DTMF values the
// dialog does not show.
struct OptionalFunctions {
  int pttId = 1;           // not shown by the dialog
  int voxFunction = 1;
  int voxGainLevel = 1;    // Off, 1..10
  int voxDelayTime = 1;    // 0.3 s .. 3 s
  int voxProceedTone = 1;
  int duplicate = 1;       // not shown by the dialog, not stored in the image
  int priority = 0;        // No, Fixed, Selected
  int priorityChannel = 1;  // channel 1..16
  int lookBackTimeA = 1;   // position 0..91 (0 = "Empty")
  int lookBackTimeB = 1;
  int revertChannel = 1;
  int dropoutDelayTime = 0;  // seconds 0..300
  int txDwellTime = 0;       // seconds 0..300
  bool cancelOperation = true;
  bool voxInhibitOnReceive = true;   // "VOX Inhibit On Reveive"
  QString idCode;                    // up to 10 characters
  QString txStartCode = QStringLiteral("1");  // up to 16 characters
  QString txEndCode = QStringLiteral("2");    // up to 16 characters

  // DTMF group (hidden, Chinese only).
  int dtmfRate = 0;
  int firstDigitTime = 1;
  int firstDigitDelay = 0;   // milliseconds; held only
  int starHashTone = 1;      // "* and # tone"
  int dKeySetting = 1;
  int dtmfSideTone = 1;
  int autoResetTimer = 0;
  // Group call code as the byte the radio holds: 0 = none, else the character
  // code of its digit (0x35 for 5). Held only.
  int groupCallCode = 0;
  std::array<QString, 8> autoDial{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                  QStringLiteral("7"), QStringLiteral("8")};

  bool operator==(const OptionalFunctions&) const = default;
};

// Side keys: positions 0..11 of the key-function list.
struct KeyAssignment {
  int pf1 = 10;
  int pf2 = 0;
  bool operator==(const KeyAssignment&) const = default;
};

// Embedded message: two lines of up to 32 one-byte characters.
struct EmbeddedMessage {
  QString line1;
  QString line2;
  bool operator==(const EmbeddedMessage&) const = default;
};

// Transmitter power calibration. The image holds any byte; the dialog
// edits 0..63.
struct DebugParameters {
  int txHighPower = 63;
  int txLowPower = 0;
  bool operator==(const DebugParameters&) const = default;
};

// Test frequencies: 16 pairs, empty = none.
struct TestFrequencies {
  std::array<Frequency, 16> rx;
  std::array<Frequency, 16> tx;
  bool operator==(const TestFrequencies&) const = default;
};

// Every radio-wide value besides the channels and the band. Held as the
// radio stores them: list positions, flags, numbers and one-byte texts.
struct RadioSettings {
  PanelSettings panel;
  OptionalFunctions optional;
  KeyAssignment keys;
  EmbeddedMessage message;
  DebugParameters debug;
  TestFrequencies testFrequencies;

  bool operator==(const RadioSettings&) const = default;
};

}  // namespace qx210
