// Whether a press of a button whose answer is real was given knowingly: by a key or mouse press
// that went down on the screen after it had been on the display and active for the wait (a
// second, or the system's double-click time where that is longer), with no refused press of the
// button in that time before it. Every refused press starts the wait again, so a steady rhythm
// of presses never reaches the button, however long it goes on: only a pause does. Auto-repeats
// never count, so a key already held when the screen became active counts only once it has been
// released and pressed again.
#pragma once

#include <windows.h>

#include <bitset>
#include <functional>
#include <optional>

namespace frame {

class PressGuard {
 public:
  // The tick count in milliseconds, on the clock of the input messages' times.
  using Clock = std::function<DWORD()>;

  // How long in milliseconds the screen must have been seen, and left untouched, before a
  // press counts.
  static DWORD Wait();

  // Tests move the moment the screen counts as seen with a clock of their own.
  void SetClock(Clock clock) { clock_ = std::move(clock); }

  // The screen is on the display and active from now on.
  void Arm();
  // The screen is hidden, minimised or no longer active: no press counts until it is armed.
  void Disarm();
  bool Armed() const { return armedAt_.has_value(); }

  // Each input message of the screen is shown to the guard before it is handled, and the
  // handling is closed with Done; a press made meanwhile is judged by that message.
  void Observe(const MSG& message);
  void Done();

  // Whether the press being answered now would count. Outside the handling of an input message
  // (a click sent by another program, say) the press begins now.
  bool PressCounts() const;
  // Judges the press being answered now, as PressCounts does; a press refused starts the wait
  // again from now.
  bool TakePress();

 private:
  bool SeenLongEnoughAt(DWORD time) const;
  void ObserveKeyDown(const MSG& message);

  Clock clock_ = [] { return GetTickCount(); };
  std::optional<DWORD> armedAt_;    // when the wait began: seen anew, or a press refused
  std::bitset<256> keyCounts_;      // down now, and its going down counted
  bool lastKeyDownCounts_ = false;  // a character comes from the key that went down last
  bool mouseCounts_ = false;        // the left button's last going down counted
  std::optional<bool> inHand_;      // whether the input message being handled may press
};

}  // namespace frame
