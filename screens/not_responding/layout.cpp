// The Not Responding screen as designed: positions and sizes in twips.
#include <windows.h>

#include "screens/not_responding/form2.h"

namespace not_responding {

namespace {

using frame::ControlKind;

constexpr frame::FontDescription kTitleFont{L"MS Sans Serif", 8.25, 700, 0};

constexpr frame::ControlLayout kControls[] = {
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

}  // namespace

const frame::ScreenLayout kLayout{
    .name = L"Form2",
    .caption = L"",
    .border = frame::Border::kFixedSingle,
    .controlBox = false,
    .showInTaskbar = false,
    .clientWidth = 5460,
    .clientHeight = 3765,
    .startPosition = frame::StartPosition::kWindowsDefault,
    .picture = L"NOT_RESPONDING_PICTURE",
    .controls = kControls,
};

}  // namespace not_responding
