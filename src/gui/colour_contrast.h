#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace qx210 {

// The contrast ratio of two colours as the web's accessibility guidelines
// measure it: 1 for equal colours, 21 for black on white. Body text wants at
// least 4.5.
inline double ContrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](double channel) {
      return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline constexpr double kReadableContrast = 4.5;

}  // namespace qx210
