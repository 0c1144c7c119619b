#include "classic.h"

namespace picgen {

void DrawFrameRect(Image& image, int x0, int y0, int x1, int y1, Color c) {
  image.HLine(x0, x1, y0, c);
  image.HLine(x0, x1, y1, c);
  image.VLine(x0, y0, y1, c);
  image.VLine(x1, y0, y1, c);
}

void DrawRaisedButton(Image& image, int x0, int y0, int x1, int y1, const Shades& s) {
  image.Fill(x0, y0, x1, y1, s.face);
  image.HLine(x0, x1 - 1, y0, s.highlight);
  image.VLine(x0, y0, y1 - 1, s.highlight);
  image.HLine(x0 + 1, x1 - 2, y0 + 1, s.light);
  image.VLine(x0 + 1, y0 + 1, y1 - 2, s.light);
  image.HLine(x0, x1, y1, s.darkShadow);
  image.VLine(x1, y0, y1, s.darkShadow);
  image.HLine(x0 + 1, x1 - 1, y1 - 1, s.shadow);
  image.VLine(x1 - 1, y0 + 1, y1 - 1, s.shadow);
}

void DrawDefaultButton(Image& image, int x0, int y0, int x1, int y1, const Shades& s) {
  DrawFrameRect(image, x0, y0, x1, y1, s.darkShadow);
  DrawRaisedButton(image, x0 + 1, y0 + 1, x1 - 1, y1 - 1, s);
}

void DrawSunkenBox(Image& image, int x0, int y0, int x1, int y1, const Shades& s, Color inside) {
  image.Fill(x0, y0, x1, y1, inside);
  image.HLine(x0, x1 - 1, y0, s.shadow);
  image.VLine(x0, y0, y1 - 1, s.shadow);
  image.HLine(x0 + 1, x1 - 2, y0 + 1, s.darkShadow);
  image.VLine(x0 + 1, y0 + 1, y1 - 2, s.darkShadow);
  image.HLine(x0, x1, y1, s.highlight);
  image.VLine(x1, y0, y1, s.highlight);
  image.HLine(x0 + 1, x1 - 1, y1 - 1, s.light);
  image.VLine(x1 - 1, y0 + 1, y1 - 1, s.light);
}

void DrawFocusDots(Image& image, int x0, int y0, int x1, int y1, Color c) {
  for (int x = x0; x <= x1; x += 2) {
    image.Set(x, y0, c);
    image.Set(x, y1, c);
  }
  for (int y = y0; y <= y1; y += 2) {
    image.Set(x0, y, c);
    image.Set(x1, y, c);
  }
}

void DrawCaptionButton(Image& image, int x, int y, CaptionGlyph glyph, const Shades& s) {
  image.Fill(x, y, x + 15, y + 13, s.face);
  image.HLine(x, x + 14, y, s.highlight);
  image.VLine(x, y, y + 12, s.highlight);
  image.HLine(x, x + 15, y + 13, s.darkShadow);
  image.VLine(x + 15, y, y + 13, s.darkShadow);
  image.HLine(x + 1, x + 14, y + 12, s.shadow);
  image.VLine(x + 14, y + 1, y + 12, s.shadow);
  static const std::vector<const char*> kClose = {"##....##", ".##..##.", "..####..", "...##...",
                                                  "..####..", ".##..##.", "##....##"};
  static const std::vector<const char*> kHelp = {".####.", "##..##", "....##", "...##.",
                                                 "..##..", "......", "..##.."};
  if (glyph == CaptionGlyph::kClose) {
    image.Stamp(x + 4, y + 3, kClose, "#", {s.darkShadow});
  } else {
    image.Stamp(x + 5, y + 3, kHelp, "#", {s.darkShadow});
  }
}

}  // namespace picgen
