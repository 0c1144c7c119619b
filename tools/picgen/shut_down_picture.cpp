#include "tools/picgen/shut_down_picture.h"

#include <algorithm>
#include <cmath>

namespace shut_down {

namespace {

using picgen::Color;
using picgen::Image;

constexpr Color kBlack = 0x000000, kGrey = 0x808080, kSilver = 0xC0C0C0, kWhite = 0xFFFFFF,
                kBlue = 0x0000FF, kNavy = 0x000080, kCyan = 0x00FFFF, kYellow = 0xFFFF00,
                kGreen = 0x00FF00, kDarkGreen = 0x008000;

int Round(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

// The system unit: a flat box whose front and side faces meet in a point at the bottom.
void DrawSystemUnit32(Image& icon) {
  for (int y = 20; y <= 30; ++y) {
    const int left = y <= 24 ? 2 : 2 + Round((y - 24) * 15.0 / 6);
    const int right = y <= 24 ? 28 : 28 - Round((y - 24) * 9.0 / 6);
    for (int x = left; x <= right; ++x) icon.Set(x, y, x <= 18 ? kSilver : kGrey);
    icon.Set(left, y, kBlack);
    icon.Set(right, y, kBlack);
    if (y >= 25) {
      icon.Set(std::min(left + 1, right), y, kBlack);
      icon.Set(std::max(right - 1, left), y, kBlack);
    }
  }
  icon.HLine(2, 28, 20, kBlack);
  icon.HLine(3, 17, 21, kWhite);
  icon.HLine(5, 6, 21, kGreen);
  icon.HLine(5, 6, 22, kDarkGreen);
  icon.HLine(17, 19, 30, kBlack);
}

void DrawMonitor32(Image& icon) {
  // The side of the cabinet, receding to the right.
  for (int x = 20; x <= 27; ++x) {
    const int top = x < 24 ? 1 : 0;
    const int bottom = 20 - (x - 19) / 2;
    icon.VLine(x, top, bottom, kGrey);
    icon.Set(x, top, kBlack);
    icon.Set(x, bottom, kBlack);
  }
  icon.VLine(28, 0, 16, kBlack);
  // The front: a thick silver bezel, lit from the top left.
  icon.Fill(3, 1, 19, 20, kSilver);
  icon.HLine(3, 28, 0, kBlack);
  icon.VLine(2, 1, 20, kBlack);
  icon.HLine(3, 18, 1, kWhite);
  icon.VLine(3, 1, 19, kWhite);
  icon.HLine(4, 17, 2, kWhite);
  icon.VLine(18, 2, 19, kGrey);
  icon.HLine(4, 18, 20, kGrey);
  icon.VLine(19, 1, 20, kBlack);
  // The screen, with its sparkle.
  icon.Fill(7, 6, 16, 19, kBlue);
  icon.HLine(7, 16, 6, kNavy);
  icon.VLine(7, 6, 19, kNavy);
  icon.HLine(7, 16, 19, kNavy);
  icon.VLine(16, 6, 19, kNavy);
  static const std::vector<const char*> kSparkle = {"..c...", "c.c.c.", ".ccc..",
                                                    "ccyccc", ".ccc..", "c.c.c."};
  icon.Stamp(8, 9, kSparkle, "cy", {kCyan, kYellow});
}

void DrawIcon16(Image& icon) {
  for (int y = 10; y <= 15; ++y) {
    const int left = y <= 12 ? 1 : 1 + (y - 12) * 7 / 3;
    const int right = y <= 12 ? 14 : 14 - (y - 12) * 4 / 3;
    for (int x = left; x <= right; ++x) icon.Set(x, y, x <= 9 ? kSilver : kGrey);
    icon.Set(left, y, kBlack);
    icon.Set(right, y, kBlack);
  }
  icon.HLine(1, 14, 10, kBlack);
  icon.Set(3, 11, kGreen);
  icon.VLine(11, 1, 8, kGrey);
  icon.VLine(12, 1, 7, kGrey);
  icon.VLine(13, 0, 7, kBlack);
  icon.Fill(2, 1, 10, 10, kSilver);
  icon.HLine(1, 13, 0, kBlack);
  icon.VLine(1, 1, 10, kBlack);
  icon.HLine(2, 9, 1, kWhite);
  icon.VLine(2, 1, 9, kWhite);
  icon.VLine(10, 1, 10, kBlack);
  icon.Fill(4, 3, 8, 8, kBlue);
  icon.HLine(4, 8, 3, kNavy);
  icon.VLine(4, 3, 8, kNavy);
  icon.Set(6, 5, kCyan);
  icon.Set(5, 6, kCyan);
  icon.Set(7, 6, kCyan);
  icon.Set(6, 7, kCyan);
}

}  // namespace

std::vector<Image> DrawShutDownIcon() {
  Image large(32, 32, picgen::kTransparent);
  DrawSystemUnit32(large);
  DrawMonitor32(large);
  Image small(16, 16, picgen::kTransparent);
  DrawIcon16(small);
  return {large, small};
}

}  // namespace shut_down
