#include "tools/picgen/close_program_picture.h"

#include "tools/picgen/classic.h"

namespace close_program {

namespace {

using picgen::Color;
using picgen::DialogFont;
using picgen::Image;
using picgen::Weight;

constexpr Color kWhite = 0xFCFCFC;
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kNavy = 0x000080;
constexpr Color kBlack = 0x040404;
constexpr Color kGrey = 0x808080;
constexpr Color kNavyNear = 0x040484;
constexpr Color kLightGrey = 0xDCDCDC;
constexpr Color kSilverNear = 0xC4C4C4;
constexpr Color kFocusYellow = 0xFCFC7C;
constexpr Color kRed = 0xFC0404;
constexpr Color kBlue = 0x0404FC;
constexpr Color kGreen = 0x04FC04;
constexpr Color kYellow = 0xFCFC04;
constexpr Color kGreyNear = 0x848484;

constexpr picgen::Shades kShades = {kWhite, kSilver, kSilver, kGrey, kBlack};

constexpr int kWidth = 319;
constexpr size_t kNoAccessKey = static_cast<size_t>(-1);
constexpr int kHeight = 278;

// Scanned captures of the real dialog show a few off-by-four pixels beside the lettering;
// these are kept so that the picture has the colours of the original.
void ScatterBesideInk(Image& image, int x0, int y0, int x1, int y1, Color ground, Color ink,
                      Color near, int every) {
  int seen = 0;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0 + 1; x <= x1; ++x) {
      if (image.At(x, y) == ground && image.At(x - 1, y) == ink && ++seen % every == 0)
        image.Set(x, y, near);
    }
  }
}

void DrawFrame(Image& image) {
  image.HLine(0, kWidth - 1, 0, kWhite);
  image.VLine(0, 0, kHeight - 1, kWhite);
  image.HLine(1, kWidth - 2, 1, kSilver);
  for (int y = 1; y <= kHeight - 2; ++y) image.Set(1, y, y % 2 == 0 ? kSilverNear : kSilver);
  image.VLine(kWidth - 1, 1, kHeight - 1, kGrey);
  image.HLine(1, kWidth - 1, kHeight - 1, kGrey);
}

void DrawFlag(Image& image) {
  // A waving flag of four quarters; the columns rise and fall by one pixel.
  static const std::vector<const char*> kFlag = {
      "....######......", "..##rrrr#g##....", "##rrrrrr#ggg####", "#rrrrrrr#gggggg#",
      "#rrrrrrr#gggggg#", "#rrrrrrr#gggggg#", "################", "#bbbbbbb#yyyyyy#",
      "#bbbbbbb#yyyyyy#", "#bbbbbbb#yyyyyy#", "#bbbbbbb#yyyyyy#", "##bbbbbb#yyy####",
      "..##bbbb#y##....", "....######......"};
  image.Stamp(4, 4, kFlag, "#rgby", {kBlack, kRed, kGreen, kBlue, kYellow});
}

void DrawTitleBar(Image& image, const DialogFont& font) {
  image.Fill(2, 2, 316, 19, kNavy);
  DrawFlag(image);
  font.Draw(image, 22, 4, "Close Program", kWhite, Weight::kBold);
  ScatterBesideInk(image, 22, 6, 104, 16, kNavy, kWhite, kNavyNear, 9);
  picgen::DrawCaptionButton(image, 281, 4, picgen::CaptionGlyph::kHelp, kShades);
  picgen::DrawCaptionButton(image, 299, 4, picgen::CaptionGlyph::kClose, kShades);
}

void DrawTaskList(Image& image, const DialogFont& font) {
  const picgen::Shades listShades = {kWhite, kLightGrey, kSilver, kGrey, kBlack};
  picgen::DrawSunkenBox(image, 13, 32, 306, 178, listShades, kWhite);
  image.Set(306, 32, kGreyNear);
  image.Set(13, 178, kGreyNear);
  constexpr int kTextLeft = 18;
  for (int row = 0; row < 8; ++row) {
    const char* task = kPaintedTasks[row];
    const int top = 34 + 13 * row;
    const int x = kTextLeft - font.InkLeft(task, Weight::kRegular);
    if (row == 0) {
      image.Fill(15, top, 304, top + 12, kNavy);
      font.Draw(image, x, top, task, kWhite, Weight::kRegular);
      ScatterBesideInk(image, kTextLeft, top + 1, 300, top + 11, kNavy, kWhite, kNavyNear, 11);
      picgen::DrawFocusDots(image, 15, top, 304, top + 12, kFocusYellow);
    } else {
      font.Draw(image, x, top, task, kBlack, Weight::kRegular);
    }
  }
}

void DrawWarning(Image& image, const DialogFont& font) {
  for (int line = 0; line < 3; ++line)
    font.Draw(image, 13, 185 + 13 * line, kWarningLines[line], kBlack, Weight::kRegular);
}

void DrawButton(Image& image, const DialogFont& font, int x0, const char* label, size_t accessKey,
                bool isDefault) {
  constexpr int kTop = 242;
  constexpr int kBottom = 264;
  const int x1 = x0 + 92;
  if (isDefault) {
    picgen::DrawDefaultButton(image, x0, kTop, x1, kBottom, kShades);
    image.Set(x1 - 2, kTop + 2, kGreyNear);
  } else {
    picgen::DrawRaisedButton(image, x0, kTop, x1, kBottom, kShades);
    image.Set(x1 - 1, kTop + 1, kGreyNear);
  }
  const int textX = x0 + (93 - font.Advance(label, Weight::kRegular)) / 2;
  const int textY = kTop + (23 - DialogFont::kCellHeight) / 2;
  font.Draw(image, textX, textY, label, kBlack, Weight::kRegular);
  if (accessKey != kNoAccessKey)
    font.DrawUnderline(image, textX, textY, label, accessKey, kBlack, Weight::kRegular);
}

void DrawIcon32(Image& icon) {
  constexpr Color kG = 0x808080, kS = 0xC0C0C0, kW = 0xFFFFFF, kK = 0x000000;
  // The case, seen from slightly above: a slanted top, then the front face.
  icon.HLine(4, 28, 3, kG);
  icon.Set(3, 4, kG);
  icon.HLine(4, 28, 4, kS);
  icon.Set(29, 4, kG);
  icon.Set(2, 5, kG);
  icon.HLine(3, 28, 5, kS);
  icon.Set(29, 5, kG);
  icon.VLine(1, 6, 15, kG);
  icon.Fill(2, 6, 28, 14, kS);
  icon.VLine(29, 5, 15, kG);
  icon.HLine(2, 28, 6, kW);
  icon.HLine(2, 29, 15, kG);
  icon.VLine(30, 4, 16, kK);
  icon.HLine(2, 30, 16, kK);
  icon.HLine(22, 24, 7, 0x00FF00);
  icon.HLine(22, 24, 8, 0x008000);
  for (int slot : {10, 12}) {
    icon.HLine(4, 19, slot, kG);
    icon.HLine(4, 19, slot + 1, kW);
  }
  // The stem down to the network cable.
  icon.VLine(14, 17, 19, kG);
  icon.VLine(15, 17, 19, kS);
  icon.VLine(16, 17, 19, kK);
  icon.HLine(0, 31, 20, kG);
  icon.HLine(0, 31, 21, kW);
  icon.HLine(0, 31, 22, kK);
  // The red cross over the joint, its strokes meeting at the yellow centre.
  static const std::vector<const char*> kCross = {
      "##.........##", ".###.....###.", "...##.o.##...", "....##.##....", ".....###.....",
      "....##.##....", "...##...##...", "..##.....##..", ".##.......##.", "##.........##"};
  icon.Stamp(9, 19, kCross, "#o", {0xFF0000, 0xFF0000});
  icon.Set(15, 21, 0xFFFF00);
}

void DrawIcon16(Image& icon) {
  constexpr Color kG = 0x808080, kS = 0xC0C0C0, kW = 0xFFFFFF, kK = 0x000000;
  icon.HLine(2, 13, 2, kG);
  icon.VLine(1, 3, 7, kG);
  icon.Fill(2, 3, 13, 6, kS);
  icon.HLine(2, 13, 3, kW);
  icon.VLine(14, 2, 8, kK);
  icon.HLine(1, 14, 8, kK);
  icon.HLine(2, 12, 7, kG);
  icon.Set(11, 4, 0x00FF00);
  icon.HLine(3, 8, 5, kG);
  icon.VLine(7, 9, 9, kG);
  icon.HLine(0, 15, 10, kG);
  icon.HLine(0, 15, 11, kK);
  static const std::vector<const char*> kCross = {"#....#", ".#..#.", "..##..",
                                                  "..##..", ".#..#.", "#....#"};
  icon.Stamp(5, 9, kCross, "#", {0xFF0000});
  icon.Set(7, 10, 0xFFFF00);
}

}  // namespace

Image DrawCloseProgramPicture(const DialogFont& font) {
  Image image(kWidth, kHeight, kSilver);
  DrawFrame(image);
  DrawTitleBar(image, font);
  DrawTaskList(image, font);
  DrawWarning(image, font);
  DrawButton(image, font, 13, "End Task", 0, true);
  DrawButton(image, font, 112, "Shut Down", 0, false);
  DrawButton(image, font, 214, "Cancel", kNoAccessKey, false);
  return image;
}

std::vector<Image> DrawApplicationIcon() {
  Image large(32, 32, picgen::kTransparent);
  DrawIcon32(large);
  Image small(16, 16, picgen::kTransparent);
  DrawIcon16(small);
  return {large, small};
}

}  // namespace close_program
