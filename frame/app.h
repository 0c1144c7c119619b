// The application frame: start-up, event delivery and the run-time error report.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "base/errors.h"

namespace frame {

class Screen;

// The application title: the title of a message box given none, and of the error report.
inline constexpr const wchar_t* kApplicationTitle = L"quorm3";

// What the program hands the frame at start. Its name, executable name and locale are fixed in
// the resource script (the version record and its language), where Windows reads them.
struct ProjectRecord {
  Screen& (*startupScreen)();  // the screen the program opens with
};

// Shows the project's start-up screen and delivers events until the program ends.
int Run(const ProjectRecord& project);

// Runs an event handler. A run-time error it raises goes to the error report, after which the
// program ends; no exception leaves this function.
void RunHandler(const std::function<void()>& handler) noexcept;

// The report: a stop-icon box titled with the application title, then the end of the program.
[[noreturn]] void ReportAndEnd(const base::RuntimeError& error) noexcept;

// Ends the program at once: no further handler runs, and every window goes with the process.
[[noreturn]] void End();

// Delivers every message already waiting for this thread, as the main loop would. Returns
// false when the program was asked to end (no screen is loaded any more).
bool DeliverPendingMessages();

// The top-level windows of the calling thread whose class is `className`.
std::vector<HWND> ThreadWindowsOfClass(const wchar_t* className);

// The frame's hidden top-level window; screens without a taskbar button are owned by it.
HWND ApplicationWindow();

// The thread's never-shown top-level window of a class, registered and created on first use; it
// lives as long as the thread. nullptr if it cannot be created.
HWND HiddenThreadWindow(const wchar_t* className, const wchar_t* title, WNDPROC windowProc);

// The window a message box belongs to: the thread's active window, else its visible screen,
// else the frame's hidden window. A box with an owner has no taskbar button of its own, and
// gives the activation back to its owner when it closes.
HWND ModalOwner();

// The visible, enabled top-level window of this thread that `owner` owns (its open message
// box), or nullptr.
HWND OpenModalWindowOf(HWND owner);

// While it lives, every other enabled top-level window of this thread is disabled, so that
// only the modal window takes input; they are enabled again when it goes.
class OthersDisabled {
 public:
  explicit OthersDisabled(HWND modalOwner);
  ~OthersDisabled();
  OthersDisabled(const OthersDisabled&) = delete;
  OthersDisabled& operator=(const OthersDisabled&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace frame
