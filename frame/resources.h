// The pictures and icons of the layouts, held in the executable as whole BMP and ICO files, and
// the fonts the layouts name.
#pragma once

#include <cstdint>
#include <span>

#include "frame/handles.h"
#include "frame/layout.h"

namespace frame {

std::span<const uint8_t> ResourceFile(const wchar_t* name);
BitmapHandle LoadPicture(const wchar_t* name);
// The image of the given size from an icon file.
IconHandle LoadIconImage(const wchar_t* name, int size);
// The font at a density; its size is in points.
FontHandle LoadFont(const FontDescription& font, int dpi);
// Dots per inch of the display (96 unless the system says otherwise).
int DisplayDpi();
// The whole factor the screens are drawn at on this display (see base::ScaleFactorFor).
int ScaleFactor();
// The density the screens are laid out at: 96 times the scale factor. At it, the layouts'
// twips give the 96-dpi pixels times the factor.
int LayoutDpi();

}  // namespace frame
