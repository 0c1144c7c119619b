// The generator and its encoders: the committed pictures are exactly what the code draws, the
// encoders write the formats the screens load, and the type matches the system's metrics.
#include <gtest/gtest.h>

#include "picture_checks.h"
#include "tools/picgen/font.h"
#include "tools/picgen/pictures.h"

namespace {

using picgen::Weight;

TEST(Pictures, CommittedFilesAreExactlyWhatTheGeneratorDraws) {
  const picgen::DialogFont font(QUORM_DIALOG_FONT);
  for (const picgen::PictureFile& file : picgen::DrawAllPictures(font)) {
    const picgen::Bytes committed = checks::ReadSourceFile(file.path);
    ASSERT_FALSE(committed.empty()) << file.path << " is missing; run the pictures target";
    EXPECT_EQ(committed.size(), file.bytes.size()) << file.path;
    EXPECT_TRUE(committed == file.bytes) << file.path << " differs; run the pictures target";
  }
}

TEST(DialogFont, MeasuresLikeTheSystemAtEightPoints) {
  const picgen::DialogFont font(QUORM_DIALOG_FONT);
  struct Case {
    const char* text;
    Weight weight;
    int advance;
    int inkLeft;
  };
  for (const Case& c :
       {Case{"WARNING: Pressing CTRL+ALT+DEL again will restart your", Weight::kRegular, 284, 0},
        Case{"This program is not responding. It may be busy, waiting for", Weight::kRegular, 272,
             1},
        Case{"Close Program", Weight::kBold, 81, 1}, Case{"Systray", Weight::kBold, 41, 1}}) {
    EXPECT_EQ(font.Advance(c.text, c.weight), c.advance) << c.text;
    EXPECT_EQ(font.InkLeft(c.text, c.weight), c.inkLeft) << c.text;
    picgen::Image image(c.advance + 4, picgen::DialogFont::kCellHeight, 0);
    font.Draw(image, 0, 0, c.text, 1, c.weight);
    EXPECT_EQ(checks::BoxOf(image, 1, {0, 0, c.advance + 3, 12}),
              (checks::Box{c.inkLeft, 2, c.advance - 1, 12}))
        << c.text;
  }
}

TEST(DialogFont, BoldIsTheRegularGlyphSmearedOnePixelRight) {
  const picgen::DialogFont font(QUORM_DIALOG_FONT);
  picgen::Image regular(20, 13, 0), bold(20, 13, 0);
  font.Draw(regular, 0, 0, "W", 1, Weight::kRegular);
  font.Draw(bold, 0, 0, "W", 1, Weight::kBold);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 19; ++x) {
      const bool smeared = regular.At(x, y) == 1 || (x > 0 && regular.At(x - 1, y) == 1);
      EXPECT_EQ(bold.At(x, y) == 1, smeared) << x << "," << y;
    }
}

TEST(DialogFont, RejectsAFileWithoutTheFace) {
  EXPECT_THROW(picgen::DialogFont("/nonexistent/sserife.fon"), std::runtime_error);
}

picgen::Image Checkerboard(int w, int h, std::initializer_list<picgen::Color> colors) {
  const std::vector<picgen::Color> cs(colors);
  picgen::Image image(w, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.Set(x, y, cs[(x * 7 + y * 3) % cs.size()]);
  return image;
}

TEST(Encoders, EightBitBmpRoundTripsWithPaddedRowsAndAFullPalette) {
  const picgen::Color palette[] = {0x123456, 0xFCFCFC, 0x000080};
  const picgen::Image image = Checkerboard(5, 3, {0x123456, 0xFCFCFC, 0x000080});
  const picgen::Bytes file = picgen::EncodeBmp8(image, palette);
  EXPECT_EQ(file.size(), 14u + 40 + 1024 + 8 * 3);  // rows of 5 padded to 8 bytes
  const picgen::Image back = picgen::DecodeBmp(file);
  ASSERT_EQ(back.width(), 5);
  ASSERT_EQ(back.height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.At(x, y), image.At(x, y));
}

TEST(Encoders, EightBitBmpRefusesAColourOutsideThePalette) {
  const picgen::Color palette[] = {0x000000};
  EXPECT_THROW(picgen::EncodeBmp8(picgen::Image(2, 2, 0xFFFFFF), palette), std::runtime_error);
}

TEST(Encoders, TwentyFourBitBmpStoresRowsBottomUpInBlueGreenRedOrder) {
  picgen::Image image(2, 2, 0);
  image.Set(0, 0, 0x112233);  // top-left
  image.Set(1, 1, 0xAABBCC);  // bottom-right
  const picgen::Bytes file = picgen::EncodeBmp24(image);
  ASSERT_EQ(file.size(), 14u + 40 + 8 * 2);
  EXPECT_EQ(file[54 + 3], 0xCC);  // first stored row is the bottom one
  EXPECT_EQ(file[54 + 5], 0xAA);
  EXPECT_EQ(file[62], 0x33);
  EXPECT_EQ(file[64], 0x11);
  const picgen::Image back = picgen::DecodeBmp(file);
  EXPECT_EQ(back.At(0, 0), 0x112233u);
  EXPECT_EQ(back.At(1, 1), 0xAABBCCu);
}

TEST(Encoders, IconRoundTripsColoursAndMask) {
  picgen::Image large(32, 32, picgen::kTransparent), small(16, 16, picgen::kTransparent);
  large.Set(3, 4, 0xFF0000);
  large.Set(31, 31, 0x000000);  // opaque black is not transparent
  small.Set(0, 15, 0xFFFF00);
  const picgen::Image images[] = {large, small};
  const picgen::Bytes file = picgen::EncodeIco4(images);
  EXPECT_EQ(file.size(), 1078u);
  const std::vector<picgen::Image> back = picgen::DecodeIco(file);
  ASSERT_EQ(back.size(), 2u);
  for (int i = 0; i < 2; ++i)
    for (int y = 0; y < images[i].height(); ++y)
      for (int x = 0; x < images[i].width(); ++x)
        EXPECT_EQ(back[i].At(x, y), images[i].At(x, y)) << i << ":" << x << "," << y;
}

TEST(Encoders, IconRefusesANonStandardColour) {
  const picgen::Image images[] = {picgen::Image(16, 16, 0xFCFCFC)};
  EXPECT_THROW(picgen::EncodeIco4(images), std::runtime_error);
}

TEST(Encoders, DecodersRejectTruncatedFiles) {
  const picgen::Color palette[] = {0};
  picgen::Bytes file = picgen::EncodeBmp8(picgen::Image(4, 4, 0), palette);
  file.resize(file.size() - 4);
  EXPECT_THROW(picgen::DecodeBmp(file), std::runtime_error);
  EXPECT_THROW(picgen::DecodeIco(picgen::Bytes{0, 0, 1, 0, 1}), std::runtime_error);
}

}  // namespace
