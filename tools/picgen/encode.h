// Whole-file encoders for the formats the screens carry (BMP, ICO), and their decoders, which
// the tests use to read the committed files back.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "image.h"

namespace picgen {

using Bytes = std::vector<uint8_t>;

// The 16 standard Windows colours, in their palette order.
inline constexpr Color kStandardColors[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// Uncompressed bottom-up BMP with 8 bits per pixel and a 256-entry palette that begins with
// `palette` (the rest is black). Throws when a pixel's colour is not in `palette`.
Bytes EncodeBmp8(const Image& image, std::span<const Color> palette);
// Uncompressed bottom-up BMP with 24 bits per pixel and no palette.
Bytes EncodeBmp24(const Image& image);
// ICO with one 4-bit image per entry, the standard palette and a 1-bit mask; pixels equal to
// kTransparent are masked. Throws on a colour outside the standard 16.
Bytes EncodeIco4(std::span<const Image> images);

Image DecodeBmp(std::span<const uint8_t> file);
std::vector<Image> DecodeIco(std::span<const uint8_t> file);

}  // namespace picgen
