// The frame's rules for screens, controls, timers and the keyboard, on a screen of the tests'
// own, driven by real messages through the frame's own delivery.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "base/errors.h"
#include "frame/app.h"
#include "frame/drawn_at_96_dpi.h"
#include "frame/message_box.h"
#include "frame/resources.h"
#include "frame/screen.h"
#include "support.h"

namespace {

using frame::ControlKind;
using testing_support::TextOf;
using testing_support::WaitUntil;

constexpr frame::ControlLayout kControls[] = {
    {.kind = ControlKind::kTimer, .name = L"Ticker", .id = 1, .interval = 50},
    {.kind = ControlKind::kListBox,
     .name = L"Items",
     .id = 2,
     .left = 120,
     .top = 120,
     .width = 2400,
     .height = 1035,
     .tabIndex = 2},
    {.kind = ControlKind::kCommandButton,
     .name = L"First",
     .id = 3,
     .left = 120,
     .top = 1320,
     .width = 1200,
     .height = 345,
     .caption = L"&First",
     .tabIndex = 1},
    {.kind = ControlKind::kCommandButton,
     .name = L"Second",
     .id = 4,
     .left = 1440,
     .top = 1320,
     .width = 1200,
     .height = 345,
     .caption = L"&Second",
     .tabIndex = 0},
    {.kind = ControlKind::kLabel,
     .name = L"Note",
     .id = 5,
     .left = 120,
     .top = 1800,
     .width = 2400,
     .height = 255,
     .caption = L"&Note",
     .tabIndex = 3},
    {.kind = ControlKind::kOptionButton,
     .name = L"Alpha",
     .id = 6,
     .left = 120,
     .top = 2160,
     .width = 2400,
     .height = 255,
     .caption = L"&Alpha",
     .tabIndex = 4,
     .value = true},
    {.kind = ControlKind::kOptionButton,
     .name = L"Beta",
     .id = 7,
     .left = 120,
     .top = 2520,
     .width = 2400,
     .height = 255,
     .caption = L"&Beta",
     .tabIndex = 5},
    {.kind = ControlKind::kOptionButton,
     .name = L"Gamma",
     .id = 8,
     .left = 120,
     .top = 2880,
     .width = 2400,
     .height = 255,
     .caption = L"&Gamma",
     .tabIndex = 6},
    {.kind = ControlKind::kCommandButton,
     .name = L"Third",
     .id = 9,
     .left = 2760,
     .top = 1320,
     .width = 1200,
     .height = 345,
     .caption = L"&Third",
     .tabIndex = 7,
     .isDefault = true},
    {.kind = ControlKind::kTimer, .name = L"Slow", .id = 10, .interval = 1500, .enabled = false},
};

constexpr frame::ScreenLayout kLayout{
    .caption = L"Test screen",
    .border = frame::Border::kFixedDialog,
    .controlBox = true,
    .showInTaskbar = false,
    .clientWidth = 4200,
    .clientHeight = 3450,
    .startPosition = frame::StartPosition::kManual,
    .clientLeft = 1500,
    .clientTop = 1500,
    .controls = kControls,
};

class TestScreen : public frame::Screen {
 public:
  TestScreen() : Screen(kLayout) {
    First.Click = [this] { ++firstClicks; };
    Second.Click = [this] { ++secondClicks; };
    Third.Click = [this] { ++thirdClicks; };
    Items.DblClick = [this] { ++doubleClicks; };
    Ticker.Tick = [this] { ++ticks; };
    Slow.Tick = [this] { ++slowTicks; };
  }
  frame::Timer Ticker{*this, {kLayout, L"Ticker"}};
  frame::ListBox Items{*this, {kLayout, L"Items"}};
  frame::CommandButton First{*this, {kLayout, L"First"}};
  frame::CommandButton Second{*this, {kLayout, L"Second"}};
  frame::Label Note{*this, {kLayout, L"Note"}};
  frame::OptionButton Alpha{*this, {kLayout, L"Alpha"}};
  frame::OptionButton Beta{*this, {kLayout, L"Beta"}};
  frame::OptionButton Gamma{*this, {kLayout, L"Gamma"}};
  frame::CommandButton Third{*this, {kLayout, L"Third"}};
  frame::Timer Slow{*this, {kLayout, L"Slow"}};

  int loads = 0, firstClicks = 0, secondClicks = 0, thirdClicks = 0, doubleClicks = 0;
  int ticks = 0, slowTicks = 0;

 protected:
  void Form_Load() override {
    ++loads;
    Items.AddItem(L"one");
    Items.AddItem(L"two");
  }
};

// A borderless screen without a close box, like the look-alike screens.
constexpr frame::ScreenLayout kPlainLayout{
    .caption = L"",
    .border = frame::Border::kFixedSingle,
    .controlBox = false,
    .showInTaskbar = false,
    .clientWidth = 1500,
    .clientHeight = 750,
    .startPosition = frame::StartPosition::kCenterScreen,
    .icon = L"APPLICATION_ICON",
    .controls = {},
};

class PlainScreen : public frame::Screen {
 public:
  PlainScreen() : Screen(kPlainLayout) {}
};

frame::GlobalScreen<TestScreen> Sample;
frame::GlobalScreen<PlainScreen> Plain;

class Frame : public ::testing::Test {
 protected:
  void TearDown() override {
    Sample.Reset();
    Plain.Reset();
    frame::DeliverPendingMessages();
  }
};

TEST_F(Frame, AReferenceCreatesTheInstanceWithoutLoadingIt) {
  EXPECT_FALSE(Sample.Exists());
  TestScreen& screen = Sample.Instance();
  EXPECT_TRUE(Sample.Exists());
  EXPECT_FALSE(screen.Loaded());
  EXPECT_EQ(screen.loads, 0);
  EXPECT_EQ(&Sample.Instance(), &screen);
}

TEST_F(Frame, ShowLoadsOnceAndMakesTheScreenVisibleAndActive) {
  Sample->Show();
  EXPECT_TRUE(Sample->Loaded());
  EXPECT_TRUE(Sample->Visible());
  EXPECT_EQ(Sample->loads, 1);
  EXPECT_TRUE(WaitUntil([] { return GetActiveWindow() == Sample->hwnd(); }));
  Sample->Show();  // already visible: stays loaded, no second load
  EXPECT_EQ(Sample->loads, 1);
}

TEST_F(Frame, HiddenScreenKeepsEverythingAndShowsWithoutLoadingAgain) {
  Sample->Show();
  Sample->Items.AddItem(L"three");
  Sample->Items.SetListIndex(2);
  Sample->Note.SetCaption(L"changed");
  Sample->Gamma.SetValue(true);
  Sample->Hide();
  EXPECT_TRUE(Sample->Loaded());
  EXPECT_FALSE(Sample->Visible());
  Sample->Show();
  EXPECT_EQ(Sample->loads, 1);
  EXPECT_EQ(Sample->Items.ListCount(), 3);
  EXPECT_EQ(Sample->Items.ListIndex(), 2);
  EXPECT_EQ(Sample->Note.Caption(), L"changed");
  EXPECT_TRUE(Sample->Gamma.Value());
  EXPECT_FALSE(Sample->Alpha.Value());
}

TEST_F(Frame, UnloadedScreenStartsAgainFromItsLayout) {
  Sample->Show();
  Sample->Items.AddItem(L"three");
  Sample->Note.SetCaption(L"changed");
  Sample->Beta.SetValue(true);
  Plain->Hide();  // keeps the program alive through the unload
  Sample->Unload();
  EXPECT_FALSE(Sample->Loaded());
  EXPECT_TRUE(frame::DeliverPendingMessages());
  Sample->Show();
  EXPECT_EQ(Sample->loads, 2);
  EXPECT_EQ(Sample->Items.ListCount(), 2);
  EXPECT_EQ(Sample->Note.Caption(), L"&Note");
  EXPECT_TRUE(Sample->Alpha.Value());
  EXPECT_FALSE(Sample->Beta.Value());
}

TEST_F(Frame, UsingAControlOrHidingLoadsTheScreenHidden) {
  EXPECT_EQ(Sample->Items.ListCount(), 2);
  EXPECT_TRUE(Sample->Loaded());
  EXPECT_FALSE(Sample->Visible());
  EXPECT_EQ(Sample->loads, 1);
  Plain->Hide();
  EXPECT_TRUE(Plain->Loaded());
  EXPECT_FALSE(Plain->Visible());
}

TEST_F(Frame, UnloadingTheLastLoadedScreenEndsTheProgram) {
  Sample->Show();
  Plain->Show();
  Plain->Unload();
  EXPECT_TRUE(frame::DeliverPendingMessages());
  Sample->Unload();
  EXPECT_FALSE(frame::DeliverPendingMessages());
  // However the last screen goes: here with the window that owns them all.
  Sample->Show();
  Plain->Show();
  DestroyWindow(frame::ApplicationWindow());
  EXPECT_FALSE(Sample->Loaded());
  EXPECT_FALSE(Plain->Loaded());
  EXPECT_FALSE(frame::DeliverPendingMessages());
}

TEST_F(Frame, TheCloseBoxUnloadsOnlyAScreenThatHasOne) {
  Sample->Show();
  Plain->Show();
  SendMessageW(Plain->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(Plain->Loaded());
  EXPECT_TRUE(Plain->Visible());
  // Another program's request to close every window of the program, as taskkill makes it: the
  // hidden window that owns the screens declines it too.
  HWND owner = frame::ApplicationWindow();
  PostMessageW(owner, WM_CLOSE, 0, 0);
  PostMessageW(Plain->hwnd(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(frame::DeliverPendingMessages());
  EXPECT_TRUE(IsWindow(owner));
  EXPECT_TRUE(Plain->Visible());
  SendMessageW(Sample->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(Sample->Loaded());
  EXPECT_EQ(Sample->firstClicks + Sample->secondClicks + Sample->thirdClicks, 0);
  EXPECT_TRUE(Plain->Loaded());
}

TEST_F(Frame, AControlAtFactorTwoShowsItsTwinAt96DpiInBlocksAndLetsGoWhenItGoes) {
  HWND button =
      CreateWindowExW(0, L"BUTTON", L"&Yes", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 146,
                      50, Plain->hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(button, nullptr);
  const LONG_PTR ownProc = GetWindowLongPtrW(button, GWLP_WNDPROC);
  {
    frame::DrawnAt96Dpi drawn(button, 2, frame::LoadFont(frame::kDefaultFont, 96));
    EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), ownProc);
    EXPECT_EQ(TextOf(button), L"&Yes");
    // The twin lives in a hidden window of this thread, which declines a close request.
    const std::vector<HWND> studios = frame::ThreadWindowsOfClass(L"Quorm3Studio");
    ASSERT_EQ(studios.size(), 1u);
    EXPECT_FALSE(IsWindowVisible(studios[0]));
    PostMessageW(studios[0], WM_CLOSE, 0, 0);
    EXPECT_TRUE(frame::DeliverPendingMessages());
    EXPECT_TRUE(IsWindow(studios[0]));
    // Drawn, the button is its 96-dpi self with every pixel a 2x2 block.
    frame::ScreenDc screen(GetDC(nullptr));
    frame::MemoryDc memory(CreateCompatibleDC(screen.get()));
    frame::BitmapHandle bitmap(CreateCompatibleBitmap(screen.get(), 146, 50));
    frame::SelectedObject selected(memory.get(), bitmap.get());
    SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
    std::set<COLORREF> colours;
    for (int y = 0; y < 50; y += 2)
      for (int x = 0; x < 146; x += 2) {
        const COLORREF block = GetPixel(memory.get(), x, y);
        colours.insert(block);
        ASSERT_EQ(GetPixel(memory.get(), x + 1, y), block) << x << "," << y;
        ASSERT_EQ(GetPixel(memory.get(), x, y + 1), block) << x << "," << y;
        ASSERT_EQ(GetPixel(memory.get(), x + 1, y + 1), block) << x << "," << y;
      }
    EXPECT_GE(colours.size(), 3u);  // face, edges and the caption
  }
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), ownProc);  // let go when it goes
  DestroyWindow(button);
}

TEST_F(Frame, WindowsFollowTheirLayoutsBorderSizeAndOwner) {
  Plain->Show();
  HWND plain = Plain->hwnd();
  const LONG_PTR style = GetWindowLongPtrW(plain, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_BORDER);  // a one-pixel border and no title bar
  EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  RECT client{}, outer{};
  GetClientRect(plain, &client);
  GetWindowRect(plain, &outer);
  EXPECT_EQ(client.right, 100);
  EXPECT_EQ(client.bottom, 50);
  EXPECT_EQ(outer.right - outer.left, 102);
  // Centred on the display.
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 102) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 52) / 2);
  // Owned by the frame's hidden window, which keeps it off the taskbar.
  EXPECT_EQ(GetWindow(plain, GW_OWNER), frame::ApplicationWindow());
  EXPECT_FALSE(IsWindowVisible(frame::ApplicationWindow()));
  EXPECT_EQ(GetWindowLongPtrW(plain, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_NE(SendMessageW(plain, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(plain, WM_GETICON, ICON_SMALL, 0), 0);

  HWND dialog = Sample->hwnd();
  const LONG_PTR dialogStyle = GetWindowLongPtrW(dialog, GWL_STYLE);
  EXPECT_EQ(dialogStyle & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(dialogStyle & WS_SYSMENU, 0);
  EXPECT_EQ(dialogStyle & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
  EXPECT_EQ(TextOf(dialog), L"Test screen");
  // The designed position is that of the client area.
  const RECT onScreen = testing_support::ClientRectOnScreen(dialog);
  EXPECT_EQ(onScreen.left, 100);
  EXPECT_EQ(onScreen.top, 100);
  EXPECT_EQ(onScreen.right - onScreen.left, 280);
}

TEST_F(Frame, MoveAndSizesAreInTwipsOfTheOuterWindow) {
  Plain->Show();
  EXPECT_EQ(Plain->Width(), 102 * 15);
  EXPECT_EQ(Plain->Height(), 52 * 15);
  Plain->Move(300, 450);
  RECT outer{};
  GetWindowRect(Plain->hwnd(), &outer);
  EXPECT_EQ(outer.left, 20);
  EXPECT_EQ(outer.top, 30);
  EXPECT_EQ(outer.right - outer.left, 102);
  EXPECT_EQ(frame::DisplayWidth(), GetSystemMetrics(SM_CXSCREEN) * 15);
  EXPECT_EQ(frame::DisplayHeight(), GetSystemMetrics(SM_CYSCREEN) * 15);
}

TEST_F(Frame, ControlsAreCreatedWithTheirLayoutsInPixels) {
  HWND first = Sample->First.hwnd();
  EXPECT_EQ(GetDlgCtrlID(first), 3);
  EXPECT_EQ(TextOf(first), L"&First");
  RECT r{};
  GetWindowRect(first, &r);
  MapWindowPoints(nullptr, Sample->hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 8);
  EXPECT_EQ(r.top, 88);
  EXPECT_EQ(r.right - r.left, 80);
  EXPECT_EQ(r.bottom - r.top, 23);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(first, WM_GETFONT, 0, 0));
  LOGFONTW logFont{};
  GetObjectW(font, sizeof(logFont), &logFont);
  EXPECT_STREQ(logFont.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(logFont.lfHeight, -11);
}

TEST_F(Frame, ListKeepsItemsInOrderAndRaisesOnABadIndex) {
  Sample->Items.AddItem(L"a");
  EXPECT_EQ(Sample->Items.List(2), L"a");
  EXPECT_EQ(Sample->Items.ListIndex(), -1);
  Sample->Items.SetListIndex(1);
  Sample->Items.RemoveItem(1);
  EXPECT_EQ(Sample->Items.ListIndex(), -1);
  EXPECT_EQ(Sample->Items.List(0), L"one");
  EXPECT_EQ(Sample->Items.List(1), L"a");
  try {
    Sample->Items.List(5);
    ADD_FAILURE() << "no error";
  } catch (const base::RuntimeError& e) {
    EXPECT_EQ(e.number, 381);
  }
  try {
    Sample->Items.RemoveItem(-1);
    ADD_FAILURE() << "no error";
  } catch (const base::RuntimeError& e) {
    EXPECT_EQ(e.number, 5);
  }
}

TEST_F(Frame, OptionButtonsFormOneGroup) {
  EXPECT_TRUE(Sample->Alpha.Value());
  testing_support::ClickWith(Sample->Gamma.hwnd());
  EXPECT_TRUE(WaitUntil([] { return Sample->Gamma.Value(); }));
  EXPECT_FALSE(Sample->Alpha.Value());
  EXPECT_FALSE(Sample->Beta.Value());
  Sample->Beta.SetValue(true);
  EXPECT_FALSE(Sample->Gamma.Value());
}

TEST_F(Frame, ClicksAndDoubleClicksReachTheirHandlers) {
  Sample->Show();
  testing_support::ClickWith(Sample->First.hwnd());
  EXPECT_TRUE(WaitUntil([] { return Sample->firstClicks == 1; }));
  SendMessageW(Sample->hwnd(), WM_COMMAND, MAKEWPARAM(2, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Sample->Items.hwnd()));
  EXPECT_EQ(Sample->doubleClicks, 1);
}

TEST_F(Frame, EveryClickOfAQuickPairIsAPress) {
  Sample->Show();
  HWND button = Sample->First.hwnd();
  const LPARAM at = MAKELPARAM(5, 5);
  // Sent straight to the button, and posted through the main loop as the mouse does.
  for (const bool posted : {false, true}) {
    const auto deliver = [&](UINT message, WPARAM keys) {
      if (posted)
        PostMessageW(button, message, keys, at);
      else
        SendMessageW(button, message, keys, at);
    };
    deliver(WM_LBUTTONDOWN, MK_LBUTTON);
    deliver(WM_LBUTTONUP, 0);
    deliver(WM_LBUTTONDBLCLK, MK_LBUTTON);  // the second click of a quick pair
    deliver(WM_LBUTTONUP, 0);
  }
  EXPECT_TRUE(WaitUntil([] { return Sample->firstClicks == 4; }));
  // Like any click, the second of a pair is taken back by letting go away from the button.
  PostMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 500));
  testing_support::DeliverFor(100);
  EXPECT_EQ(Sample->firstClicks, 4);
}

TEST_F(Frame, TimersTickWhileHiddenAndStopWhenUnloaded) {
  Plain->Hide();
  Sample->Hide();
  EXPECT_TRUE(WaitUntil([] { return Sample->ticks >= 2; }));
  EXPECT_FALSE(Sample->Visible());
  Sample->Unload();
  EXPECT_FALSE(Sample->Loaded());
  const int before = Sample->ticks;
  testing_support::DeliverFor(300);
  EXPECT_EQ(Sample->ticks, before);
}

TEST_F(Frame, ADisabledTimerDoesNotTickAndReenablingRestartsTheCountdown) {
  Sample->Show();
  EXPECT_FALSE(Sample->Slow.Enabled());
  Sample->Slow.SetEnabled(true);
  testing_support::DeliverFor(1000);
  // Restarted two thirds of the way through: the countdown begins again from zero.
  Sample->Slow.SetEnabled(false);
  Sample->Slow.SetEnabled(true);
  testing_support::DeliverFor(1000);
  EXPECT_EQ(Sample->slowTicks, 0);
  EXPECT_TRUE(WaitUntil([] { return Sample->slowTicks == 1; }, 10000));
  Sample->Slow.SetEnabled(false);
  testing_support::DeliverFor(1700);
  EXPECT_EQ(Sample->slowTicks, 1);
}

class Keyboard : public Frame {
 protected:
  void SetUp() override {
    Sample->Show();
    ASSERT_TRUE(WaitUntil([] { return GetFocus() == Sample->Second.hwnd(); }));
  }
  void TearDown() override {
    testing_support::HoldShift(false);
    Frame::TearDown();
  }
  static void Press(WORD key) {
    testing_support::PressKey(key);
    frame::DeliverPendingMessages();
  }
};

TEST_F(Keyboard, TheFocusStartsOnTheLowestTabIndex) {
  EXPECT_EQ(Sample->ActiveControl(), &Sample->Second);
}

TEST_F(Keyboard, TabFollowsTheTabOrderSkippingLabelsAndUnselectedOptions) {
  const std::vector<HWND> expected = {Sample->First.hwnd(), Sample->Items.hwnd(),
                                      Sample->Alpha.hwnd(), Sample->Third.hwnd(),
                                      Sample->Second.hwnd()};
  for (HWND next : expected) {
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), next);
  }
  testing_support::HoldShift(true);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), Sample->Third.hwnd());
}

TEST_F(Keyboard, EnterPressesTheFocusedButtonOrElseTheDefaultOne) {
  Press(VK_RETURN);
  EXPECT_EQ(Sample->secondClicks, 1);
  EXPECT_EQ(Sample->thirdClicks, 0);
  Sample->Items.SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(Sample->thirdClicks, 1);
  Sample->Beta.SetFocus();
  Press(VK_RETURN);
  EXPECT_EQ(Sample->thirdClicks, 2);
  EXPECT_EQ(Sample->secondClicks, 1);
}

TEST_F(Keyboard, EscapePressesNothing) {
  Press(VK_ESCAPE);
  Sample->Items.SetFocus();
  Press(VK_ESCAPE);
  EXPECT_EQ(Sample->firstClicks + Sample->secondClicks + Sample->thirdClicks, 0);
  EXPECT_TRUE(Sample->Visible());
}

TEST_F(Keyboard, SpaceClicksTheFocusedButton) {
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
  EXPECT_TRUE(WaitUntil([] { return Sample->secondClicks == 1; }));
}

TEST_F(Keyboard, AScreenHiddenOrMinimisedTakesNoKeysOrClicks) {
  HWND focused = GetFocus();
  ASSERT_EQ(focused, Sample->Second.hwnd());
  const auto tryEverything = [focused] {
    PostMessageW(focused, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(focused, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(focused, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    PostMessageW(focused, WM_SYSCHAR, L'f', 1 << 29);
    PostMessageW(focused, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(focused, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    testing_support::DeliverFor(100);
  };
  ShowWindow(Sample->hwnd(), SW_MINIMIZE);
  tryEverything();
  Sample->Hide();
  tryEverything();
  EXPECT_EQ(Sample->firstClicks + Sample->secondClicks + Sample->thirdClicks, 0);
  // Back on the display, the keyboard works on it again without a click.
  Sample->Show();
  ShowWindow(Sample->hwnd(), SW_RESTORE);
  ASSERT_TRUE(WaitUntil([] { return GetActiveWindow() == Sample->hwnd(); }));
  EXPECT_EQ(GetFocus(), focused);
  Press(VK_RETURN);
  EXPECT_EQ(Sample->secondClicks, 1);
}

TEST_F(Keyboard, AccessKeysSelectOptionsPressButtonsAndMovePastLabels) {
  testing_support::PressAccessKey(L'b');
  frame::DeliverPendingMessages();
  EXPECT_TRUE(Sample->Beta.Value());
  EXPECT_FALSE(Sample->Alpha.Value());
  EXPECT_EQ(GetFocus(), Sample->Beta.hwnd());
  testing_support::PressAccessKey(L'T');
  frame::DeliverPendingMessages();
  EXPECT_EQ(Sample->thirdClicks, 1);
  EXPECT_EQ(GetFocus(), Sample->Third.hwnd());
  testing_support::PressAccessKey(L'n');  // the label's key goes on to the next control
  frame::DeliverPendingMessages();
  EXPECT_EQ(GetFocus(), Sample->Beta.hwnd());
  // On a button, the letter alone acts as its access key.
  Sample->Second.SetFocus();
  testing_support::TypeCharacter(L'f');
  frame::DeliverPendingMessages();
  EXPECT_EQ(Sample->firstClicks, 1);
}

TEST_F(Keyboard, ArrowKeysMoveTheSelectionWithinTheOptionGroup) {
  Sample->Alpha.SetFocus();
  Press(VK_DOWN);
  EXPECT_TRUE(Sample->Beta.Value());
  EXPECT_EQ(GetFocus(), Sample->Beta.hwnd());
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_TRUE(Sample->Alpha.Value());
  Press(VK_UP);
  EXPECT_TRUE(Sample->Gamma.Value());
  EXPECT_FALSE(Sample->Alpha.Value());
}

TEST_F(Keyboard, ArrowKeysOnAButtonWalkTheTabOrder) {
  Press(VK_RIGHT);
  EXPECT_EQ(GetFocus(), Sample->First.hwnd());
  Press(VK_LEFT);
  EXPECT_EQ(GetFocus(), Sample->Second.hwnd());
  Press(VK_UP);  // from the first of the tab order round to the last
  EXPECT_EQ(GetFocus(), Sample->Third.hwnd());
  Press(VK_LEFT);  // into the option group through its selected option
  EXPECT_EQ(GetFocus(), Sample->Alpha.hwnd());
  EXPECT_TRUE(Sample->Alpha.Value());
  Sample->First.SetFocus();
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), Sample->Items.hwnd());
  Press(VK_DOWN);  // the list keeps its own arrows
  EXPECT_EQ(GetFocus(), Sample->Items.hwnd());
  EXPECT_EQ(Sample->firstClicks + Sample->secondClicks + Sample->thirdClicks, 0);
}

TEST(MsgBox, ShowsThePromptUpToItsFirstZeroWithTheStopIconAndOneButton) {
  testing_support::MessageBoxWatcher watcher;
  frame::MsgBox(std::wstring(L"first\n\nsecond\0hidden", 20), frame::kStopOnly);
  frame::MsgBox(L"titled", frame::kStopOnly, L"Windows");
  ASSERT_EQ(watcher.seen().size(), 2u);
  EXPECT_EQ(watcher.seen()[0].title, L"quorm3");
  EXPECT_EQ(watcher.seen()[0].text, L"first\n\nsecond");
  EXPECT_NE(watcher.seen()[0].icon, 0u);
  EXPECT_EQ(watcher.seen()[0].buttons, 1);
  EXPECT_EQ(watcher.seen()[1].title, L"Windows");
}

TEST_F(Keyboard, AMessageBoxBelongsToTheScreenThatOpenedIt) {
  Plain->Show();
  Sample->Show();
  Sample->Items.SetFocus();
  HWND owner = nullptr;
  bool sampleTakesInput = true, plainTakesInput = true;
  testing_support::MessageBoxWatcher watcher;
  watcher.whileOpen = [&](HWND box) {
    owner = GetWindow(box, GW_OWNER);
    sampleTakesInput = IsWindowEnabled(Sample->hwnd()) != FALSE;
    plainTakesInput = IsWindowEnabled(Plain->hwnd()) != FALSE;
  };
  frame::MsgBox(L"Boxed", frame::kStopOnly);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(owner, Sample->hwnd());
  EXPECT_FALSE(sampleTakesInput);
  EXPECT_FALSE(plainTakesInput);
  EXPECT_TRUE(IsWindowEnabled(Sample->hwnd()));
  EXPECT_TRUE(IsWindowEnabled(Plain->hwnd()));
  EXPECT_TRUE(WaitUntil([] { return GetActiveWindow() == Sample->hwnd(); }));
  EXPECT_EQ(GetFocus(), Sample->Items.hwnd());
  // With no screen of the program active, the box still belongs to a window of its own.
  Sample->Hide();
  Plain->Hide();
  watcher.whileOpen = [&](HWND box) { owner = GetWindow(box, GW_OWNER); };
  frame::MsgBox(L"Alone", frame::kStopOnly);
  EXPECT_EQ(owner, frame::ApplicationWindow());
}

bool DrawnAsDefault(HWND button) {
  return (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

TEST_F(Keyboard, TheFocusedButtonOrElseTheDefaultOneHasTheHeavyFrame) {
  EXPECT_TRUE(DrawnAsDefault(Sample->Second.hwnd()));
  EXPECT_FALSE(DrawnAsDefault(Sample->Third.hwnd()));
  Sample->Items.SetFocus();
  frame::DeliverPendingMessages();
  EXPECT_TRUE(DrawnAsDefault(Sample->Third.hwnd()));
  EXPECT_FALSE(DrawnAsDefault(Sample->Second.hwnd()));
  Sample->First.SetFocus();
  frame::DeliverPendingMessages();
  EXPECT_TRUE(DrawnAsDefault(Sample->First.hwnd()));
  EXPECT_FALSE(DrawnAsDefault(Sample->Third.hwnd()));
}

TEST_F(Keyboard, AScreenShownAgainGivesTheFocusBackWhereItWas) {
  Sample->Items.SetFocus();
  Plain->Show();
  Sample->Hide();
  Sample->Show();
  EXPECT_TRUE(WaitUntil([] { return GetFocus() == Sample->Items.hwnd(); }));
}

}  // namespace
