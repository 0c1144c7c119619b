// The committed shut-down icon, read back and checked against the computer it shows.
#include <gtest/gtest.h>

#include "picture_checks.h"

namespace {

using checks::Box;
using checks::BoxOf;

const std::vector<picgen::Image>& Images() {
  static const std::vector<picgen::Image> images =
      picgen::DecodeIco(checks::ReadSourceFile("screens/shut_down/shut_down.ico"));
  return images;
}

TEST(ShutDownIcon, IsTwoFourBitImagesThirtyTwoThenSixteen) {
  const picgen::Bytes file = checks::ReadSourceFile("screens/shut_down/shut_down.ico");
  ASSERT_EQ(file.size(), 1078u);
  ASSERT_EQ(Images().size(), 2u);
  EXPECT_EQ(Images()[0].width(), 32);
  EXPECT_EQ(Images()[1].width(), 16);
  EXPECT_EQ(file[6 + 6], 4);
  EXPECT_EQ(file[22 + 6], 4);
}

TEST(ShutDownIcon, ShowsTheComputerWithItsScreenSparkleAndLight) {
  const picgen::Image& icon = Images()[0];
  const Box all{0, 0, 31, 31};
  // Everything drawn lies in x 2 to 28, y 0 to 30.
  std::optional<Box> drawn;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (icon.At(x, y) != picgen::kTransparent) {
        if (!drawn) drawn = Box{x, y, x, y};
        drawn = Box{std::min(drawn->x0, x), std::min(drawn->y0, y), std::max(drawn->x1, x),
                    std::max(drawn->y1, y)};
      }
  EXPECT_EQ(drawn, (Box{2, 0, 28, 30}));
  EXPECT_EQ(BoxOf(icon, 0x000080, all), (Box{7, 6, 16, 19}));
  EXPECT_EQ(BoxOf(icon, 0x0000FF, all), (Box{8, 7, 15, 18}));
  EXPECT_EQ(BoxOf(icon, 0x00FFFF, all), (Box{8, 9, 13, 14}));
  EXPECT_EQ(BoxOf(icon, 0xFFFF00, all), (Box{10, 12, 10, 12}));
  EXPECT_EQ(BoxOf(icon, 0x00FF00, all), (Box{5, 21, 6, 21}));
  EXPECT_EQ(BoxOf(icon, 0x008000, all), (Box{5, 22, 6, 22}));
  EXPECT_EQ(icon.At(3, 5), 0xFFFFFFu);    // the bezel is lit on the left
  EXPECT_EQ(icon.At(10, 1), 0xFFFFFFu);   // and on the top
  EXPECT_EQ(icon.At(18, 10), 0x808080u);  // and shaded on the right
  // The system unit narrows to a point at the bottom.
  EXPECT_EQ(BoxOf(icon, 0x000000, {0, 30, 31, 30}), (Box{17, 30, 19, 30}));
  EXPECT_TRUE(BoxOf(icon, 0xC0C0C0, {0, 21, 31, 29}));
  EXPECT_TRUE(BoxOf(Images()[1], 0x00FFFF, {0, 0, 15, 15}));
  EXPECT_TRUE(BoxOf(Images()[1], 0x0000FF, {0, 0, 15, 15}));
}

}  // namespace
