// Compiled, never run: a control is bound to its layout row while the program is compiled. The
// right name and kind compile; built with WRONG_NAME or WRONG_KIND, this file must not.
#include "frame/layout.h"

namespace {

using frame::ControlKind;

constexpr frame::ControlLayout kRows[] = {
    {.kind = ControlKind::kLabel, .name = L"Note", .id = 1},
    {.kind = ControlKind::kCommandButton, .name = L"Yes", .id = 2},
};

constexpr frame::ScreenLayout kScreen{
    .caption = L"",
    .border = frame::Border::kFixedDialog,
    .controlBox = true,
    .showInTaskbar = false,
    .clientWidth = 100,
    .clientHeight = 100,
    .startPosition = frame::StartPosition::kManual,
    .controls = kRows,
};

#if defined(WRONG_NAME)
constexpr frame::LayoutRow<ControlKind::kCommandButton> kBound{kScreen, L"Yse"};
#elif defined(WRONG_KIND)
constexpr frame::LayoutRow<ControlKind::kCommandButton> kBound{kScreen, L"Note"};
#else
constexpr frame::LayoutRow<ControlKind::kCommandButton> kBound{kScreen, L"Yes"};
static_assert((*kBound).id == 2);
static_assert(&*kBound == &kRows[1]);
#endif

}  // namespace
