// The Close Program screen as designed: positions and sizes in twips.
#include "screens/close_program/form1.h"

namespace close_program {

namespace {

using frame::ControlKind;

constexpr frame::ControlLayout kControls[] = {
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

}  // namespace

const frame::ScreenLayout kLayout{
    .name = L"Form1",
    .caption = L"",
    .border = frame::Border::kFixedSingle,
    .controlBox = false,
    .showInTaskbar = false,
    .clientWidth = 4785,
    .clientHeight = 4170,
    .startPosition = frame::StartPosition::kCenterScreen,
    .picture = L"CLOSE_PROGRAM_PICTURE",
    .icon = L"APPLICATION_ICON",
    .controls = kControls,
};

}  // namespace close_program
