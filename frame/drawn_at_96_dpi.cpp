#include "frame/drawn_at_96_dpi.h"

#include "frame/app.h"

namespace frame {

namespace {

// The sunken client edge of a list box is two pixels wide at 96 dpi.
constexpr int kClientEdge = 2;

// A window's text or list item, held without the heap: the program's captions and items are
// short.
struct Text {
  wchar_t chars[256];
};

Text TextOf(HWND window) {
  Text text;
  text.chars[0] = L'\0';
  GetWindowTextW(window, text.chars, 256);
  return text;
}

Text ItemOf(HWND list, int index) {
  Text text;
  text.chars[0] = L'\0';
  if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < 256)
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.chars));
  return text;
}

// Messages after which the control looks as before: drawing, and the questions asked most.
// (A question not listed only makes it be drawn once more.)
bool LeavesTheLookAsItWas(UINT message) {
  switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
    case WM_NCCALCSIZE:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_GETDLGCODE:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_DESTROY:
    case WM_NCDESTROY:
      return true;
    default:
      return false;
  }
}

constexpr const wchar_t* kStudioClass = L"Quorm3Studio";

// Sets what DPI the windows this thread creates from now on see, where the system can make them
// see 96 (Windows 10 1607 and later; Wine), and returns what was set before; elsewhere nothing.
DPI_AWARENESS_CONTEXT SetThreadDpiContext(DPI_AWARENESS_CONTEXT context) {
  using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto set = user32 != nullptr ? reinterpret_cast<SetContext>(reinterpret_cast<void*>(
                                           GetProcAddress(user32, "SetThreadDpiAwarenessContext")))
                                     : nullptr;
  return set != nullptr && context != nullptr ? set(context) : nullptr;
}

// The hidden window the twins live in. It declines a close request, as the frame's other
// hidden window does, and the colours its twins ask for are their controls', from their screens.
LRESULT CALLBACK StudioProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) return 0;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    auto control =
        reinterpret_cast<HWND>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
    if (control != nullptr && IsWindow(control))
      return SendMessageW(GetParent(control), message, wParam, reinterpret_cast<LPARAM>(control));
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Studio() {
  return HiddenThreadWindow(kStudioClass, L"", StudioProc);
}

}  // namespace

DrawnAt96Dpi::DrawnAt96Dpi(HWND control, int factor, FontHandle font)
    : control_(control), factor_(factor), font_(std::move(font)) {
  RECT outer{};
  GetWindowRect(control, &outer);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
  const bool sunken = (exStyle & WS_EX_CLIENTEDGE) != 0;
  // The twin is the control's client area alone: the edge is drawn apart, at its 96-dpi width,
  // and it takes no scroll bar (the program's one list never needs one).
  const int inset = sunken ? 2 * kClientEdge : 0;
  edge_ = sunken ? kClientEdge * factor : 0;
  wchar_t windowClass[16] = {};
  GetClassNameW(control, windowClass, 16);
  isButton_ = lstrcmpiW(windowClass, L"BUTTON") == 0;
  isList_ = lstrcmpiW(windowClass, L"LISTBOX") == 0;
  // Made seeing 96 dpi, the twin is drawn by the system as at 96 dpi, the option buttons'
  // circles included.
  const DPI_AWARENESS_CONTEXT previous = SetThreadDpiContext(DPI_AWARENESS_CONTEXT_UNAWARE);
  if (HWND studio = Studio())
    twin_.reset(CreateWindowExW(
        exStyle & ~WS_EX_CLIENTEDGE, windowClass, L"", WS_CHILD | WS_VISIBLE | (style & 0xFFFF), 0,
        0, (outer.right - outer.left) / factor - inset, (outer.bottom - outer.top) / factor - inset,
        studio, nullptr, GetModuleHandleW(nullptr), nullptr));
  SetThreadDpiContext(previous);
  if (!twin_) return;  // the system draws the control as it is
  // Colours are asked of the control's screen, for the control.
  SetWindowLongPtrW(twin_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  SendMessageW(twin_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  // Access keys underlined and focus rectangles drawn, as the screens show them.
  SendMessageW(twin_.get(), WM_UPDATEUISTATE,
               MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
  if (isList_) {
    // Its rows are the twin's, scaled, so that a click lands on the row drawn there.
    const LRESULT row = SendMessageW(twin_.get(), LB_GETITEMHEIGHT, 0, 0);
    SendMessageW(control, LB_SETITEMHEIGHT, 0, MAKELPARAM(row * factor, 0));
  }
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  controlProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
  // Its frame is measured anew; the screen is not shown yet, and draws it when it is.
  SetWindowPos(control, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

DrawnAt96Dpi::~DrawnAt96Dpi() {
  if (controlProc_ == nullptr || !IsWindow(control_)) return;
  SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc_));
  SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
}

LRESULT CALLBACK DrawnAt96Dpi::ControlProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<DrawnAt96Dpi*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT DrawnAt96Dpi::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(control_, &paint);
      Paint(dc);
      EndPaint(control_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the whole client area is drawn over
    case WM_NCCALCSIZE:
      if (edge_ == 0) break;
      InflateRect(wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                         : reinterpret_cast<RECT*>(lParam),
                  -edge_, -edge_);
      return 0;
    case WM_NCPAINT:
      if (edge_ == 0) break;
      PaintEdge();
      return 0;
    default:
      break;
  }
  const LRESULT result = CallWindowProcW(controlProc_, control_, message, wParam, lParam);
  // The system draws some changes at once, at the control's own size: they are drawn over.
  if (!drawing_ && !LeavesTheLookAsItWas(message) && IsWindowVisible(control_)) {
    HDC dc = GetDC(control_);
    Paint(dc);
    ReleaseDC(control_, dc);
  }
  return result;
}

void DrawnAt96Dpi::Follow() {
  HWND twin = twin_.get();
  SetWindowTextW(twin, TextOf(control_).chars);
  EnableWindow(twin, IsWindowEnabled(control_));
  if (isButton_) FollowButton();
  if (isList_) FollowList();
  FollowFocus();
}

void DrawnAt96Dpi::FollowButton() {
  HWND twin = twin_.get();
  SendMessageW(twin, BM_SETSTYLE,
               static_cast<WPARAM>(GetWindowLongPtrW(control_, GWL_STYLE) & BS_TYPEMASK), FALSE);
  const LRESULT state = SendMessageW(control_, BM_GETSTATE, 0, 0);
  SendMessageW(twin, BM_SETCHECK, static_cast<WPARAM>(state & 3), 0);
  SendMessageW(twin, BM_SETSTATE, (state & BST_PUSHED) != 0, 0);
}

void DrawnAt96Dpi::FollowList() {
  HWND twin = twin_.get();
  const auto count = static_cast<int>(SendMessageW(control_, LB_GETCOUNT, 0, 0));
  SendMessageW(twin, LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < count; ++i)
    SendMessageW(twin, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ItemOf(control_, i).chars));
  SendMessageW(twin, LB_SETCURSEL, SendMessageW(control_, LB_GETCURSEL, 0, 0), 0);
  SendMessageW(twin, LB_SETTOPINDEX, SendMessageW(control_, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(twin, LB_SETCARETINDEX, SendMessageW(control_, LB_GETCARETINDEX, 0, 0), FALSE);
}

void DrawnAt96Dpi::FollowFocus() {
  // The twin is told of the focus without taking it: the control keeps the keyboard.
  const bool focused = GetFocus() == control_;
  if (focused == twinFocused_) return;
  twinFocused_ = focused;
  SendMessageW(twin_.get(), focused ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
}

void DrawnAt96Dpi::Paint(HDC dc) {
  if (drawing_) return;
  drawing_ = true;
  Follow();
  RECT client{};
  GetClientRect(twin_.get(), &client);
  Stretch(dc, client.right, client.bottom, false);
  drawing_ = false;
}

void DrawnAt96Dpi::PaintEdge() {
  RECT outer{};
  GetWindowRect(control_, &outer);
  const int width = (outer.right - outer.left) / factor_;
  const int height = (outer.bottom - outer.top) / factor_;
  HDC dc = GetWindowDC(control_);
  if (dc == nullptr) return;
  ExcludeClipRect(dc, edge_, edge_, width * factor_ - edge_, height * factor_ - edge_);
  Stretch(dc, width, height, true);
  ReleaseDC(control_, dc);
}

void DrawnAt96Dpi::Stretch(HDC dc, int width, int height, bool edge) {
  MemoryDc memory(CreateCompatibleDC(dc));
  BitmapHandle bitmap(CreateCompatibleBitmap(dc, width, height));
  if (!memory || !bitmap) return;
  SelectedObject selected(memory.get(), bitmap.get());
  RECT whole{0, 0, width, height};
  if (edge) {
    DrawEdge(memory.get(), &whole, EDGE_SUNKEN, BF_RECT);
  } else {
    SendMessageW(twin_.get(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()),
                 PRF_CLIENT | PRF_ERASEBKGND);
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, width * factor_, height * factor_, memory.get(), 0, 0, width, height,
             SRCCOPY);
}

}  // namespace frame
