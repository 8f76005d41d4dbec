#pragma once

#include <array>

// Radio memory addresses of the image fields. Byte i of an image is address
// 0x0010 + i.
namespace qx210::layout {

inline constexpr int kChannels = 0x0010;  // 16 records of 16 bytes
inline constexpr int kChannelRecordSize = 16;
inline constexpr int kDtmfRate = 0x0110;
inline constexpr int kFirstDigitTime = 0x0111;
inline constexpr int kFirstDigitDelay = 0x0112;
inline constexpr int kStarHashTone = 0x0113;
inline constexpr int kDKeySetting = 0x0114;
inline constexpr int kDtmfSideTone = 0x0115;
inline constexpr int kGroupCallCode = 0x0116;
inline constexpr int kAutoResetTimer = 0x0117;
inline constexpr int kPf1 = 0x011D;
inline constexpr int kPf2 = 0x011E;
inline constexpr int kIdCode = 0x0120;  // 10 bytes
inline constexpr int kIdCodeSize = 10;
inline constexpr int kVoiceNotice = 0x012F;
inline constexpr int kTimeoutTimer = 0x0130;
inline constexpr int kTotPreAlert = 0x0131;
inline constexpr int kPttId = 0x0132;
inline constexpr int kFixedZero = 0x0133;
inline constexpr int kSquelchLevel = 0x0134;
inline constexpr int kBatterySave = 0x0135;
inline constexpr int kBeep = 0x0136;
inline constexpr int kCancelOperation = 0x0137;
inline constexpr int kVoxInhibitOnReceive = 0x0138;
inline constexpr int kVoxFunction = 0x0139;
inline constexpr int kVoxGainLevel = 0x013A;
inline constexpr int kVoxDelayTime = 0x013B;
inline constexpr int kVoxProceedTone = 0x013C;
inline constexpr int kRadioSwitch = 0x013E;
inline constexpr int kTxStartCode = 0x0140;  // 16 bytes
inline constexpr int kTxEndCode = 0x0150;    // 16 bytes
inline constexpr int kCodeSize = 16;
inline constexpr int kPriority = 0x0160;
inline constexpr int kPriorityChannel = 0x0161;
inline constexpr int kLookBackTimeA = 0x0162;
inline constexpr int kLookBackTimeB = 0x0163;
inline constexpr int kRevertChannel = 0x0164;
inline constexpr int kDropoutDelayTime = 0x0165;  // 16-bit, little-endian
inline constexpr int kTxDwellTime = 0x0167;       // 16-bit, little-endian
inline constexpr int kScanAddLow = 0x017E;   // channels 1..8, bit n-1
inline constexpr int kScanAddHigh = 0x017F;  // channels 9..16, bit n-9
inline constexpr int kTxHighPower = 0x0183;
inline constexpr int kTxLowPower = 0x0188;
inline constexpr int kModelId = 0x01B8;  // 5 ASCII characters
inline constexpr int kBandCode = 0x01BD;
inline constexpr int kAutoDial = 0x0200;  // 8 x 16 bytes
inline constexpr int kTestFrequencies = 0x0280;  // 16 x (RX, TX) x 4 bytes
inline constexpr int kMessageLine1 = 0x0300;  // 32 bytes
inline constexpr int kMessageLine2 = 0x0320;  // 32 bytes
inline constexpr int kMessageLineSize = 32;
inline constexpr int kSecondModelId = 0x0340;  // 7 ASCII characters
inline constexpr int kSecondBandCode = 0x034C;
inline constexpr int kSerialDigits = 0x0350;  // 8 ASCII digits
inline constexpr int kTail = 0x0358;          // eight bytes 0x88

// Model identifiers: P2207 for the 136-174 MHz band, P3207 for every other band.
inline constexpr std::array<unsigned char, 5> kModelVhf{0x50, 0x32, 0x32, 0x30, 0x37};
inline constexpr std::array<unsigned char, 5> kModelUhf{0x50, 0x33, 0x32, 0x30, 0x37};
inline constexpr std::array<unsigned char, 7> kSecondModelVhf{0x54, 0x4B, 0x2D, 0x32, 0x32, 0x30, 0x37};
inline constexpr std::array<unsigned char, 7> kSecondModelUhf{0x54, 0x4B, 0x2D, 0x33, 0x32, 0x30, 0x37};
// The fixed digit string at 0x0350.
inline constexpr std::array<unsigned char, 8> kSerialDigitBytes{0x34, 0x37, 0x33, 0x31, 0x32, 0x30, 0x35, 0x38};

}  // namespace qx210::layout
