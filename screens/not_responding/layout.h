// The Not Responding screen as designed: positions and sizes in twips.
#pragma once

#include <windows.h>

#include "frame/layout.h"

namespace not_responding {

namespace layout_rows {

using frame::ControlKind;

inline constexpr frame::FontDescription kTitleFont{L"MS Sans Serif", 8.25, 700, 0};

inline constexpr frame::ControlLayout kControls[] = {
    {.kind = ControlKind::kCommandButton,
     .name = L"Command2",
     .id = 1,
     .left = 3840,
     .top = 3135,
     .width = 1365,
     .height = 360,
     .caption = L"Cancel",
     .tabIndex = 2},
    {.kind = ControlKind::kCommandButton,
     .name = L"Command1",
     .id = 2,
     .left = 2370,
     .top = 3135,
     .width = 1395,
     .height = 360,
     .caption = L"End Task",
     .tabIndex = 1},
    {.kind = ControlKind::kLabel,
     .name = L"Label1",
     .id = 3,
     .left = 75,
     .top = 45,
     .width = 5040,
     .height = 225,
     .caption = L"Explorer",
     .tabIndex = 0,
     .backColor = COLOR_HIGHLIGHT,
     .foreColor = COLOR_HIGHLIGHTTEXT,
     .font = &kTitleFont},
};

}  // namespace layout_rows

inline constexpr frame::ScreenLayout kLayout{
    .caption = L"",
    .border = frame::Border::kFixedSingle,
    .controlBox = false,
    .showInTaskbar = false,
    .clientWidth = 5460,
    .clientHeight = 3765,
    .startPosition = frame::StartPosition::kWindowsDefault,
    .picture = L"NOT_RESPONDING_PICTURE",
    .controls = layout_rows::kControls,
};

}  // namespace not_responding
