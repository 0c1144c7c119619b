// The committed Close Program picture and application icon, read back and checked element by
// element at the places the dialog has them.
#include <gtest/gtest.h>

#include "picture_checks.h"
#include "tools/picgen/close_program_picture.h"

namespace {

using checks::AllOf;
using checks::Box;
using checks::BoxOf;
using checks::ColorsIn;

constexpr picgen::Color kWhite = 0xFCFCFC, kSilver = 0xC0C0C0, kNavy = 0x000080, kBlack = 0x040404,
                        kGrey = 0x808080, kLightGrey = 0xDCDCDC;

class CloseProgramPicture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    file_ = new picgen::Bytes(checks::ReadSourceFile("screens/close_program/close_program.bmp"));
    image_ = new picgen::Image(picgen::DecodeBmp(*file_));
  }
  static void TearDownTestSuite() {
    delete image_;
    delete file_;
  }
  static const picgen::Image& image() { return *image_; }
  static const picgen::Bytes& file() { return *file_; }

 private:
  static inline picgen::Bytes* file_ = nullptr;
  static inline picgen::Image* image_ = nullptr;
};

uint32_t Le32(const picgen::Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST_F(CloseProgramPicture, IsAnUncompressedBottomUpEightBitBmpOfTheClientSize) {
  ASSERT_EQ(file().size(), 90038u);
  EXPECT_EQ(file()[0], 'B');
  EXPECT_EQ(Le32(file(), 18), 319u);
  EXPECT_EQ(Le32(file(), 22), 278u);  // positive height: bottom-up
  EXPECT_EQ(file()[28], 8);
  EXPECT_EQ(Le32(file(), 30), 0u);
  EXPECT_EQ(Le32(file(), 10), 14u + 40 + 256 * 4);
}

TEST_F(CloseProgramPicture, UsesExactlyTheFourteenColours) {
  const std::set<picgen::Color> expected(std::begin(close_program::kPictureColors),
                                         std::end(close_program::kPictureColors));
  EXPECT_EQ(checks::ColorsOf(image()), expected);
}

TEST_F(CloseProgramPicture, HasTheOnePixelFrame) {
  EXPECT_TRUE(AllOf(image(), {0, 0, 318, 0}, kWhite));
  EXPECT_TRUE(AllOf(image(), {0, 0, 0, 277}, kWhite));
  EXPECT_TRUE(AllOf(image(), {1, 1, 317, 1}, kSilver));
  EXPECT_EQ(ColorsIn(image(), {1, 1, 1, 276}), (std::set<picgen::Color>{kSilver, 0xC4C4C4}));
  for (int y = 2; y < 276; ++y) EXPECT_NE(image().At(1, y), image().At(1, y + 1)) << y;
  EXPECT_TRUE(AllOf(image(), {318, 1, 318, 277}, kGrey));
  EXPECT_TRUE(AllOf(image(), {1, 277, 318, 277}, kGrey));
}

TEST_F(CloseProgramPicture, HasTheTitleBarWithEmblemTextAndButtons) {
  EXPECT_TRUE(AllOf(image(), {2, 2, 316, 3}, kNavy));
  EXPECT_TRUE(AllOf(image(), {2, 18, 316, 19}, kNavy));
  EXPECT_TRUE(AllOf(image(), {103, 4, 280, 17}, kNavy));
  // The flag: four quarters outlined in black.
  EXPECT_EQ(BoxOf(image(), kBlack, {2, 2, 21, 19}), (Box{4, 4, 19, 17}));
  EXPECT_EQ(BoxOf(image(), 0xFC0404, {4, 4, 19, 17})->x1, 11);
  EXPECT_LE(BoxOf(image(), 0x04FC04, {4, 4, 19, 17})->y1, 10);
  EXPECT_GE(BoxOf(image(), 0x0404FC, {4, 4, 19, 17})->y0, 11);
  EXPECT_GE(BoxOf(image(), 0xFCFC04, {4, 4, 19, 17})->x0, 13);
  EXPECT_EQ(BoxOf(image(), kWhite, {20, 2, 110, 19}), (Box{23, 6, 102, 16}));
  EXPECT_TRUE(ColorsIn(image(), {20, 2, 110, 19}).contains(0x040484));
  for (int x0 : {281, 299}) {
    EXPECT_TRUE(AllOf(image(), {x0, 4, x0 + 14, 4}, kWhite)) << x0;
    EXPECT_TRUE(AllOf(image(), {x0 + 15, 4, x0 + 15, 17}, kBlack)) << x0;
    EXPECT_TRUE(AllOf(image(), {x0, 17, x0 + 15, 17}, kBlack)) << x0;
    EXPECT_TRUE(BoxOf(image(), kBlack, {x0 + 2, 6, x0 + 13, 15})) << x0;  // the glyph
  }
}

TEST_F(CloseProgramPicture, HasTheSunkenTaskListWithItsRows) {
  EXPECT_TRUE(AllOf(image(), {13, 32, 305, 32}, kGrey));
  EXPECT_TRUE(AllOf(image(), {13, 33, 13, 177}, kGrey));
  EXPECT_TRUE(AllOf(image(), {14, 33, 304, 33}, kBlack));
  EXPECT_TRUE(AllOf(image(), {306, 33, 306, 178}, kWhite));
  EXPECT_TRUE(AllOf(image(), {14, 178, 305, 178}, kWhite));
  EXPECT_TRUE(AllOf(image(), {305, 34, 305, 177}, kLightGrey));
  EXPECT_TRUE(AllOf(image(), {15, 177, 304, 177}, kLightGrey));
  EXPECT_EQ(image().At(306, 32), 0x848484u);
  EXPECT_EQ(image().At(13, 178), 0x848484u);
  // The first row selected: a dark bar with white text and a light-yellow dotted border.
  EXPECT_EQ(BoxOf(image(), 0xFCFC7C, {13, 32, 306, 178}), (Box{15, 34, 304, 46}));
  EXPECT_EQ(BoxOf(image(), kWhite, {16, 35, 303, 45})->x0, 18);
  EXPECT_TRUE(ColorsIn(image(), {16, 35, 303, 45}).contains(0x040484));
  // Seven more rows of black text, every 13 pixels, starting at x 18.
  for (int row = 1; row < 8; ++row) {
    const auto ink = BoxOf(image(), kBlack, {15, 34 + 13 * row, 304, 46 + 13 * row});
    ASSERT_TRUE(ink) << row;
    EXPECT_EQ(ink->x0, 18) << close_program::kPaintedTasks[row];
    EXPECT_GE(ink->y0, 34 + 13 * row);
  }
  EXPECT_TRUE(AllOf(image(), {15, 138, 304, 176}, kWhite));
}

TEST_F(CloseProgramPicture, HasTheThreeLineWarningInItsBox) {
  const int widths[3] = {283, -1, -1};
  for (int line = 0; line < 3; ++line) {
    const int top = 187 + 13 * line;
    const auto ink = BoxOf(image(), kBlack, {2, top - 1, 316, top + 11});
    ASSERT_TRUE(ink) << line;
    EXPECT_GE(ink->x0, 13);
    EXPECT_LE(ink->x1, 296);
    EXPECT_GE(ink->y0, top);
    EXPECT_LE(ink->y1, top + 10);
    if (widths[line] > 0) {
      EXPECT_EQ(*ink, (Box{13, top, 296, top + 10}));
    }
  }
  EXPECT_TRUE(AllOf(image(), {2, 224, 316, 240}, kSilver));
}

TEST_F(CloseProgramPicture, HasThreeRaisedButtonsTheFirstOneDefault) {
  const int lefts[3] = {13, 112, 214};
  for (int x0 : lefts) {
    const int x1 = x0 + 92;
    EXPECT_EQ(image().At(x1, 264), kBlack) << x0;
    EXPECT_EQ(image().At(x1, 242 + 5), kBlack) << x0;
    const auto label = BoxOf(image(), kBlack, {x0 + 4, 246, x1 - 4, 261});
    ASSERT_TRUE(label) << x0;
    EXPECT_NEAR((label->x0 + label->x1) / 2.0, (x0 + x1) / 2.0, 2.0) << x0;
    EXPECT_TRUE(ColorsIn(image(), {x0, 242, x1, 264}).contains(0x848484)) << x0;
  }
  EXPECT_TRUE(AllOf(image(), {13, 242, 105, 242}, kBlack));  // the default button's frame
  EXPECT_EQ(image().At(14, 243), kWhite);
  EXPECT_EQ(image().At(112, 242), kWhite);
  EXPECT_EQ(image().At(214, 242), kWhite);
  EXPECT_TRUE(AllOf(image(), {2, 266, 316, 276}, kSilver));
}

TEST(ApplicationIcon, IsTwoFourBitImagesThirtyTwoThenSixteen) {
  const picgen::Bytes file = checks::ReadSourceFile("screens/close_program/application.ico");
  ASSERT_EQ(file.size(), 1078u);
  EXPECT_EQ(file[4], 2);
  EXPECT_EQ(file[6], 32);
  EXPECT_EQ(file[6 + 16], 16);
  for (size_t entry : {6u, 22u}) {
    EXPECT_EQ(file[entry + 2], 16);  // colours
    EXPECT_EQ(file[entry + 4], 1);   // planes
    EXPECT_EQ(file[entry + 6], 4);   // bits per pixel
  }
  const std::vector<picgen::Image> images = picgen::DecodeIco(file);
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0].width(), 32);
  EXPECT_EQ(images[1].width(), 16);
}

TEST(ApplicationIcon, ShowsTheNetworkedComputerWithTheRedCross) {
  const picgen::Image icon =
      picgen::DecodeIco(checks::ReadSourceFile("screens/close_program/application.ico"))[0];
  const Box all{0, 0, 31, 31};
  EXPECT_TRUE(AllOf(icon, {0, 0, 31, 2}, picgen::kTransparent));
  EXPECT_EQ(BoxOf(icon, 0xC0C0C0, {0, 3, 31, 16}), (Box{2, 4, 28, 14}));
  EXPECT_TRUE(AllOf(icon, {2, 6, 21, 6}, 0xFFFFFF));
  EXPECT_EQ(BoxOf(icon, 0x00FF00, all), (Box{22, 7, 24, 7}));
  EXPECT_EQ(BoxOf(icon, 0x008000, all), (Box{22, 8, 24, 8}));
  EXPECT_TRUE(AllOf(icon, {4, 10, 19, 10}, 0x808080));
  EXPECT_TRUE(AllOf(icon, {4, 11, 19, 11}, 0xFFFFFF));
  EXPECT_TRUE(AllOf(icon, {4, 12, 19, 12}, 0x808080));
  EXPECT_TRUE(AllOf(icon, {30, 4, 30, 16}, 0x000000));
  EXPECT_TRUE(AllOf(icon, {2, 16, 30, 16}, 0x000000));
  EXPECT_TRUE(AllOf(icon, {0, 20, 8, 20}, 0x808080));
  EXPECT_TRUE(AllOf(icon, {22, 21, 31, 21}, 0xFFFFFF));
  EXPECT_TRUE(AllOf(icon, {0, 22, 8, 22}, 0x000000));
  EXPECT_EQ(BoxOf(icon, 0xFF0000, all), (Box{9, 19, 21, 28}));
  EXPECT_EQ(BoxOf(icon, 0xFFFF00, all), (Box{15, 21, 15, 21}));
  EXPECT_TRUE(AllOf(icon, {0, 29, 31, 31}, picgen::kTransparent));
  const picgen::Image small =
      picgen::DecodeIco(checks::ReadSourceFile("screens/close_program/application.ico"))[1];
  EXPECT_TRUE(BoxOf(small, 0xFF0000, {0, 0, 15, 15}));
  EXPECT_TRUE(BoxOf(small, 0xC0C0C0, {0, 0, 15, 15}));
}

}  // namespace
