// The Not Responding screen's background picture, drawn from code by the picture generator.
#pragma once

#include "tools/picgen/font.h"
#include "tools/picgen/image.h"

namespace not_responding {

inline constexpr picgen::Color kPictureColors[8] = {0xC0C0C0, 0x000080, 0x000000, 0xFFFFFF,
                                                    0x808080, 0xFFFF00, 0xDFDFDF, 0x808000};

inline constexpr const char* kFirstParagraph[2] = {
    "This program is not responding. It may be busy, waiting for",
    "a response from you, or it may have stopped running."};
inline constexpr const char* kSecondParagraph = "Click Cancel to ignore and return to Windows.";
inline constexpr const char* kThirdParagraph[2] = {
    "To close this program immediately, click End Task.",
    "You will lose any unsaved information in this program."};

// 364 by 252 pixels: one row more than the screen's client area.
picgen::Image DrawNotRespondingPicture(const picgen::DialogFont& font);

}  // namespace not_responding
