// Twips, the unit of the layout descriptions: 1440 to the inch, so 15 to the pixel at 96 dpi.
#pragma once

#include <cmath>

namespace frame {

inline constexpr int kTwipsPerInch = 1440;

inline int TwipsPerPixel(int dpi) {
  return kTwipsPerInch / dpi;
}
// Rounds to the nearest pixel, halves away from zero.
inline int TwipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
inline double PixelsToTwips(int pixels, int dpi) {
  return static_cast<double>(pixels) * TwipsPerPixel(dpi);
}

}  // namespace frame
