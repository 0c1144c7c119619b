// The committed Not Responding picture, read back and checked element by element.
#include <gtest/gtest.h>

#include "picture_checks.h"
#include "tools/picgen/not_responding_picture.h"

namespace {

using checks::AllOf;
using checks::Box;
using checks::BoxOf;
using checks::ColorsIn;

constexpr picgen::Color kSilver = 0xC0C0C0, kNavy = 0x000080, kBlack = 0x000000, kWhite = 0xFFFFFF,
                        kGrey = 0x808080;

const picgen::Bytes& File() {
  static const picgen::Bytes file =
      checks::ReadSourceFile("screens/not_responding/not_responding.bmp");
  return file;
}
const picgen::Image& Picture() {
  static const picgen::Image image = picgen::DecodeBmp(File());
  return image;
}

TEST(NotRespondingPicture, IsAnUncompressedBottomUpTwentyFourBitBmp) {
  ASSERT_EQ(File().size(), 275238u);
  EXPECT_EQ(File()[28], 24);
  EXPECT_EQ(File()[10], 54);  // no palette
  EXPECT_EQ(Picture().width(), 364);
  EXPECT_EQ(Picture().height(), 252);
  const std::set<picgen::Color> expected(std::begin(not_responding::kPictureColors),
                                         std::end(not_responding::kPictureColors));
  EXPECT_EQ(checks::ColorsOf(Picture()), expected);
}

TEST(NotRespondingPicture, HasTheFrameAndTitleBarWithSystrayAndTheCloseBox) {
  const picgen::Image& p = Picture();
  EXPECT_TRUE(AllOf(p, {0, 0, 362, 0}, kWhite));
  EXPECT_TRUE(AllOf(p, {0, 0, 0, 250}, kWhite));
  EXPECT_TRUE(AllOf(p, {1, 1, 362, 1}, kSilver));
  EXPECT_TRUE(AllOf(p, {1, 1, 1, 249}, kSilver));
  EXPECT_TRUE(AllOf(p, {363, 0, 363, 250}, kGrey));
  EXPECT_TRUE(AllOf(p, {1, 250, 363, 250}, kGrey));
  EXPECT_TRUE(AllOf(p, {0, 251, 363, 251}, kBlack));
  EXPECT_TRUE(AllOf(p, {2, 2, 361, 3}, kNavy));
  EXPECT_TRUE(AllOf(p, {46, 4, 342, 19}, kNavy));
  EXPECT_EQ(BoxOf(p, kWhite, {2, 2, 342, 19}), (Box{5, 6, 44, 16}));
  EXPECT_TRUE(AllOf(p, {344, 4, 358, 4}, kWhite));
  EXPECT_TRUE(AllOf(p, {359, 4, 359, 17}, kBlack));
  EXPECT_TRUE(BoxOf(p, kBlack, {346, 6, 357, 15}));  // the cross
}

TEST(NotRespondingPicture, HasTheWarningSignAndTheThreeParagraphs) {
  const picgen::Image& p = Picture();
  EXPECT_EQ(BoxOf(p, 0xFFFF00, {2, 20, 361, 200})->x0, 18);
  const Box sign = {17, 37, 44, 66};
  EXPECT_EQ(ColorsIn(p, sign), (std::set<picgen::Color>{kSilver, 0xFFFF00, 0x808000, kBlack}));
  EXPECT_EQ(BoxOf(p, 0x808000, {2, 20, 361, 200}).value().y0, 37);
  EXPECT_EQ(BoxOf(p, kBlack, {30, 45, 31, 63}), (Box{30, 46, 31, 62}));  // the "!"
  struct Line {
    int top;
    int left;
  };
  for (const Line& line :
       {Line{39, 63}, Line{52, 63}, Line{83, 63}, Line{114, 63}, Line{127, 73}}) {
    const auto ink = BoxOf(p, kBlack, {50, line.top - 1, 361, line.top + 11});
    ASSERT_TRUE(ink) << line.top;
    EXPECT_EQ(ink->x0, line.left) << line.top;
    EXPECT_GE(ink->y0, line.top) << line.top;
    EXPECT_LE(ink->y1, line.top + 10) << line.top;
  }
  EXPECT_EQ(BoxOf(p, kBlack, {50, 38, 361, 50}), (Box{63, 39, 333, 49}));
  // The dashes stand alone before the indented text.
  for (int top : {83, 114}) {
    EXPECT_EQ(BoxOf(p, kBlack, {60, top, 70, top + 10})->x1, 64) << top;
    EXPECT_EQ(BoxOf(p, kBlack, {66, top, 361, top + 10})->x0, 73) << top;
  }
  EXPECT_TRUE(AllOf(p, {50, 140, 361, 205}, kSilver));
}

TEST(NotRespondingPicture, HasTheDefaultEndTaskAndTheCancelButtons) {
  const picgen::Image& p = Picture();
  EXPECT_TRUE(AllOf(p, {158, 210, 249, 210}, kBlack));
  EXPECT_TRUE(AllOf(p, {158, 232, 249, 232}, kBlack));
  EXPECT_EQ(p.At(159, 211), kWhite);
  EXPECT_EQ(p.At(160, 212), 0xDFDFDFu);
  EXPECT_EQ(p.At(256, 210), kWhite);
  EXPECT_EQ(p.At(257, 211), 0xDFDFDFu);
  EXPECT_TRUE(AllOf(p, {256, 232, 345, 232}, kBlack));
  EXPECT_TRUE(AllOf(p, {345, 210, 345, 232}, kBlack));
  // A dotted focus rectangle about the caption: every other pixel of its top edge is black.
  const auto caption = BoxOf(p, kBlack, {163, 214, 244, 228});
  ASSERT_TRUE(caption);
  int dots = 0;
  for (int x = caption->x0; x <= caption->x1; ++x) dots += p.At(x, caption->y0) == kBlack;
  EXPECT_GE(dots, (caption->x1 - caption->x0) / 2 - 1);
  EXPECT_LE(dots, (caption->x1 - caption->x0) / 2 + 2);
  EXPECT_TRUE(BoxOf(p, kBlack, {262, 214, 339, 228}));  // "Cancel"
}

}  // namespace
