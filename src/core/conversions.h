#pragma once

#include <QString>

// Small conversions between hexadecimal text, bit text ("0"/"1", most
// significant bit first) and numbers, used throughout the memory-image codec.
namespace qx210 {

// Each hex digit becomes four bit characters; a non-hex character counts as 0.
QString HexToBits(const QString& hex);

// Pads `bits` in place with leading "0" to a multiple of four, then returns one
// uppercase hex digit per group. Any character other than '1' is a zero bit.
QString BitsToHex(QString& bits);

// Uppercase hex, at least two digits (256 gives "100").
QString ByteToHex(long long value);

// Uppercase hex of a 16-bit value, always four digits (-1 gives "FFFF").
QString WordToHex(int value);

// Lowers a frequency text with five decimals to the nearer of the 5 kHz and
// 6.25 kHz raster points at or below it, unless it lies on one already.
double SnapToChannelStep(const QString& frequency);

// Remainder of `value` over `step` (both MHz); a quotient that is whole to 15
// significant digits counts as whole.
double StepRemainder(double step, double value);

// Fixed-point helpers: a frequency in MHz formatted with five decimals.
QString FormatFiveDecimals(double megahertz);

}  // namespace qx210
