#include "font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <climits>
#include <stdexcept>
#include <vector>

namespace picgen {

namespace {
constexpr int kAscent = 11;        // baseline row below the cell top
constexpr int kUnderlineRow = 12;  // the row the system underlines access keys in

int BoldExtra(Weight weight) {
  return weight == Weight::kBold ? 1 : 0;
}
}  // namespace

struct DialogFont::Library {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Library() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

struct DialogFont::Glyph {
  int left = 0;
  int top = 0;
  int advance = 0;
  int width = 0;
  int rows = 0;
  std::vector<bool> ink;  // rows * width
};

DialogFont::DialogFont(const char* path) : library_(std::make_unique<Library>()) {
  if (FT_Init_FreeType(&library_->library) != 0) throw std::runtime_error("FreeType did not start");
  for (FT_Long index = 0;; ++index) {
    FT_Face face = nullptr;
    if (FT_New_Face(library_->library, path, index, &face) != 0)
      throw std::runtime_error(std::string("cannot read a 13-pixel face from ") + path);
    const bool fits = face->num_fixed_sizes > 0 && face->available_sizes[0].height == kCellHeight;
    const FT_Long faces = face->num_faces;
    if (fits) {
      library_->face = face;
      break;
    }
    FT_Done_Face(face);
    if (index + 1 >= faces) throw std::runtime_error(std::string("no 13-pixel face in ") + path);
  }
  // The font's own table is in the Windows ANSI code page; codes index it directly.
  FT_Select_Charmap(library_->face, FT_ENCODING_NONE);
  FT_Set_Pixel_Sizes(library_->face, 0, kCellHeight);
}

DialogFont::~DialogFont() = default;

DialogFont::Glyph DialogFont::Load(unsigned char code) const {
  FT_Face face = library_->face;
  if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
    throw std::runtime_error("glyph missing from the dialog font");
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  Glyph glyph;
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.advance = static_cast<int>(face->glyph->advance.x >> 6);
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.ink.resize(static_cast<size_t>(glyph.width) * glyph.rows);
  for (int r = 0; r < glyph.rows; ++r)
    for (int c = 0; c < glyph.width; ++c)
      glyph.ink[static_cast<size_t>(r) * glyph.width + c] =
          (bitmap.buffer[r * bitmap.pitch + c / 8] & (0x80 >> (c % 8))) != 0;
  return glyph;
}

int DialogFont::Advance(std::string_view text, Weight weight) const {
  int x = 0;
  for (char ch : text) x += Load(static_cast<unsigned char>(ch)).advance + BoldExtra(weight);
  return x;
}

int DialogFont::InkLeft(std::string_view text, Weight weight) const {
  Image scratch(Advance(text, weight) + 2, kCellHeight, 0);
  Draw(scratch, 0, 0, text, 1, weight);
  int left = INT_MAX;
  for (int y = 0; y < scratch.height(); ++y)
    for (int x = 0; x < scratch.width(); ++x)
      if (scratch.At(x, y) == 1 && x < left) left = x;
  return left;
}

void DialogFont::Draw(Image& image, int x, int y, std::string_view text, Color color,
                      Weight weight) const {
  for (char ch : text) {
    const Glyph glyph = Load(static_cast<unsigned char>(ch));
    for (int r = 0; r < glyph.rows; ++r) {
      for (int c = 0; c < glyph.width; ++c) {
        if (!glyph.ink[static_cast<size_t>(r) * glyph.width + c]) continue;
        const int px = x + glyph.left + c;
        const int py = y + kAscent - glyph.top + r;
        for (int smear = 0; smear <= BoldExtra(weight); ++smear)
          if (image.Contains(px + smear, py)) image.Set(px + smear, py, color);
      }
    }
    x += glyph.advance + BoldExtra(weight);
  }
}

void DialogFont::DrawUnderline(Image& image, int x, int y, std::string_view text, size_t index,
                               Color color, Weight weight) const {
  const int start = x + Advance(text.substr(0, index), weight);
  const int width = Load(static_cast<unsigned char>(text[index])).advance + BoldExtra(weight);
  image.HLine(start, start + width - 2, y + kUnderlineRow, color);
}

}  // namespace picgen
