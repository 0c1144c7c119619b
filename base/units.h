// Twips, the unit of the layout descriptions: 1440 to the inch, so 15 to the pixel at 96 dpi.
#pragma once

#include <algorithm>
#include <cmath>

namespace base {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;  // the density the screens and their pictures are made for

inline double TwipsPerPixel(int dpi) {
  return static_cast<double>(kTwipsPerInch) / dpi;
}
// Rounds to the nearest pixel, halves away from zero.
inline int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
inline double PixelsToTwips(int pixels, int dpi) {
  return static_cast<double>(pixels) * TwipsPerPixel(dpi);
}

// The whole factor the screens are drawn at on a display of `dpi`: the density over 96,
// rounded to the nearest whole number (halves up), at least 1. Every pixel of a picture
// becomes a square of that many pixels a side, so nothing is ever smoothed or blurred.
inline int ScaleFactorFor(int dpi) {
  return std::max(1, (dpi + kDesignDpi / 2) / kDesignDpi);
}

}  // namespace base
