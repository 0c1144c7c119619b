// The rules by which a press of a button whose answer is real counts, on messages made here with
// the times and key states that the keyboard and mouse would give them, and a clock set by hand.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

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
  // Whether the press made while `message` is handled counts: asked of the guard, or taken as a
  // button whose answer is real takes it, where a refusal starts the wait again.
  bool Judge(bool take, UINT message, WPARAM wParam, DWORD time, LPARAM lParam) {
    MSG input{};
    input.message = message;
    input.wParam = wParam;
    input.lParam = lParam;
    input.time = time;
    guard_.Observe(input);
    const bool counts = take ? guard_.TakePress() : guard_.PressCounts();
    guard_.Done();
    return counts;
  }
  bool Counts(UINT message, WPARAM wParam, DWORD time, LPARAM lParam = 1) {
    return Judge(false, message, wParam, time, lParam);
  }
  bool Takes(UINT message, WPARAM wParam, DWORD time, LPARAM lParam = 1) {
    return Judge(true, message, wParam, time, lParam);
  }
  static DWORD Late() { return kArmedAt + frame::PressGuard::Wait(); }
  static DWORD Early() { return Late() - 1; }

  frame::PressGuard guard_;
  DWORD now_ = 0;
};

TEST_F(PressGuard, KeysAndClicksCountFromTheWaitAfterTheScreenWasSeen) {
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
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, now_ + frame::PressGuard::Wait() - 1));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, now_ + frame::PressGuard::Wait()));
  // Tick counts wrap after 49 days; a moment across the wrap is still a moment.
  now_ = 0xFFFFFF00u;
  guard_.Arm();
  EXPECT_FALSE(Counts(WM_KEYDOWN, VK_RETURN, 0x10));
  EXPECT_TRUE(Counts(WM_KEYDOWN, VK_RETURN, now_ + frame::PressGuard::Wait()));
}

TEST_F(PressGuard, TheWaitIsASecondOrTheDoubleClickTimeAndEveryRefusalStartsItAgain) {
  const DWORD wait = frame::PressGuard::Wait();
  EXPECT_EQ(wait, std::max<DWORD>(1000, GetDoubleClickTime()));
  // Enter every 300 ms from the moment the screen is seen: every press is refused, and starts
  // the wait again, however long the rhythm goes on. Only a pause as long as the wait counts.
  for (DWORD at = 300; at <= 4 * wait; at += 300) {
    now_ = kArmedAt + at;
    EXPECT_FALSE(Takes(WM_KEYDOWN, VK_RETURN, now_)) << at;
    Counts(WM_KEYUP, VK_RETURN, now_ + 50, 1 | kRepeat);
  }
  const DWORD lastRefused = now_;
  EXPECT_FALSE(Takes(WM_KEYDOWN, VK_RETURN, lastRefused + wait - 1));
  now_ = lastRefused + wait - 1;
  EXPECT_FALSE(Takes(WM_KEYDOWN, VK_RETURN, now_ + wait - 1, 1 | kRepeat));  // a repeat too
  Counts(WM_KEYUP, VK_RETURN, now_ + wait - 1, 1 | kRepeat);
  EXPECT_TRUE(Takes(WM_KEYDOWN, VK_RETURN, now_ + wait));
  // Clicks, the access key with Alt, Space and presses from no input start it again alike.
  now_ += 10 * wait;
  guard_.Arm();
  const DWORD armed = now_;
  now_ = armed + wait - 1;
  Counts(WM_LBUTTONDOWN, MK_LBUTTON, now_);
  EXPECT_FALSE(Takes(WM_LBUTTONUP, 0, now_));
  now_ += wait - 1;
  Counts(WM_SYSKEYDOWN, 'Y', now_, 1 | (1 << 29));
  EXPECT_FALSE(Takes(WM_SYSCHAR, L'y', now_, 1 | (1 << 29)));
  now_ += wait - 1;
  Counts(WM_KEYDOWN, VK_SPACE, now_);
  EXPECT_FALSE(Takes(WM_KEYUP, VK_SPACE, now_ + 1, 1 | kRepeat));
  now_ += wait - 1;
  EXPECT_FALSE(guard_.TakePress());
  now_ += wait;
  EXPECT_TRUE(guard_.TakePress());
  // A disarmed guard refuses, and the next arming starts afresh.
  guard_.Disarm();
  EXPECT_FALSE(guard_.TakePress());
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
