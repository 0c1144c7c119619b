#include "frame/resources.h"

#include "base/errors.h"
#include "base/units.h"

namespace frame {

namespace {

uint32_t Le16(std::span<const uint8_t> b, size_t at) {
  if (at + 2 > b.size()) base::Raise(base::errors::kResourceNotFound);
  return b[at] | b[at + 1] << 8;
}
uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return Le16(b, at) | Le16(b, at + 2) << 16;
}

}  // namespace

std::span<const uint8_t> ResourceFile(const wchar_t* name) {
  const HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) base::Raise(base::errors::kResourceNotFound);
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr) base::Raise(base::errors::kResourceNotFound);
  return {static_cast<const uint8_t*>(data), SizeofResource(module, found)};
}

BitmapHandle LoadPicture(const wchar_t* name) {
  const std::span<const uint8_t> file = ResourceFile(name);
  constexpr size_t kFileHeader = 14;
  if (file.size() < kFileHeader + sizeof(BITMAPINFOHEADER) || file[0] != 'B' || file[1] != 'M')
    base::Raise(base::errors::kResourceNotFound);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + kFileHeader);
  const uint8_t* bits = file.data() + Le32(file, 10);
  ScreenDc screen(GetDC(nullptr));
  BitmapHandle bitmap(
      CreateDIBitmap(screen.get(), &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS));
  if (!bitmap) base::Raise(base::errors::kOutOfMemory);
  return bitmap;
}

IconHandle LoadIconImage(const wchar_t* name, int size) {
  const std::span<const uint8_t> file = ResourceFile(name);
  const uint32_t count = Le16(file, 4);
  for (uint32_t i = 0; i < count; ++i) {
    const size_t entry = 6 + 16 * i;
    if (Le16(file, entry) % 256 != static_cast<uint32_t>(size % 256)) continue;  // width byte
    const uint32_t bytes = Le32(file, entry + 8);
    const uint32_t offset = Le32(file, entry + 12);
    if (offset + static_cast<size_t>(bytes) > file.size()) break;
    IconHandle icon(CreateIconFromResourceEx(const_cast<PBYTE>(file.data() + offset), bytes, TRUE,
                                             0x00030000, size, size, LR_DEFAULTCOLOR));
    if (!icon) base::Raise(base::errors::kOutOfMemory);
    return icon;
  }
  base::Raise(base::errors::kResourceNotFound);
}

FontHandle LoadFont(const FontDescription& font, int dpi) {
  return FontHandle(CreateFontW(-base::TwipsToPixels(font.points * 20, dpi), 0, 0, 0, font.weight,
                                FALSE, FALSE, FALSE, static_cast<DWORD>(font.charset),
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, font.face));
}

int DisplayDpi() {
  ScreenDc screen(GetDC(nullptr));
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
  return dpi > 0 ? dpi : base::kDesignDpi;
}

int ScaleFactor() {
  return base::ScaleFactorFor(DisplayDpi());
}

int LayoutDpi() {
  return base::kDesignDpi * ScaleFactor();
}

}  // namespace frame
