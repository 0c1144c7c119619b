// A plain RGB raster that the pictures are drawn on, before they are encoded.
#pragma once

#include <cstdint>
#include <vector>

namespace picgen {

// Colours are 0xRRGGBB. Icons mark their see-through pixels with kTransparent.
using Color = uint32_t;
inline constexpr Color kTransparent = 0xFF000000u;

class Image {
 public:
  Image(int width, int height, Color fill);

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Color At(int x, int y) const;
  void Set(int x, int y, Color c);
  // Rectangles and lines take inclusive end points, as the picture descriptions do.
  void Fill(int x0, int y0, int x1, int y1, Color c);
  void HLine(int x0, int x1, int y, Color c) { Fill(x0, y, x1, y, c); }
  void VLine(int x, int y0, int y1, Color c) { Fill(x, y0, x, y1, c); }
  // Draws a pattern whose rows are strings: every character found in `keys` is painted with
  // the matching entry of `colors`; any other character leaves the pixel alone.
  void Stamp(int x, int y, const std::vector<const char*>& rows, const char* keys,
             const std::vector<Color>& colors);

 private:
  int width_;
  int height_;
  std::vector<Color> pixels_;
};

}  // namespace picgen
