// The executable's entry: hands the project record to the frame, which never gives control back
// to this function before the program ends.
#include <windows.h>

#include "frame/app.h"
#include "screens/close_program/form1.h"
#include "services/system_library.h"

namespace {

constexpr frame::ProjectRecord kProject{
    .startupScreen = []() -> frame::Screen& { return Form1.Instance(); },
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  services::NarrowLibrarySearch();
  return frame::Run(kProject);
}
