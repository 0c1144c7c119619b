// A fixture that starts on the Close Program screen, as the program does, with the external
// functions recorded, and forgets every screen afterwards.
#pragma once

#include <gtest/gtest.h>

#include "frame/app.h"
#include "screens/close_program/form1.h"
#include "screens/not_responding/form2.h"
#include "screens/shut_down/form3.h"
#include "support.h"

class ScreensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form1->Show();
    ASSERT_TRUE(testing_support::WaitUntil([] { return GetActiveWindow() == Form1->hwnd(); }));
  }
  void TearDown() override {
    Form3.Reset();
    Form2.Reset();
    Form1.Reset();
    frame::DeliverPendingMessages();
  }
  static void Deliver() { frame::DeliverPendingMessages(); }
  // Lets Timer1 or Timer2 elapse now, as the system would.
  static void Elapse(frame::Timer& timer) {
    SendMessageW(Form1->hwnd(), WM_TIMER, static_cast<WPARAM>(timer.layout().id), 0);
  }
  static RECT RectInClient(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  testing_support::Recorders recorders_;
};
