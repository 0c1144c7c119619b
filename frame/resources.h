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
// The font at the display's density; its size is in points.
FontHandle LoadFont(const FontDescription& font, int dpi);
// Dots per inch of the display (96 unless the system says otherwise).
int DisplayDpi();

}  // namespace frame
