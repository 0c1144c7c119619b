// Drawing of the classic 3-D dialog elements that the look-alike pictures share.
#pragma once

#include "image.h"

namespace picgen {

// The five shades of the classic 3-D look, as a picture uses them.
struct Shades {
  Color highlight;   // outer light edge (white)
  Color light;       // inner light edge
  Color face;        // button face (silver)
  Color shadow;      // inner dark edge (grey)
  Color darkShadow;  // outer dark edge (black)
};

void DrawFrameRect(Image& image, int x0, int y0, int x1, int y1, Color c);
// A push button: light edges at the top and left, dark at the bottom and right.
void DrawRaisedButton(Image& image, int x0, int y0, int x1, int y1, const Shades& s);
// The default push button: a dark frame around a raised button one pixel smaller.
void DrawDefaultButton(Image& image, int x0, int y0, int x1, int y1, const Shades& s);
// A sunken field such as a list box: dark edges at the top and left, light at the bottom and right.
void DrawSunkenBox(Image& image, int x0, int y0, int x1, int y1, const Shades& s, Color inside);
// A dotted focus rectangle: every other pixel of the outline.
void DrawFocusDots(Image& image, int x0, int y0, int x1, int y1, Color c);
// A title-bar button of 16 by 14 pixels at (x, y) with the close cross or the help mark.
enum class CaptionGlyph { kClose, kHelp };
void DrawCaptionButton(Image& image, int x, int y, CaptionGlyph glyph, const Shades& s);

}  // namespace picgen
