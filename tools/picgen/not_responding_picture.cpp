#include "tools/picgen/not_responding_picture.h"

#include <cmath>

#include "tools/picgen/classic.h"

namespace not_responding {

namespace {

using picgen::Color;
using picgen::DialogFont;
using picgen::Image;
using picgen::Weight;

constexpr Color kSilver = 0xC0C0C0;
constexpr Color kNavy = 0x000080;
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kGrey = 0x808080;
constexpr Color kYellow = 0xFFFF00;
constexpr Color kLight = 0xDFDFDF;
constexpr Color kOlive = 0x808000;

constexpr picgen::Shades kShades = {kWhite, kLight, kSilver, kGrey, kBlack};

constexpr int kWidth = 364;
constexpr int kHeight = 252;
constexpr int kTextLeft = 63;
constexpr int kIndentedLeft = 73;

void DrawFrame(Image& image) {
  image.HLine(0, kWidth - 2, 0, kWhite);
  image.VLine(0, 0, kHeight - 2, kWhite);
  image.HLine(1, kWidth - 2, 1, kSilver);
  image.VLine(1, 1, kHeight - 3, kSilver);
  image.VLine(kWidth - 1, 0, kHeight - 2, kGrey);
  image.HLine(1, kWidth - 1, kHeight - 2, kGrey);
  image.HLine(0, kWidth - 1, kHeight - 1, kBlack);
}

void DrawTitleBar(Image& image, const DialogFont& font) {
  image.Fill(2, 2, 361, 19, kNavy);
  font.Draw(image, 4, 4, "Systray", kWhite, Weight::kBold);
  picgen::DrawCaptionButton(image, 344, 4, picgen::CaptionGlyph::kClose, kShades);
}

// The warning sign: a yellow triangle, lit from the top left, with an exclamation mark.
void DrawWarningSign(Image& image) {
  constexpr int kTop = 37;
  constexpr int kBottom = 66;
  for (int y = kTop; y <= kBottom; ++y) {
    const int row = y - kTop;
    const int left = static_cast<int>(std::floor(30 - row * 13.0 / 29 + 0.5));
    const int right = 61 - left;
    image.HLine(left, right, y, kYellow);
    image.Set(left, y, kOlive);
    image.Set(right, y, kBlack);
    if (row == 0) image.HLine(left, right - 1, y, kOlive);
  }
  image.HLine(17, 44, kBottom, kBlack);
  image.Fill(30, 46, 31, 57, kBlack);
  image.Fill(30, 60, 31, 62, kBlack);
}

void DrawText(Image& image, const DialogFont& font, int inkLeft, int inkTop, const char* text) {
  font.Draw(image, inkLeft - font.InkLeft(text, Weight::kRegular), inkTop - 2, text, kBlack,
            Weight::kRegular);
}

void DrawDash(Image& image, int inkTop) {
  image.HLine(kTextLeft, kTextLeft + 1, inkTop + 6, kBlack);
}

void DrawParagraphs(Image& image, const DialogFont& font) {
  DrawText(image, font, kTextLeft, 39, kFirstParagraph[0]);
  DrawText(image, font, kTextLeft, 52, kFirstParagraph[1]);
  DrawDash(image, 83);
  DrawText(image, font, kIndentedLeft, 83, kSecondParagraph);
  DrawDash(image, 114);
  DrawText(image, font, kIndentedLeft, 114, kThirdParagraph[0]);
  DrawText(image, font, kIndentedLeft, 127, kThirdParagraph[1]);
}

void DrawButtons(Image& image, const DialogFont& font) {
  constexpr int kTop = 210;
  constexpr int kBottom = 232;
  const int textY = kTop + (kBottom - kTop + 1 - DialogFont::kCellHeight) / 2;

  picgen::DrawDefaultButton(image, 158, kTop, 249, kBottom, kShades);
  const char* endTask = "End Task";
  const int endTaskWidth = font.Advance(endTask, Weight::kRegular);
  const int endTaskX = 158 + (92 - endTaskWidth) / 2;
  font.Draw(image, endTaskX, textY, endTask, kBlack, Weight::kRegular);
  font.DrawUnderline(image, endTaskX, textY, endTask, 0, kBlack, Weight::kRegular);
  picgen::DrawFocusDots(image, endTaskX - 3, textY + 1, endTaskX + endTaskWidth + 1, textY + 13,
                        kBlack);

  picgen::DrawRaisedButton(image, 256, kTop, 345, kBottom, kShades);
  const char* cancel = "Cancel";
  font.Draw(image, 256 + (90 - font.Advance(cancel, Weight::kRegular)) / 2, textY, cancel, kBlack,
            Weight::kRegular);
}

}  // namespace

Image DrawNotRespondingPicture(const DialogFont& font) {
  Image image(kWidth, kHeight, kSilver);
  DrawFrame(image);
  DrawTitleBar(image, font);
  DrawWarningSign(image);
  DrawParagraphs(image, font);
  DrawButtons(image, font);
  return image;
}

}  // namespace not_responding
