#include "image.h"

#include <cstring>
#include <stdexcept>

namespace picgen {

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

Color Image::At(int x, int y) const {
  if (!Contains(x, y)) throw std::out_of_range("pixel outside the image");
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Image::Set(int x, int y, Color c) {
  if (!Contains(x, y)) throw std::out_of_range("pixel outside the image");
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Image::Fill(int x0, int y0, int x1, int y1, Color c) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) Set(x, y, c);
}

void Image::Stamp(int x, int y, const std::vector<const char*>& rows, const char* keys,
                  const std::vector<Color>& colors) {
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; rows[r][c] != '\0'; ++c) {
      const char* key = std::strchr(keys, rows[r][c]);
      if (key != nullptr && *key != '\0')
        Set(x + static_cast<int>(c), y + static_cast<int>(r), colors[key - keys]);
    }
  }
}

}  // namespace picgen
