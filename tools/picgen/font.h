// The classic dialog type (MS Sans Serif, 8 points at 96 dpi), rasterised from the Windows
// bitmap font file with FreeType. Bold is synthesised the way the system does it: each glyph
// is drawn a second time one pixel to the right and advances one pixel further.
#pragma once

#include <memory>
#include <string_view>

#include "image.h"

namespace picgen {

enum class Weight { kRegular, kBold };

class DialogFont {
 public:
  // `path` names sserife.fon; throws std::runtime_error when it holds no 13-pixel face.
  explicit DialogFont(const char* path);
  ~DialogFont();
  DialogFont(const DialogFont&) = delete;
  DialogFont& operator=(const DialogFont&) = delete;

  // Height of a text line, in pixels.
  static constexpr int kCellHeight = 13;

  int Advance(std::string_view text, Weight weight) const;
  // Column of the first inked pixel when the text is drawn at x = 0.
  int InkLeft(std::string_view text, Weight weight) const;
  // Draws with the top-left of the character cell at (x, y). The ampersand is drawn literally;
  // underlines for access keys are drawn by DrawUnderline.
  void Draw(Image& image, int x, int y, std::string_view text, Color color, Weight weight) const;
  // Underlines the character at `index` of a text drawn at (x, y).
  void DrawUnderline(Image& image, int x, int y, std::string_view text, size_t index, Color color,
                     Weight weight) const;

 private:
  struct Glyph;
  Glyph Load(unsigned char code) const;

  struct Library;
  std::unique_ptr<Library> library_;
};

}  // namespace picgen
