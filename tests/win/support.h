// What the Windows-side tests share: delivering messages as the main loop does, waiting for a
// condition, recorders in place of the external functions, and a watcher that reads and closes
// message boxes while the code under test waits in them.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Delivers messages, as the main loop would, until `condition` holds or `milliseconds` pass.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 10000);
// Delivers messages for at least `milliseconds`; for checking that something does not happen.
void DeliverFor(int milliseconds);

// One call that reached a recorder in place of a function of the external table.
struct ExternalCall {
  std::string function;
  std::vector<long long> numbers;
  std::vector<std::string> texts;
};

// Puts recorders in place of every external function; done before the first test runs.
void InstallRecorders();

// Forgets what the recorders saw and the addresses the table has found.
class Recorders {
 public:
  Recorders();
  ~Recorders();
  Recorders(const Recorders&) = delete;
  Recorders& operator=(const Recorders&) = delete;

  static std::vector<ExternalCall>& Calls();
  // The library and function of every look-up, in order.
  static std::vector<std::string>& Lookups();
  // What GetUserNameA writes into the buffer (without its terminating zero).
  static std::string& UserName();
  // A file that every recorded call is appended to as it happens (none when empty).
  static std::wstring& LogPath();
  // The display counter the ShowCursor recorder keeps.
  static int& DisplayCounter();
  // A function whose library is looked up in vain, as if missing from the system.
  static std::string& MissingFunction();
  // Whether the process had the shut-down privilege enabled at each ExitWindowsEx call.
  static std::vector<bool>& PrivilegeAtExitWindows();
  std::vector<ExternalCall> CallsOf(const std::string& function) const;
};

// Appends a line to the log file, if one is set, the moment it is written.
void Log(const std::string& line);

struct SeenBox {
  std::wstring title;
  std::wstring text;
  UINT_PTR icon;  // the box's icon handle, nonzero when it shows one
  int buttons;    // how many push buttons it has
};

// While it lives, every message box of this thread is read and closed with OK as soon as it is
// activated (or left open, if `close` is false): a hook on the thread sees it open.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(bool close = true);
  ~MessageBoxWatcher();
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  const std::vector<SeenBox>& seen() const;
  // Runs while a box is open, before it is closed; the box is given.
  std::function<void(HWND)> whileOpen;

 private:
  HHOOK hook_;
};

// The visible top-level message box windows of this thread.
std::vector<HWND> OpenMessageBoxes();

// Clicks a control the way the mouse does: button down and up at its centre.
void ClickWith(HWND control);
// Sends a key to the focused window through the thread's queue, as the keyboard would.
void PressKey(WORD virtualKey, bool alt = false);
void TypeCharacter(wchar_t character);
// Alt with a letter, as the keyboard delivers it after translation.
void PressAccessKey(wchar_t letter);
// Holds or releases Shift in this thread's keyboard state.
void HoldShift(bool held);

std::wstring TextOf(HWND window);
RECT ClientRectOnScreen(HWND window);

}  // namespace testing_support
