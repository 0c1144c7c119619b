#include "frame/press_guard.h"

#include <algorithm>

namespace frame {

namespace {

constexpr LPARAM kPreviousKeyState = LPARAM{1} << 30;

// Browsers hold their security prompts' buttons for about this long after they appear.
constexpr DWORD kLeastWait = 1000;

bool IsRepeat(const MSG& message) {
  return (message.lParam & kPreviousKeyState) != 0;
}

size_t KeyOf(const MSG& message) {
  return static_cast<size_t>(message.wParam & 0xFF);
}

// Tick counts wrap after 49 days; their difference does not.
LONG Elapsed(DWORD from, DWORD to) {
  return static_cast<LONG>(to - from);
}

}  // namespace

DWORD PressGuard::Wait() {
  return std::max(kLeastWait, static_cast<DWORD>(GetDoubleClickTime()));
}

void PressGuard::Arm() {
  armedAt_ = clock_();
  keyCounts_.reset();
  lastKeyDownCounts_ = false;
  mouseCounts_ = false;
}

void PressGuard::Disarm() {
  armedAt_.reset();
}

bool PressGuard::SeenLongEnoughAt(DWORD time) const {
  return armedAt_.has_value() && Elapsed(*armedAt_, time) >= static_cast<LONG>(Wait());
}

void PressGuard::ObserveKeyDown(const MSG& message) {
  const size_t key = KeyOf(message);
  // A key held since before the screen was seen comes with its previous state set: its
  // auto-repeats. It counts only once released and pressed again.
  if (!IsRepeat(message)) keyCounts_[key] = SeenLongEnoughAt(message.time);
  lastKeyDownCounts_ = !IsRepeat(message) && keyCounts_[key];
  inHand_ = lastKeyDownCounts_;
}

void PressGuard::Observe(const MSG& message) {
  switch (message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      mouseCounts_ = SeenLongEnoughAt(message.time);
      inHand_ = mouseCounts_;
      return;
    case WM_LBUTTONUP:  // a button answers a click when it is released
      inHand_ = mouseCounts_;
      mouseCounts_ = false;
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      ObserveKeyDown(message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:  // Space presses a focused button when it is released
      inHand_ = keyCounts_[KeyOf(message)];
      keyCounts_[KeyOf(message)] = false;
      return;
    case WM_CHAR:
    case WM_SYSCHAR:
      inHand_ = lastKeyDownCounts_ && !IsRepeat(message);
      return;
    default:
      inHand_ = false;  // no other input presses a button
      return;
  }
}

void PressGuard::Done() {
  inHand_.reset();
}

bool PressGuard::PressCounts() const {
  if (!armedAt_.has_value()) return false;
  if (inHand_.has_value()) return *inHand_;
  return SeenLongEnoughAt(clock_());
}

bool PressGuard::TakePress() {
  if (PressCounts()) return true;
  // Whoever keeps pressing has not paused on the question: the wait starts again.
  if (const DWORD now = clock_(); armedAt_.has_value() && Elapsed(*armedAt_, now) > 0)
    armedAt_ = now;
  return false;
}

}  // namespace frame
