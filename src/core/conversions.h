#pragma once

#include <QString>
#include <QtGlobal>

// Small conversions: a 16-bit word as hexadecimal text, and frequencies on
// the channel raster.
namespace qx210 {

// Uppercase hex of a 16-bit value, always four digits (-1 gives "FFFF").
QString WordToHex(int value);

// The two channel rasters, in units of 10 Hz.
inline constexpr qint64 kRaster5kHz = 500;
inline constexpr qint64 kRaster6250Hz = 625;

// `tenHertz` lowered onto the raster of `step` (units of 10 Hz).
constexpr qint64 LowerOntoRaster(qint64 tenHertz, qint64 step) { return tenHertz - tenHertz % step; }

// A frequency in units of 10 Hz lowered to the nearer of the 5 kHz and
// 6.25 kHz raster points at or below it (6.25 kHz on a tie), unless it lies
// on one already. Every frequency entry snaps through this one routine.
qint64 SnapToChannelStep(qint64 tenHertz);

// A frequency in MHz, rounded to five decimals as text, in units of 10 Hz.
// For the frequencies the program enters (below 10 000 MHz).
qint64 RoundToTenHertz(double megahertz);

// Fixed-point helpers: a frequency in MHz formatted with five decimals.
QString FormatFiveDecimals(double megahertz);

}  // namespace qx210
