#include "screens/shut_down/form3.h"

#include "base/arith.h"
#include "base/errors.h"
#include "base/text.h"
#include "frame/message_box.h"
#include "screens/close_program/form1.h"
#include "services/module1.h"
#include "services/runtime.h"

frame::GlobalScreen<shut_down::ShutDownForm> Form3;

namespace shut_down {

namespace {
constexpr int kShutDown = 1;
constexpr int kReboot = 2;
constexpr int kLogOff = 0;
constexpr int kHelpPartialKey = 0x105;
}  // namespace

bool IsFileAttributes(uint32_t attributes) {
  return (attributes & services::kDirectoryAttribute) == 0;
}

bool FileExists(const std::wstring& path) {
  try {
    // The whole attribute word is tested: bits above the sixteenth are set on some files.
    return IsFileAttributes(services::GetAttr(path));
  } catch (const base::RuntimeError&) {
    return false;
  }
}

ShutDownForm::ShutDownForm() : Screen(kLayout) {
  Yes.Click = [this] { Yes_Click(); };
  No.Click = [this] { No_Click(); };
  Help.Click = [this] { Help_Click(); };
}

void ShutDownForm::Form_Load() {
  const double left = base::IntegerDivide(frame::DisplayWidth() - Form3->Width(), 2);
  const double top = base::IntegerDivide(frame::DisplayHeight() - Form3->Height(), 2);
  Form3->Move(left, top);
}

// No further question is asked: the selected option is carried out.
void ShutDownForm::Yes_Click() {
  if (Shutdown.Value()) {
    Module1::ExitWindowsEx(kShutDown, 0);
  } else if (Restart.Value()) {
    Module1::ExitWindowsEx(kReboot, 0);
  } else if (MSDOS.Value()) {
    if (!FileExists(services::WindowsDirectory() + L"\\Exit to dos.pif")) {
      frame::MsgBox(L"Cannot find " + services::WindowsDirectory() + L"\\Exit To Dos.pif" +
                        base::Chr(10) + base::Chr(10) +
                        L"Please make sure this file is in your Windows directory",
                    frame::kStopOnly);
    } else {
      services::Shell(services::WindowsDirectory() + L"\\Exit To Dos.pif", services::kNormalFocus);
    }
  } else {
    Module1::ExitWindowsEx(kLogOff, 0);
  }
}

void ShutDownForm::No_Click() {
  Form1->Show();
  Form3->Unload();
}

void ShutDownForm::Help_Click() {
  const auto window = static_cast<int32_t>(reinterpret_cast<intptr_t>(Form3->hwnd()));
  Module1::WinHelpA(window, L"C:\\windows\\help\\windows.hlp", kHelpPartialKey, L"ShutDown");
}

}  // namespace shut_down
