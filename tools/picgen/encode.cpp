#include "encode.h"

#include <algorithm>
#include <stdexcept>

namespace picgen {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void Put16(Bytes& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
uint32_t Get16(std::span<const uint8_t> in, size_t at) {
  if (at + 2 > in.size()) throw std::runtime_error("file cut short");
  return in[at] | (in[at + 1] << 8);
}
uint32_t Get32(std::span<const uint8_t> in, size_t at) {
  return Get16(in, at) | (Get16(in, at + 2) << 16);
}

int RowBytes(int width, int bits) {
  return (width * bits + 31) / 32 * 4;
}

void PutQuad(Bytes& out, Color c) {
  out.push_back(static_cast<uint8_t>(c));
  out.push_back(static_cast<uint8_t>(c >> 8));
  out.push_back(static_cast<uint8_t>(c >> 16));
  out.push_back(0);
}

void PutInfoHeader(Bytes& out, int width, int height, int bits, uint32_t imageSize,
                   uint32_t colorsUsed) {
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, colorsUsed);
  Put32(out, 0);
}

// "BM", the file's size, and where its pixels begin.
void PutFileHeader(Bytes& out, uint32_t pixelsOffset, uint32_t pixelBytes) {
  out.push_back('B');
  out.push_back('M');
  Put32(out, pixelsOffset + pixelBytes);
  Put32(out, 0);
  Put32(out, pixelsOffset);
}

uint8_t PaletteIndex(std::span<const Color> palette, Color c) {
  const auto found = std::find(palette.begin(), palette.end(), c);
  if (found == palette.end()) throw std::runtime_error("colour outside the palette");
  return static_cast<uint8_t>(found - palette.begin());
}

// Pixel rows of an indexed image, bottom-up, each padded to 32 bits.
void PutIndexedRows(Bytes& out, const Image& image, std::span<const Color> palette, int bits,
                    Color transparentAs) {
  const int stride = RowBytes(image.width(), bits);
  for (int y = image.height() - 1; y >= 0; --y) {
    Bytes row(static_cast<size_t>(stride), 0);
    for (int x = 0; x < image.width(); ++x) {
      Color c = image.At(x, y);
      if (c == kTransparent) c = transparentAs;
      const uint8_t index = PaletteIndex(palette, c);
      if (bits == 8) {
        row[x] = index;
      } else {
        row[x / 2] |= static_cast<uint8_t>(x % 2 == 0 ? index << 4 : index);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

void PutMaskRows(Bytes& out, const Image& image) {
  const int stride = RowBytes(image.width(), 1);
  for (int y = image.height() - 1; y >= 0; --y) {
    Bytes row(static_cast<size_t>(stride), 0);
    for (int x = 0; x < image.width(); ++x)
      if (image.At(x, y) == kTransparent) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
}

uint32_t IconImageSize(const Image& image) {
  return kInfoHeaderSize + 16 * 4 +
         static_cast<uint32_t>((RowBytes(image.width(), 4) + RowBytes(image.width(), 1)) *
                               image.height());
}

// Reads one DIB (info header, palette, pixels) at `at`; for icons the mask follows the pixels.
Image DecodeDib(std::span<const uint8_t> in, size_t at, size_t pixelsAt, bool withMask) {
  if (Get32(in, at) != kInfoHeaderSize) throw std::runtime_error("unknown bitmap header");
  const int width = static_cast<int>(Get32(in, at + 4));
  const int rawHeight = static_cast<int>(Get32(in, at + 8));
  const int height = withMask ? rawHeight / 2 : rawHeight;
  const int bits = static_cast<int>(Get16(in, at + 14));
  if (Get32(in, at + 16) != 0) throw std::runtime_error("compressed bitmap");
  if (height <= 0 || width <= 0) throw std::runtime_error("only bottom-up bitmaps are read");
  std::vector<Color> palette;
  if (bits <= 8) {
    uint32_t colors = Get32(in, at + 32);
    if (colors == 0) colors = 1u << bits;
    for (uint32_t i = 0; i < colors; ++i) {
      const size_t q = at + kInfoHeaderSize + 4 * i;
      palette.push_back((Get16(in, q + 2) & 0xFF) << 16 | Get16(in, q));
    }
  }
  if (pixelsAt == 0) pixelsAt = at + kInfoHeaderSize + 4 * palette.size();
  Image image(width, height, 0);
  const int stride = RowBytes(width, bits);
  for (int y = 0; y < height; ++y) {
    const size_t row = pixelsAt + static_cast<size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      Color c = 0;
      if (bits == 24) {
        const size_t p = row + 3 * x;
        if (p + 3 > in.size()) throw std::runtime_error("file cut short");
        c = in[p] | in[p + 1] << 8 | in[p + 2] << 16;
      } else if (bits == 8 || bits == 4) {
        const size_t p = row + (bits == 8 ? x : x / 2);
        if (p >= in.size()) throw std::runtime_error("file cut short");
        const uint8_t index = bits == 8 ? in[p] : (x % 2 == 0 ? in[p] >> 4 : in[p] & 0x0F);
        c = palette.at(index);
      } else {
        throw std::runtime_error("unsupported bit depth");
      }
      image.Set(x, y, c);
    }
  }
  if (withMask) {
    const size_t maskAt = pixelsAt + static_cast<size_t>(stride) * height;
    const int maskStride = RowBytes(width, 1);
    for (int y = 0; y < height; ++y) {
      const size_t row = maskAt + static_cast<size_t>(height - 1 - y) * maskStride;
      for (int x = 0; x < width; ++x) {
        if (row + x / 8 >= in.size()) throw std::runtime_error("file cut short");
        if (in[row + x / 8] & (0x80 >> (x % 8))) image.Set(x, y, kTransparent);
      }
    }
  }
  return image;
}

}  // namespace

Bytes EncodeBmp8(const Image& image, std::span<const Color> palette) {
  if (palette.size() > 256) throw std::runtime_error("palette too large");
  const uint32_t pixels = static_cast<uint32_t>(RowBytes(image.width(), 8) * image.height());
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 256 * 4;
  Bytes out;
  PutFileHeader(out, offset, pixels);
  PutInfoHeader(out, image.width(), image.height(), 8, pixels, 256);
  for (int i = 0; i < 256; ++i) PutQuad(out, i < static_cast<int>(palette.size()) ? palette[i] : 0);
  PutIndexedRows(out, image, palette, 8, 0);
  return out;
}

Bytes EncodeBmp24(const Image& image) {
  const int stride = RowBytes(image.width(), 24);
  const uint32_t pixels = static_cast<uint32_t>(stride * image.height());
  const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
  Bytes out;
  PutFileHeader(out, offset, pixels);
  PutInfoHeader(out, image.width(), image.height(), 24, pixels, 0);
  for (int y = image.height() - 1; y >= 0; --y) {
    Bytes row(static_cast<size_t>(stride), 0);
    for (int x = 0; x < image.width(); ++x) {
      const Color c = image.At(x, y);
      row[3 * x] = static_cast<uint8_t>(c);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

Bytes EncodeIco4(std::span<const Image> images) {
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (const Image& image : images) {
    out.push_back(static_cast<uint8_t>(image.width()));
    out.push_back(static_cast<uint8_t>(image.height()));
    out.push_back(16);  // colours
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 4);  // bits per pixel
    Put32(out, IconImageSize(image));
    Put32(out, offset);
    offset += IconImageSize(image);
  }
  for (const Image& image : images) {
    const uint32_t pixels = IconImageSize(image) - kInfoHeaderSize - 16 * 4;
    PutInfoHeader(out, image.width(), image.height() * 2, 4, pixels, 0);
    for (Color c : kStandardColors) PutQuad(out, c);
    PutIndexedRows(out, image, kStandardColors, 4, 0x000000);
    PutMaskRows(out, image);
  }
  return out;
}

Image DecodeBmp(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M')
    throw std::runtime_error("not a BMP file");
  return DecodeDib(file, kFileHeaderSize, Get32(file, 10), false);
}

std::vector<Image> DecodeIco(std::span<const uint8_t> file) {
  if (Get16(file, 0) != 0 || Get16(file, 2) != 1) throw std::runtime_error("not an ICO file");
  std::vector<Image> images;
  const uint32_t count = Get16(file, 4);
  for (uint32_t i = 0; i < count; ++i)
    images.push_back(DecodeDib(file, Get32(file, 6 + 16 * i + 12), 0, true));
  return images;
}

}  // namespace picgen
