#include "frame/app.h"

#include <new>
#include <string>

#include "base/text.h"
#include "frame/message_box.h"
#include "frame/screen.h"

namespace frame {

namespace {

constexpr const wchar_t* kApplicationClass = L"Quorm3Application";

// Keys go to the focused control's screen first, as a dialog's keys go to the dialog manager.
bool TranslateForScreen(Screen& screen, const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_CHAR && message.message != WM_SYSCHAR)
    return false;
  bool used = false;
  RunHandler([&] { used = screen.TranslateKey(message); });
  return used;
}

// No tick may reach a handler once an error is being reported; the program still ends on time.
void FreezeEveryScreen() {
  for (HWND window : ThreadWindowsOfClass(kScreenClassName))
    if (Screen* screen = Screen::FromWindow(window)) screen->FreezeForReport();
}

// The report must be answerable with the mouse, however often the pointer was hidden.
void ShowPointer() {
  int counter = ShowCursor(TRUE);
  while (counter < 0) {
    const int raised = ShowCursor(TRUE);
    if (raised <= counter) return;  // a system that keeps no counter
    counter = raised;
  }
}

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The top-level windows of the calling thread, hidden ones included.
std::vector<HWND> ThreadWindows() {
  std::vector<HWND> found;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The second click of a quick pair on a push button is a click like the first: the button
// shows itself pushed and answers when released, as one that sends no double clicks would.
void AsSingleClickOnButtons(const Screen& screen, MSG& message) {
  if (message.message == WM_LBUTTONDBLCLK && screen.IsCommandButton(message.hwnd))
    message.message = WM_LBUTTONDOWN;
}

// The hidden window has no close box, and closing it would take every screen it owns with it:
// a request to close it, such as another program sends, is declined. The program ends as it
// always does, at the minute or with the session.
LRESULT CALLBACK ApplicationWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

void Dispatch(MSG& message) {
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Input for a screen is shown to its press guard first. A screen that is hidden or minimised
// takes none: what the user cannot see, the user cannot be answering.
void Deliver(MSG& message) {
  Screen* screen = IsInput(message.message) ? Screen::FromWindow(message.hwnd) : nullptr;
  if (screen == nullptr) return Dispatch(message);
  if (!screen->OnDisplay()) return;
  screen->pressGuard().Observe(message);
  if (!TranslateForScreen(*screen, message)) {
    AsSingleClickOnButtons(*screen, message);
    Dispatch(message);
  }
  screen->pressGuard().Done();
}

}  // namespace

HWND HiddenThreadWindow(const wchar_t* className, const wchar_t* title, WNDPROC windowProc) {
  if (const auto existing = ThreadWindowsOfClass(className); !existing.empty())
    return existing.front();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
  return CreateWindowExW(0, className, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

HWND ApplicationWindow() {
  // It only owns the screens, which keeps them off the taskbar.
  HWND window = HiddenThreadWindow(kApplicationClass, kApplicationTitle, ApplicationWindowProc);
  if (window == nullptr) base::Raise(base::errors::kCannotCreateWindow);
  return window;
}

HWND ModalOwner() {
  if (HWND active = GetActiveWindow(); active != nullptr && IsWindowVisible(active)) return active;
  for (HWND window : ThreadWindowsOfClass(kScreenClassName))
    if (IsWindowVisible(window)) return window;
  return ApplicationWindow();
}

HWND OpenModalWindowOf(HWND owner) {
  for (HWND window : ThreadWindows())
    if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window) && IsWindowEnabled(window))
      return window;
  return nullptr;
}

OthersDisabled::OthersDisabled(HWND modalOwner) {
  for (HWND window : ThreadWindows())
    if (window != modalOwner && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled_.push_back(window);
    }
}

OthersDisabled::~OthersDisabled() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

void RunHandler(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const base::RuntimeError& error) {
    ReportAndEnd(error);
  } catch (const std::bad_alloc&) {
    ReportAndEnd(base::errors::kOutOfMemory);
  } catch (...) {
    ReportAndEnd(base::errors::kInternal);
  }
}

void ReportAndEnd(const base::RuntimeError& error) noexcept {
  try {
    FreezeEveryScreen();
    ShowPointer();
    MsgBox(L"Run-time error '" + base::CStr(error.number) + L"':\n\n" + error.description,
           kStopOnly, kApplicationTitle);
  } catch (...) {
    // Nothing more can be reported; the program ends all the same.
  }
  End();
}

void End() {
  ExitProcess(0);
}

std::vector<HWND> ThreadWindowsOfClass(const wchar_t* className) {
  std::vector<HWND> found = ThreadWindows();
  std::erase_if(found, [className](HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return std::wstring_view(name) != className;
  });
  return found;
}

bool DeliverPendingMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    Deliver(message);
  }
  return true;
}

int Run(const ProjectRecord& project) {
  RunHandler([&] { project.startupScreen().Show(); });
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
  return static_cast<int>(message.wParam);
}

}  // namespace frame
