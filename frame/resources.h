// The pictures and icons of the layouts, held in the executable as whole BMP and ICO files.
#pragma once

#include <cstdint>
#include <span>

#include "frame/handles.h"

namespace frame {

std::span<const uint8_t> ResourceFile(const wchar_t* name);
BitmapHandle LoadPicture(const wchar_t* name);
// The image of the given size from an icon file.
IconHandle LoadIconImage(const wchar_t* name, int size);

}  // namespace frame
