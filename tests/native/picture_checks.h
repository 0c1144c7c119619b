// Helpers for checking decoded pictures region by region.
#pragma once

#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>

#include "tools/picgen/encode.h"

namespace checks {

inline picgen::Bytes ReadSourceFile(const std::string& relative) {
  std::ifstream in(std::string(QUORM_SOURCE_ROOT) + "/" + relative, std::ios::binary);
  return picgen::Bytes(std::istreambuf_iterator<char>(in), {});
}

struct Box {
  int x0, y0, x1, y1;
  bool operator==(const Box&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "x " << b.x0 << ".." << b.x1 << ", y " << b.y0 << ".." << b.y1;
}

// The smallest box around the pixels inside `area` whose colour is `c` (nullopt if none).
inline std::optional<Box> BoxOf(const picgen::Image& image, picgen::Color c, Box area) {
  std::optional<Box> box;
  for (int y = area.y0; y <= area.y1; ++y)
    for (int x = area.x0; x <= area.x1; ++x) {
      if (image.At(x, y) != c) continue;
      if (!box) box = Box{x, y, x, y};
      box->x0 = std::min(box->x0, x);
      box->y0 = std::min(box->y0, y);
      box->x1 = std::max(box->x1, x);
      box->y1 = std::max(box->y1, y);
    }
  return box;
}

inline std::set<picgen::Color> ColorsIn(const picgen::Image& image, Box area) {
  std::set<picgen::Color> colors;
  for (int y = area.y0; y <= area.y1; ++y)
    for (int x = area.x0; x <= area.x1; ++x) colors.insert(image.At(x, y));
  return colors;
}

inline std::set<picgen::Color> ColorsOf(const picgen::Image& image) {
  return ColorsIn(image, {0, 0, image.width() - 1, image.height() - 1});
}

inline bool AllOf(const picgen::Image& image, Box area, picgen::Color c) {
  return ColorsIn(image, area) == std::set<picgen::Color>{c};
}

}  // namespace checks
