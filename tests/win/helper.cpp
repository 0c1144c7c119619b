// Runs the frame in scenarios that end the process, for the tests to watch from outside:
//   win_helper <scenario> <log file>
// or minimises or restores another program's window, as another program may:
//   win_helper minimise|restore <window title>
// Every recorded external call and every step is appended to the log file as it happens.
// Started with no arguments (as a launched program is), it leaves "<its own path>.ran" behind.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "frame/app.h"
#include "screens/close_program/form1.h"
#include "services/system_library.h"
#include "support.h"

namespace {

using testing_support::Log;

int LeaveMark() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  FILE* mark = _wfopen((std::wstring(self) + L".ran").c_str(), L"w");
  if (mark != nullptr) std::fclose(mark);
  return 0;
}

// The box is gone with the program a moment later: what it says is written down now.
void LogReport(HWND box) {
  std::string line = "report open: ";
  for (wchar_t c : testing_support::TextOf(GetDlgItem(box, 0xFFFF)))
    line += c == L'\n' ? '|' : static_cast<char>(c);
  Log(line);
}

// A text asked for a part beyond its end: the C++ library fails, and the program reports it
// as its own error (closed at once here), then ends.
int LibraryFailure() {
  testing_support::MessageBoxWatcher watcher;
  watcher.whileOpen = LogReport;
  frame::RunHandler([] {
    Form1->Show();
    const std::wstring beyondTheEnd = Form1->List1.List(0).substr(40);
  });
  Log("continued");
  return 3;
}

// A library beside the program is found by its name, until the program narrows the search as
// it does at start.
int NarrowSearch() {
  const auto found = [] {
    HMODULE library = LoadLibraryW(L"quorm_planted.dll");
    if (library == nullptr) return "not found";
    FreeLibrary(library);
    return "found";
  };
  Log(std::string("before: ") + found());
  services::NarrowLibrarySearch();
  Log(std::string("after: ") + found());
  return 0;
}

// A run-time error in a handler: the report, then the end of the program.
int ErrorReport() {
  frame::RunHandler([] {
    Form1->Show();
    Form1->List1.RemoveItem(7);
  });
  Log("continued");
  return 3;
}

// Timer2 elapses while "Shutdown" waits in its first box: the program ends there.
int EndDuringBox() {
  testing_support::MessageBoxWatcher watcher(false);
  watcher.whileOpen = [](HWND) {
    Log("box open");
    PostMessageW(Form1->hwnd(), WM_TIMER, 1, 0);
  };
  frame::RunHandler([] {
    Form1->Show();
    Form1->Command1.Press();
  });
  Log("continued");
  return 3;
}

// Timer1's ShowCursor cannot be found, with the pointer hidden twice over. While the report is
// open, Timer1 and then Timer2 are made to tick: Timer1 may not run, so the report stays the only
// one, and Timer2 ends the program as its handler would have, without running it.
int FailingTimer() {
  testing_support::Recorders::MissingFunction() = "ShowCursor";
  testing_support::MessageBoxWatcher watcher(false);
  watcher.whileOpen = [](HWND box) {
    LogReport(box);
    const int counter = ShowCursor(FALSE) + 1;
    ShowCursor(TRUE);
    Log(counter >= 0 ? "pointer shown" : "pointer hidden");
    PostMessageW(Form1->hwnd(), WM_TIMER, 2, 0);  // Timer1
    PostMessageW(Form1->hwnd(), WM_TIMER, 1, 0);  // Timer2
  };
  ShowCursor(FALSE);
  ShowCursor(FALSE);
  frame::RunHandler([] { Form1->Show(); });
  PostMessageW(Form1->hwnd(), WM_TIMER, 2, 0);
  testing_support::DeliverFor(60000);
  Log("continued");
  return 3;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 3) return LeaveMark();
  // Another program's hand on a window, found by its title.
  if (std::wstring(argv[1]) == L"minimise" || std::wstring(argv[1]) == L"restore") {
    HWND window = FindWindowW(nullptr, argv[2]);
    if (window == nullptr) return 1;
    ShowWindow(window, std::wstring(argv[1]) == L"minimise" ? SW_MINIMIZE : SW_RESTORE);
    return 0;
  }
  testing_support::InstallRecorders();
  testing_support::Recorders::LogPath() = argv[2];
  const std::wstring scenario = argv[1];
  if (scenario == L"error-report") return ErrorReport();
  if (scenario == L"end-during-box") return EndDuringBox();
  if (scenario == L"failing-timer") return FailingTimer();
  if (scenario == L"library-failure") return LibraryFailure();
  if (scenario == L"narrow-search") return NarrowSearch();
  return 2;
}
