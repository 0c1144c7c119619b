// The Close Program screen: its window and controls, its handlers and its timers.
#include <windows.h>

#include "screens_fixture.h"

namespace {

using testing_support::Recorders;
using testing_support::WaitUntil;

using CloseProgram = ScreensTest;

TEST_F(CloseProgram, IsABorderedWindowWithoutTitleBarTheSizeOfItsPicture) {
  HWND window = Form1->hwnd();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_BORDER);
  EXPECT_EQ(style & WS_SYSMENU, 0);
  RECT client{}, outer{};
  GetClientRect(window, &client);
  GetWindowRect(window, &outer);
  EXPECT_EQ(client.right, 319);
  EXPECT_EQ(client.bottom, 278);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 321) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 280) / 2);
  EXPECT_EQ(testing_support::TextOf(window), L"");
  EXPECT_EQ(GetWindow(window, GW_OWNER), frame::ApplicationWindow());
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(CloseProgram, LiveControlsLieOverThePaintedOnes) {
  struct Expected {
    HWND control;
    RECT rect;
    const wchar_t* text;
  };
  for (const Expected& e : {Expected{Form1->List1.hwnd(), {12, 32, 307, 179}, L""},
                            Expected{Form1->Command3.hwnd(), {12, 242, 106, 265}, L"End Task"},
                            Expected{Form1->Command1.hwnd(), {112, 242, 206, 265}, L"Shutdown"},
                            Expected{Form1->Command2.hwnd(), {213, 242, 307, 265}, L"Cancel"}}) {
    const RECT r = RectInClient(e.control);
    EXPECT_EQ(r.left, e.rect.left) << testing_support::TextOf(e.control);
    EXPECT_EQ(r.top, e.rect.top);
    EXPECT_EQ(r.right, e.rect.right);
    EXPECT_EQ(r.bottom, e.rect.bottom) << "a list with the right font keeps its 147 pixels";
    EXPECT_EQ(testing_support::TextOf(e.control), e.text);
  }
}

TEST_F(CloseProgram, StartsWithTwoTasksNoneSelectedAndTheFocusOnShutdown) {
  ASSERT_EQ(Form1->List1.ListCount(), 2);
  EXPECT_EQ(Form1->List1.List(0), L"Explorer");
  EXPECT_EQ(Form1->List1.List(1), L"Systray");
  EXPECT_EQ(Form1->List1.ListIndex(), -1);
  EXPECT_EQ(GetFocus(), Form1->Command1.hwnd());
  EXPECT_TRUE(Form1->Timer1.Enabled());
  EXPECT_TRUE(Form1->Timer2.Enabled());
  EXPECT_EQ(Form1->Timer1.Interval(), 6000);
  EXPECT_EQ(Form1->Timer2.Interval(), 60000);
  EXPECT_FALSE(Form2.Exists() && Form2->Loaded());
  EXPECT_FALSE(Form3.Exists() && Form3->Loaded());
}

TEST_F(CloseProgram, CancelHidesTheCursorAndRestartsTimer1) {
  Form1->Timer1.SetEnabled(false);
  testing_support::ClickWith(Form1->Command2.hwnd());
  ASSERT_TRUE(WaitUntil([&] { return !recorders_.CallsOf("ShowCursor").empty(); }));
  EXPECT_EQ(recorders_.CallsOf("ShowCursor")[0].numbers[0], 0);
  EXPECT_TRUE(Form1->Timer1.Enabled());
  EXPECT_EQ(Recorders::DisplayCounter(), -1);
  EXPECT_TRUE(Form1->Visible());
}

TEST_F(CloseProgram, Timer1ShowsTheCursorAndStopsItself) {
  Elapse(Form1->Timer1);
  ASSERT_EQ(recorders_.CallsOf("ShowCursor").size(), 1u);
  EXPECT_EQ(recorders_.CallsOf("ShowCursor")[0].numbers[0], -1);
  EXPECT_FALSE(Form1->Timer1.Enabled());
  Elapse(Form1->Timer1);  // a stopped timer does not run its handler
  EXPECT_EQ(recorders_.CallsOf("ShowCursor").size(), 1u);
}

TEST_F(CloseProgram, TwoCancelsAndOneTickLeaveTheCursorHidden) {
  testing_support::ClickWith(Form1->Command2.hwnd());
  testing_support::ClickWith(Form1->Command2.hwnd());
  Deliver();
  Elapse(Form1->Timer1);
  EXPECT_EQ(Recorders::DisplayCounter(), -1);
  Elapse(Form1->Timer1);
  EXPECT_EQ(Recorders::DisplayCounter(), -1);
}

TEST_F(CloseProgram, CancelAfterTheFirstTickOnlyBringsTheCounterBack) {
  Elapse(Form1->Timer1);
  testing_support::ClickWith(Form1->Command2.hwnd());
  Deliver();
  EXPECT_EQ(Recorders::DisplayCounter(), 0);
  Elapse(Form1->Timer1);
  EXPECT_EQ(Recorders::DisplayCounter(), 1);
}

TEST_F(CloseProgram, ShutdownAnnouncesTheLogOffOfTheUserByNameThenShowsShutDownWindows) {
  testing_support::MessageBoxWatcher watcher;
  bool form3VisibleDuringBoxes = false;
  watcher.whileOpen = [&](HWND) { form3VisibleDuringBoxes |= Form3.Exists() && Form3->Visible(); };
  testing_support::ClickWith(Form1->Command1.hwnd());
  ASSERT_TRUE(WaitUntil([] { return Form3.Exists() && Form3->Visible(); }));
  ASSERT_EQ(watcher.seen().size(), 2u);
  EXPECT_EQ(watcher.seen()[0].text, L"Are you sure you want to shutdown?");
  EXPECT_EQ(watcher.seen()[1].text, L"Loging off user: Root");
  for (const auto& box : watcher.seen()) {
    EXPECT_EQ(box.title, L"Windows");
    EXPECT_NE(box.icon, 0u);
    EXPECT_EQ(box.buttons, 1);
  }
  EXPECT_FALSE(form3VisibleDuringBoxes);
  EXPECT_FALSE(Form1->Visible());
  EXPECT_TRUE(Form1->Loaded());
  const auto calls = recorders_.CallsOf("GetUserNameA");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].numbers[0], 199);
}

TEST_F(CloseProgram, TheNameKeepsItsCaseAfterTheFirstLetterAndAFailedReadShowsNoName) {
  for (const auto& [name, shown] : {std::pair<std::string, std::wstring>{"mcAdmin", L"McAdmin"},
                                    {"ADMIN", L"ADMIN"},
                                    {std::string(250, 'x'), L""}}) {
    Recorders::UserName() = name;
    testing_support::MessageBoxWatcher watcher;
    Form1->Command1.Press();
    ASSERT_EQ(watcher.seen().size(), 2u);
    EXPECT_EQ(watcher.seen()[1].text, L"Loging off user: " + shown);
    Form3.Reset();
    Form1->Show();
  }
}

TEST_F(CloseProgram, EnterRightAfterTheStartPressesShutdown) {
  testing_support::MessageBoxWatcher watcher;
  testing_support::PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([] { return Form3.Exists() && Form3->Visible(); }));
  EXPECT_EQ(watcher.seen().size(), 2u);
}

TEST_F(CloseProgram, TimersKeepTickingWhileABoxIsOpen) {
  testing_support::MessageBoxWatcher watcher;
  int ticksBeforeSecondBox = -1;
  watcher.whileOpen = [&](HWND box) {
    if (testing_support::TextOf(GetDlgItem(box, 0xFFFF)).starts_with(L"Are you sure")) {
      PostMessageW(Form1->hwnd(), WM_TIMER, 2, 0);  // Timer1 elapses behind the box
    } else {
      ticksBeforeSecondBox = static_cast<int>(recorders_.CallsOf("ShowCursor").size());
    }
  };
  Form1->Command1.Press();
  EXPECT_EQ(ticksBeforeSecondBox, 1);
  EXPECT_FALSE(Form1->Timer1.Enabled());
}

TEST_F(CloseProgram, EndTaskWithoutASelectionDoesNothing) {
  testing_support::ClickWith(Form1->Command3.hwnd());
  SendMessageW(Form1->hwnd(), WM_COMMAND, MAKEWPARAM(3, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Form1->List1.hwnd()));
  testing_support::DeliverFor(100);
  EXPECT_TRUE(Form1->Visible());
  EXPECT_FALSE(Form2.Exists() && Form2->Loaded());
}

TEST_F(CloseProgram, EndTaskOrADoubleClickOnATaskOpensNotResponding) {
  Form1->List1.SetListIndex(1);
  testing_support::ClickWith(Form1->Command3.hwnd());
  ASSERT_TRUE(WaitUntil([] { return Form2.Exists() && Form2->Visible(); }));
  EXPECT_FALSE(Form1->Visible());
  Form2->Hide();
  Form1->Show();
  SendMessageW(Form1->hwnd(), WM_COMMAND, MAKEWPARAM(3, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Form1->List1.hwnd()));
  EXPECT_TRUE(Form2->Visible());
  EXPECT_FALSE(Form1->Visible());
}

TEST_F(CloseProgram, NoButtonIsTheDefaultOrCancelButton) {
  Form1->List1.SetFocus();
  Deliver();
  testing_support::PressKey(VK_RETURN);
  testing_support::PressKey(VK_ESCAPE);
  testing_support::DeliverFor(100);
  EXPECT_TRUE(Form1->Visible());
  EXPECT_TRUE(recorders_.CallsOf("ShowCursor").empty());
  EXPECT_TRUE(testing_support::OpenMessageBoxes().empty());
}

}  // namespace
