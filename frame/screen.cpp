#include "frame/screen.h"

#include <algorithm>
#include <string>

#include "base/errors.h"
#include "base/units.h"
#include "frame/app.h"
#include "frame/resources.h"

namespace frame {

namespace {

DWORD StyleFor(const ScreenLayout& layout) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  const bool titleBar = layout.controlBox || layout.caption[0] != L'\0';
  if (layout.border == Border::kFixedDialog) style |= WS_DLGFRAME;
  if (layout.border == Border::kFixedSingle) style |= WS_BORDER;
  if (titleBar) style |= WS_CAPTION;
  if (layout.controlBox) style |= WS_SYSMENU;
  return style;
}

DWORD ExStyleFor(const ScreenLayout& layout) {
  DWORD exStyle = 0;
  if (layout.border == Border::kFixedDialog) exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  if (layout.showInTaskbar) exStyle |= WS_EX_APPWINDOW;
  return exStyle;
}

void RegisterScreenClass(WNDPROC windowProc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.lpszClassName = kScreenClassName;
  RegisterClassExW(&wc);  // a second registration fails harmlessly
}

}  // namespace

double DisplayWidth() {
  return base::PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), LayoutDpi());
}
double DisplayHeight() {
  return base::PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), LayoutDpi());
}

Screen::Screen(const ScreenLayout& layout) : layout_(layout) {}

Screen::~Screen() {
  // The window goes before the controls that point into it.
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  windowOwner_.reset();
}

bool Screen::Visible() const {
  return window_ != nullptr && IsWindowVisible(window_) != FALSE;
}

bool Screen::OnDisplay() const {
  return Visible() && IsIconic(window_) == FALSE;
}

HWND Screen::hwnd() {
  Load();
  return window_;
}

void Screen::Load() {
  if (Loaded()) return;
  CreateWindowForLayout();
  std::vector<Control*> inLayoutOrder = controls_;
  std::sort(inLayoutOrder.begin(), inLayoutOrder.end(),
            [](const Control* a, const Control* b) { return a->layout().id < b->layout().id; });
  for (Control* control : inLayoutOrder) control->Create(window_, font_.get());
  keyboard_.UpdateDefaultButton();
  Form_Load();
}

void Screen::CreateWindowForLayout() {
  RegisterScreenClass(WindowProc);
  const int dpi = LayoutDpi();
  const DWORD style = StyleFor(layout_);
  const DWORD exStyle = ExStyleFor(layout_);
  RECT outer{0, 0, base::TwipsToPixels(layout_.clientWidth, dpi),
             base::TwipsToPixels(layout_.clientHeight, dpi)};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  // Only an overlapped window gets the system's choice of place; such a screen is created
  // overlapped and given its own style before anyone sees it.
  const bool systemPlaces = layout_.startPosition == StartPosition::kWindowsDefault;
  const POINT at = systemPlaces ? POINT{CW_USEDEFAULT, CW_USEDEFAULT} : InitialPosition(outer);
  HWND owner = layout_.showInTaskbar ? nullptr : ApplicationWindow();
  HWND created = CreateWindowExW(exStyle, kScreenClassName, layout_.caption,
                                 systemPlaces ? WS_OVERLAPPED | WS_CLIPCHILDREN : style, at.x, at.y,
                                 outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                                 GetModuleHandleW(nullptr), this);
  if (created == nullptr) {
    window_ = nullptr;
    base::Raise(base::errors::kCannotCreateWindow);
  }
  windowOwner_.reset(created);
  if (systemPlaces) {
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  DressWindow(dpi);
}

void Screen::DressWindow(int dpi) {
  font_ = LoadFont(kDefaultFont, dpi);
  if (layout_.picture != nullptr) picture_ = LoadPicture(layout_.picture);
  if (layout_.icon != nullptr) {
    largeIcon_ = LoadIconImage(layout_.icon, 32);
    smallIcon_ = LoadIconImage(layout_.icon, 16);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
  // Access keys stay underlined and focus rectangles drawn, as on the classic system.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS),
               0);
}

POINT Screen::InitialPosition(const RECT& outer) const {
  const int dpi = LayoutDpi();
  switch (layout_.startPosition) {
    case StartPosition::kCenterScreen:
      return {(GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2};
    case StartPosition::kWindowsDefault:  // placed by CreateWindowEx
    case StartPosition::kManual:
      break;
  }
  // The designed position is that of the client area; the frame lies outside it.
  return {base::TwipsToPixels(layout_.clientLeft, dpi) + outer.left,
          base::TwipsToPixels(layout_.clientTop, dpi) + outer.top};
}

void Screen::Show() {
  Load();
  // Showing a hidden screen activates it and brings it to the top. A screen that was visible
  // already, or one shown while another program has the foreground, is asked for it as well.
  ShowWindow(window_, SW_SHOW);
  if (GetActiveWindow() != window_ && !SetForegroundWindow(window_)) SetActiveWindow(window_);
  if (GetActiveWindow() == window_ && ActiveControl() == nullptr) keyboard_.FocusFirstControl();
  if (layout_.discardsTypeAhead) DialogKeyboard::DiscardPendingInput();
  ArmGuardIfSeen();
}

void Screen::Hide() {
  Load();
  if (!IsWindowVisible(window_)) return;
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
  ShowWindow(window_, SW_HIDE);  // WM_SHOWWINDOW disarms the press guard
}

void Screen::Unload() {
  if (!Loaded()) return;
  ShowWindow(window_, SW_HIDE);
  windowOwner_.reset();  // WM_DESTROY forgets the controls and the timers stop with the window
}

void Screen::Move(double left, double top) {
  Load();
  const int dpi = LayoutDpi();
  SetWindowPos(window_, nullptr, base::TwipsToPixels(left, dpi), base::TwipsToPixels(top, dpi), 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double Screen::Width() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return base::PixelsToTwips(r.right - r.left, LayoutDpi());
}

double Screen::Height() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return base::PixelsToTwips(r.bottom - r.top, LayoutDpi());
}

void Screen::FreezeForReport() {
  if (!Loaded()) return;
  for (Control* c : controls_) c->FreezeForReport();
}

bool Screen::IsCommandButton(HWND window) const {
  const Control* control = ControlWithId(GetDlgCtrlID(window));
  return control != nullptr && control->window() == window && control->IsPushButton();
}

Control* Screen::ControlWithId(int id) const {
  for (Control* c : controls_)
    if (c->layout().id == id) return c;
  return nullptr;
}

Control* Screen::ActiveControl() {
  HWND focus = GetFocus();
  if (focus == nullptr || window_ == nullptr) return nullptr;
  for (Control* c : controls_)
    if (c->window() != nullptr && (c->window() == focus || IsChild(c->window(), focus))) return c;
  return nullptr;
}

Screen* Screen::FromWindow(HWND window) {
  HWND root = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root == nullptr) return nullptr;
  wchar_t className[32] = {};
  GetClassNameW(root, className, 32);
  if (std::wstring_view(className) != kScreenClassName) return nullptr;
  return reinterpret_cast<Screen*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

bool Screen::AnyLoaded() {
  for (HWND window : ThreadWindowsOfClass(kScreenClassName))
    if (FromWindow(window) != nullptr) return true;
  return false;
}

LRESULT CALLBACK Screen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* screen = static_cast<Screen*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(screen));
    screen->window_ = window;
  }
  auto* screen = reinterpret_cast<Screen*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (screen == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  bool handled = false;
  RunHandler([&] {
    result = screen->HandleMessage(message, wParam, lParam);
    handled = true;
  });
  return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Screen::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
      if (lParam != 0) OnCommand(LOWORD(wParam), HIWORD(wParam));  // from a control
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_SHOWWINDOW:
      if (wParam == FALSE) pressGuard_.Disarm();
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_SIZE:
      OnSize(wParam);
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ENDSESSION:
      if (wParam != FALSE) End();  // the session ends, and the program with it
      return 0;
    case WM_DESTROY:
      OnDestroyed();
      return 0;
    case WM_NCDESTROY:
      return OnFinalMessage(message, wParam, lParam);
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void Screen::OnSize(WPARAM kind) {
  // Minimised by another program, the screen is off the display until it is restored.
  if (kind == SIZE_MINIMIZED) pressGuard_.Disarm();
  if (kind == SIZE_RESTORED) ArmGuardIfSeen();
}

// The window is gone: the instance lets go of it and forgets it. However it went, the program
// ends once no screen is loaded any more.
LRESULT Screen::OnFinalMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  (void)windowOwner_.release();
  window_ = nullptr;
  if (!AnyLoaded()) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

void Screen::PaintBackground(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) return;
  BITMAP info{};
  GetObjectW(picture_.get(), sizeof(info), &info);
  MemoryDc source(CreateCompatibleDC(dc));
  SelectedObject selected(source.get(), picture_.get());
  // Each pixel a square block: whole factors and no smoothing keep the picture crisp.
  const int factor = ScaleFactor();
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, info.bmWidth * factor, info.bmHeight * factor, source.get(), 0, 0,
             info.bmWidth, info.bmHeight, SRCCOPY);
}

LRESULT Screen::OnColor(HDC dc, HWND from) {
  for (Control* c : controls_)
    if (c->window() == from)
      if (HBRUSH brush = c->OnColor(dc)) return reinterpret_cast<LRESULT>(brush);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Screen::OnCommand(WORD id, WORD code) {
  Control* control = ControlWithId(id);
  if (control == nullptr) return;
  if (code == BN_SETFOCUS || code == LBN_SETFOCUS) keyboard_.UpdateDefaultButton();
  control->OnNotify(code);
}

void Screen::OnTimer(UINT_PTR id) {
  if (Control* control = ControlWithId(static_cast<int>(id))) control->OnTimer();
}

void Screen::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    pressGuard_.Disarm();
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
    return;
  }
  if (!IsWindowEnabled(window_)) {
    // A box of this screen is open (the screen was restored under it, say): the keyboard
    // belongs to the box.
    if (HWND box = OpenModalWindowOf(window_)) SetActiveWindow(box);
    return;
  }
  ArmGuardIfSeen();
  if (lastFocus_ != nullptr && IsChild(window_, lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    ::SetFocus(lastFocus_);
  } else {
    keyboard_.FocusFirstControl();
  }
  keyboard_.UpdateDefaultButton();
}

// Each time the screen is seen anew, a real answer waits a moment again.
void Screen::ArmGuardIfSeen() {
  if (!pressGuard_.Armed() && OnDisplay() && GetActiveWindow() == window_) pressGuard_.Arm();
}

void Screen::OnClose() {
  // Only a screen with a close box can be closed by the user; closing unloads it.
  if (layout_.controlBox) Unload();
}

void Screen::OnDestroyed() {
  for (Control* c : controls_) c->Forget();
  font_.reset();
  picture_.reset();
  largeIcon_.reset();
  smallIcon_.reset();
  lastFocus_ = nullptr;
  pressGuard_.Disarm();
}

}  // namespace frame
