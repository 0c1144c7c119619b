// The rules by which a press of a button whose answer is real counts, on messages made here with
// the times and key states that the keyboard and mouse would give them, and a clock set by hand.
#include <windows.h>

#include <gtest/gtest.h>

#include "frame/press_guard.h"

namespace {

constexpr DWORD kArmedAt = 100000;
constexpr LPARAM kRepeat = LPARAM{1} << 30;

class PressGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    guard_.SetClock([this] { return now_; });
    now_ = kArmedAt;
    guard_.Arm();
  }
  // Whether the press made while `message` is handled counts.
  bool Counts(UINT message, WPARAM wParam, DWORD time, LPARAM lParam = 1) {
    MSG input{};
    input.message = message;
    input.wParam = wParam;
    input.lParam = lParam;
    input.time = time;
    guard_.Observe(input);
    const bool counts = guard_.PressCounts();
    guard_.Done();
    return counts;
  }
  static DWORD Late() { return kArmedAt + GetDoubleClickTime(); }
  static DWORD Early() { return Late() - 1; }

  frame::PressGuard guard_;
  DWORD now_ = 0;
};

TEST_F(PressGuard, KeysAndClicksCountFromTheDoubleClickTimeAfterTheScreenWasSeen) {
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, Early()));
  EXPECT_FALSE(Counts(WM_KEYUP, VK_RETURN, Late(), 1 | kRepeat));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, Late()));
  // A click is answered at the release; what counts is when the button went down.
  EXPECT_FALSE(Counts(WM_LBUTTONDOWN, MK_LBUTTON, Early()));
  EXPECT_FALSE(Counts(WM_LBUTTONUP, 0, Late() + 1000));
  EXPECT_TRUE(Counts(WM_LBUTTONDOWN, MK_LBUTTON, Late()));
  EXPECT_TRUE(Counts(WM_LBUTTONUP, 0, Late() + 10));
  // The second click of a quick pair is a press of its own, judged the same way.
  EXPECT_TRUE(Counts(WM_LBUTTONDBLCLK, MK_LBUTTON, Late() + 100));
  EXPECT_TRUE(Counts(WM_LBUTTONUP, 0, Late() + 150));
  // Space presses a focused button on release, and counts by when it went down.
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_SPACE, Early()));
  EXPECT_FALSE(Counts(WM_KEYUP, VK_SPACE, Late() + 500, 1 | kRepeat));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_SPACE, Late() + 600));
  EXPECT_TRUE(Counts(WM_KEYUP, VK_SPACE, Late() + 700, 1 | kRepeat));
}

TEST_F(PressGuard, AutoRepeatsNeverCountAndACharacterCountsAsItsKey) {
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, Late()));
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, Late() + 600, 1 | kRepeat));
  EXPECT_FALSE(Counts(WM_CHAR, L'\r', Late() + 600, 1 | kRepeat));
  // Alt and a letter: the character that the letter's key gives counts as the key did.
  EXPECT_FALSE(Counts(WM_SYSKEYDOWN, 'Y', Early(), 1 | (1 << 29)));
  EXPECT_FALSE(Counts(WM_SYSCHAR, L'y', Late() + 1000, 1 | (1 << 29)));
  EXPECT_FALSE(Counts(WM_SYSKEYDOWN, 'Y', Late() + 1100, 1 | (1 << 29) | kRepeat));
  EXPECT_FALSE(Counts(WM_SYSCHAR, L'y', Late() + 1100, 1 | (1 << 29) | kRepeat));
  Counts(WM_SYSKEYUP, 'Y', Late() + 1200, 1 | (1 << 29) | kRepeat | (LPARAM{1} << 31));
  EXPECT_TRUE(Counts(WM_KEYDOWN, 'Y', Late() + 1300));
  EXPECT_TRUE(Counts(WM_CHAR, L'y', Late() + 1300));
  // No other input presses anything.
  EXPECT_FALSE(Counts(WM_MOUSEMOVE, 0, Late() + 1400));
}

TEST_F(PressGuard, AKeyHeldWhenTheScreenWasSeenCountsOnlyOnceReleasedAndPressedAgain) {
  // It went down before: its message, taken only now, tells when, and its repeats say so.
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, kArmedAt - 20));
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, Late() + 40, 1 | kRepeat));
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, Late() + 80, 1 | kRepeat));
  EXPECT_FALSE(Counts(WM_KEYUP, VK_RETURN, Late() + 100, 1 | kRepeat));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, Late() + 900));
}

TEST_F(PressGuard, EveryTimeTheScreenIsSeenAgainTheMomentStartsAgain) {
  guard_.Disarm();
  EXPECT_FALSE(guard_.Armed());
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, Late() + 5000));
  now_ = kArmedAt + 10000;
  guard_.Arm();
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, now_ + GetDoubleClickTime() - 1));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, now_ + GetDoubleClickTime()));
  // Tick counts wrap after 49 days; a moment across the wrap is still a moment.
  now_ = 0xFFFFFF00u;
  guard_.Arm();
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, 0x10));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, now_ + GetDoubleClickTime()));
}

TEST_F(PressGuard, APressThatComesFromNoInputBeginsNow) {
  // A click that another program sends, say: judged by the clock.
  now_ = Early();
  EXPECT_FALSE(guard_.PressCounts());
  now_ = Late();
  EXPECT_TRUE(guard_.PressCounts());
  guard_.Disarm();
  EXPECT_FALSE(guard_.PressCounts());
}

}  // namespace
