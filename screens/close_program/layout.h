// The Close Program screen as designed: positions and sizes in twips.
#pragma once

#include "frame/layout.h"

namespace close_program {

namespace layout_rows {

using frame::ControlKind;

inline constexpr frame::ControlLayout kControls[] = {
    // The prank lasts one minute, whatever happens meanwhile.
    {.kind = ControlKind::kTimer,
     .name = L"Timer2",
     .id = 1,
     .interval = 60000,
     .endsProgram = true},
    {.kind = ControlKind::kTimer, .name = L"Timer1", .id = 2, .interval = 6000},
    {.kind = ControlKind::kListBox,
     .name = L"List1",
     .id = 3,
     .left = 180,
     .top = 480,
     .width = 4425,
     .height = 2205,
     .tabIndex = 3},
    {.kind = ControlKind::kCommandButton,
     .name = L"Command3",
     .id = 4,
     .left = 180,
     .top = 3630,
     .width = 1410,
     .height = 345,
     .caption = L"End Task",
     .tabIndex = 2},
    {.kind = ControlKind::kCommandButton,
     .name = L"Command2",
     .id = 5,
     .left = 3195,
     .top = 3630,
     .width = 1410,
     .height = 345,
     .caption = L"Cancel",
     .tabIndex = 1},
    {.kind = ControlKind::kCommandButton,
     .name = L"Command1",
     .id = 6,
     .left = 1680,
     .top = 3630,
     .width = 1410,
     .height = 345,
     .caption = L"Shutdown",
     .tabIndex = 0},
};

}  // namespace layout_rows

inline constexpr frame::ScreenLayout kLayout{
    .caption = L"",
    .border = frame::Border::kFixedSingle,
    .controlBox = false,
    .showInTaskbar = false,
    .clientWidth = 4785,
    .clientHeight = 4170,
    .startPosition = frame::StartPosition::kCenterScreen,
    .picture = L"CLOSE_PROGRAM_PICTURE",
    .icon = L"APPLICATION_ICON",
    .controls = layout_rows::kControls,
};

}  // namespace close_program
