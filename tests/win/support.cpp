#include "support.h"

#include <cstdio>
#include <cstring>

#include "base/errors.h"
#include "frame/app.h"
#include "services/module1.h"
#include "services/privilege.h"

namespace testing_support {

void Log(const std::string& line) {
  if (Recorders::LogPath().empty()) return;
  FILE* log = _wfopen(Recorders::LogPath().c_str(), L"a");
  if (log == nullptr) return;
  std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
}

namespace {

std::vector<SeenBox> g_seenBoxes;
MessageBoxWatcher* g_watcher = nullptr;
bool g_closeBoxes = true;

// Every recorded call also goes to the log file, if one is set, the moment it is made.
void Record(ExternalCall call) {
  std::string line = call.function;
  for (long long n : call.numbers) {
    line += ' ';
    line += std::to_string(n);
  }
  Log(line);
  Recorders::Calls().push_back(std::move(call));
}

int WINAPI RecordShowCursor(BOOL show) {
  Record({"ShowCursor", {show}, {}});
  return show ? ++Recorders::DisplayCounter() : --Recorders::DisplayCounter();
}

BOOL WINAPI RecordGetUserNameA(LPSTR buffer, LPDWORD size) {
  Recorders::Calls().push_back(
      {"GetUserNameA", {static_cast<long long>(*size)}, {std::string(buffer, *size)}});
  const std::string& name = Recorders::UserName();
  if (name.size() + 1 > *size) return FALSE;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size() + 1);
  return TRUE;
}

BOOL WINAPI RecordExitWindowsEx(UINT flags, DWORD reserved) {
  Recorders::PrivilegeAtExitWindows().push_back(services::ShutdownPrivilegeEnabled());
  Record({"ExitWindowsEx", {flags, reserved}, {}});
  return TRUE;
}

BOOL WINAPI RecordWinHelpA(HWND window, LPCSTR file, UINT command, ULONG_PTR data) {
  Recorders::Calls().push_back(
      {"WinHelpA",
       {static_cast<long long>(reinterpret_cast<intptr_t>(window)), command},
       {file, reinterpret_cast<const char*>(data)}});
  return TRUE;
}

template <class F>
services::ExternalAddress AddressOf(F function) {
  return reinterpret_cast<services::ExternalAddress>(reinterpret_cast<void*>(function));
}

services::ExternalAddress Resolve(const char* library, const char* function) {
  Recorders::Lookups().push_back(std::string(library) + "!" + function);
  const std::string name = function;
  if (name == Recorders::MissingFunction())
    base::Raise(53, L"File not found: " + std::wstring(library, library + strlen(library)));
  if (name == "ShowCursor") return AddressOf(RecordShowCursor);
  if (name == "GetUserNameA") return AddressOf(RecordGetUserNameA);
  if (name == "ExitWindowsEx") return AddressOf(RecordExitWindowsEx);
  if (name == "WinHelpA") return AddressOf(RecordWinHelpA);
  return nullptr;
}

bool IsMessageBox(HWND window) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  return std::wstring_view(className) == L"#32770";
}

SeenBox Read(HWND box) {
  SeenBox seen{TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), 0, 0};
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (lstrcmpiW(className, L"Button") == 0) ++seen.buttons;
    if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON)
      seen.icon = static_cast<UINT_PTR>(SendMessageW(child, STM_GETICON, 0, 0));
  }
  return seen;
}

// A box is activated once it is filled in and shown; it is read then, before any input.
LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE && IsMessageBox(window) &&
      GetPropW(window, L"quorm3.seen") == nullptr) {
    SetPropW(window, L"quorm3.seen", reinterpret_cast<HANDLE>(1));
    g_seenBoxes.push_back(Read(window));
    if (g_watcher != nullptr && g_watcher->whileOpen) g_watcher->whileOpen(window);
    if (g_closeBoxes) PostMessageW(window, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM found) {
  if (IsMessageBox(window) && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  for (;;) {
    frame::DeliverPendingMessages();
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void DeliverFor(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  WaitUntil([&] { return std::chrono::steady_clock::now() > end; }, milliseconds + 1000);
}

Recorders::Recorders() {
  Calls().clear();
  Lookups().clear();
  MissingFunction().clear();
  PrivilegeAtExitWindows().clear();
  UserName() = "root";
  DisplayCounter() = 0;
  services::SetFunctionResolver(Resolve);
}

// The recorders stay in place afterwards too: no test may reach the system's functions.
Recorders::~Recorders() = default;

void InstallRecorders() {
  services::SetFunctionResolver(Resolve);
}

std::vector<ExternalCall>& Recorders::Calls() {
  static std::vector<ExternalCall> calls;
  return calls;
}
std::vector<std::string>& Recorders::Lookups() {
  static std::vector<std::string> lookups;
  return lookups;
}
std::string& Recorders::UserName() {
  static std::string name;
  return name;
}
std::wstring& Recorders::LogPath() {
  static std::wstring path;
  return path;
}
int& Recorders::DisplayCounter() {
  static int counter = 0;
  return counter;
}
std::string& Recorders::MissingFunction() {
  static std::string function;
  return function;
}
std::vector<bool>& Recorders::PrivilegeAtExitWindows() {
  static std::vector<bool> seen;
  return seen;
}

std::vector<ExternalCall> Recorders::CallsOf(const std::string& function) const {
  std::vector<ExternalCall> found;
  for (const ExternalCall& call : Calls())
    if (call.function == function) found.push_back(call);
  return found;
}

MessageBoxWatcher::MessageBoxWatcher(bool close) {
  g_seenBoxes.clear();
  g_watcher = this;
  g_closeBoxes = close;
  hook_ = SetWindowsHookExW(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
  UnhookWindowsHookEx(hook_);
  g_watcher = nullptr;
}

const std::vector<SeenBox>& MessageBoxWatcher::seen() const {
  return g_seenBoxes;
}

std::vector<HWND> OpenMessageBoxes() {
  std::vector<HWND> boxes;
  EnumThreadWindows(GetCurrentThreadId(), CollectMessageBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

void ClickWith(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  const LPARAM at = MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(control, WM_LBUTTONUP, 0, at);
}

void PressKey(WORD virtualKey, bool alt) {
  HWND focus = GetFocus();
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM altBit = alt ? (1 << 29) : 0;
  PostMessageW(focus, down, virtualKey, 1 | altBit);
  PostMessageW(focus, up, virtualKey, static_cast<LPARAM>(0xC0000001u) | altBit);
}

void TypeCharacter(wchar_t character) {
  PostMessageW(GetFocus(), WM_CHAR, character, 1);
}

void PressAccessKey(wchar_t letter) {
  PostMessageW(GetFocus(), WM_SYSCHAR, letter, 1 << 29);
}

void HoldShift(bool held) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = held ? 0x80 : 0;
  SetKeyboardState(keys);
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

RECT ClientRectOnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace testing_support
