// The Not Responding screen: its window, its stale title and the tasks it really ends.
#include <windows.h>

#include "screens_fixture.h"

namespace {

using testing_support::WaitUntil;

class NotResponding : public ScreensTest {
 protected:
  static void OpenFor(int task) {
    Form1->List1.SetListIndex(task);
    Form1->Command3.Press();
    ASSERT_TRUE(Form2->Visible());
  }
};

TEST_F(NotResponding, IsABorderedWindowTitledByALabelOverThePaintedBar) {
  OpenFor(1);
  HWND window = Form2->hwnd();
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, WS_BORDER);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 364);
  EXPECT_EQ(client.bottom, 251);
  EXPECT_EQ(GetWindow(window, GW_OWNER), frame::ApplicationWindow());
  const RECT label = RectInClient(Form2->Label1.hwnd());
  EXPECT_EQ(label.left, 5);
  EXPECT_EQ(label.top, 3);
  EXPECT_EQ(label.right, 341);
  EXPECT_EQ(label.bottom, 18);
  const RECT endTask = RectInClient(Form2->Command1.hwnd());
  EXPECT_EQ(endTask.left, 158);
  EXPECT_EQ(endTask.top, 209);
  EXPECT_EQ(endTask.right, 251);
  const RECT cancel = RectInClient(Form2->Command2.hwnd());
  EXPECT_EQ(cancel.left, 256);
  EXPECT_EQ(cancel.right, 347);
  EXPECT_EQ(testing_support::TextOf(Form2->Command1.hwnd()), L"End Task");
  EXPECT_EQ(testing_support::TextOf(Form2->Command2.hwnd()), L"Cancel");
}

TEST_F(NotResponding, TheLabelNamesTheTaskInBoldHighlightColours) {
  OpenFor(1);
  EXPECT_EQ(Form2->Label1.Caption(), L"Systray");
  HWND label = Form2->Label1.hwnd();
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(font.lfHeight, -11);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_EQ(font.lfCharSet, 0);
  HDC dc = GetDC(label);
  const LRESULT brush = SendMessageW(Form2->hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(label));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_HIGHLIGHTTEXT));
  ReleaseDC(label, dc);
}

TEST_F(NotResponding, EndTaskStartsWithTheFocusAndRemovesTheTask) {
  OpenFor(1);
  ASSERT_TRUE(WaitUntil([] { return GetFocus() == Form2->Command1.hwnd(); }));
  testing_support::ClickWith(Form2->Command1.hwnd());
  ASSERT_TRUE(WaitUntil([] { return Form1->Visible(); }));
  EXPECT_FALSE(Form2->Visible());
  ASSERT_EQ(Form1->List1.ListCount(), 1);
  EXPECT_EQ(Form1->List1.List(0), L"Explorer");
  EXPECT_EQ(Form1->List1.ListIndex(), -1);
}

TEST_F(NotResponding, CancelKeepsTheTasksAndTheSelection) {
  OpenFor(0);
  EXPECT_EQ(Form2->Label1.Caption(), L"Explorer");
  testing_support::ClickWith(Form2->Command2.hwnd());
  ASSERT_TRUE(WaitUntil([] { return Form1->Visible(); }));
  EXPECT_FALSE(Form2->Visible());
  EXPECT_EQ(Form1->List1.ListCount(), 2);
  EXPECT_EQ(Form1->List1.ListIndex(), 0);
}

TEST_F(NotResponding, ASecondVisitKeepsTheFirstNameButEndsTheTaskSelectedNow) {
  OpenFor(1);
  Form2->Command1.Press();
  OpenFor(0);
  EXPECT_EQ(Form2->Label1.Caption(), L"Systray");  // loaded once: the first name stays
  Form2->Command1.Press();
  EXPECT_EQ(Form1->List1.ListCount(), 0);
  EXPECT_TRUE(Form1->Visible());
  Form1->Command3.Press();  // an empty list: the screen cannot be opened again
  EXPECT_FALSE(Form2->Visible());
  EXPECT_TRUE(Form1->Visible());
}

TEST_F(NotResponding, LaterShowingsKeepTheScreenWhereItWas) {
  OpenFor(1);
  Form2->Move(1500, 1200);
  Form2->Command2.Press();
  OpenFor(1);
  RECT outer{};
  GetWindowRect(Form2->hwnd(), &outer);
  EXPECT_EQ(outer.left, 100);
  EXPECT_EQ(outer.top, 80);
}

TEST_F(NotResponding, WithoutASelectionItsHandlersEndNothing) {
  Form2->Show();  // never done by the program; the handlers still hold
  EXPECT_EQ(Form2->Label1.Caption(), L"Explorer");
  Form2->Command1.Press();
  EXPECT_EQ(Form1->List1.ListCount(), 2);
  EXPECT_TRUE(Form1->Visible());
}

TEST_F(NotResponding, ThePaintedCloseBoxAndTitleBarAreOnlyPaint) {
  OpenFor(1);
  HWND window = Form2->hwnd();
  RECT before{};
  GetWindowRect(window, &before);
  const RECT client = testing_support::ClientRectOnScreen(window);
  const LPARAM closeBox = MAKELPARAM(client.left + 351, client.top + 10);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, closeBox), HTCLIENT);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(351, 10));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(351, 10));
  testing_support::DeliverFor(100);
  EXPECT_TRUE(Form2->Visible());
  EXPECT_FALSE(Form1->Visible());
  RECT after{};
  GetWindowRect(window, &after);
  EXPECT_EQ(after.left, before.left);
}

}  // namespace
