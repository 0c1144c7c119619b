// The Close Program screen's background picture and the application icon, drawn from code by
// the picture generator. The screen itself only carries the files these produce.
#pragma once

#include <vector>

#include "tools/picgen/font.h"
#include "tools/picgen/image.h"

namespace close_program {

// Every colour of the picture, in palette order.
inline constexpr picgen::Color kPictureColors[14] = {
    0xFCFCFC, 0xC0C0C0, 0x000080, 0x040404, 0x808080, 0x040484, 0xDCDCDC,
    0xC4C4C4, 0xFCFC7C, 0xFC0404, 0x0404FC, 0x04FC04, 0xFCFC04, 0x848484};

// The task names painted in the pictured list, top to bottom.
inline constexpr const char* kPaintedTasks[8] = {"GIF Sequence [Not responding]",
                                                 "Rpa",
                                                 "Exploring - C:\\temp",
                                                 "Project1 - Form Designer [design]",
                                                 "Explorer",
                                                 "Lights",
                                                 "Quickres",
                                                 "Systray"};

inline constexpr const char* kWarningLines[3] = {
    "WARNING: Pressing CTRL+ALT+DEL again will restart your",
    "computer. You will lose unsaved information in all programs", "that are running."};

picgen::Image DrawCloseProgramPicture(const picgen::DialogFont& font);
// The 32 by 32 image first, then the 16 by 16 one.
std::vector<picgen::Image> DrawApplicationIcon();

}  // namespace close_program
