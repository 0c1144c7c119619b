#include "frame/screen.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "frame/app.h"
#include "frame/errors.h"
#include "frame/resources.h"
#include "frame/units.h"
#include "services/runtime.h"

namespace frame {

namespace {

constexpr const wchar_t* kScreenClass = L"Quorm3Screen";

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
  wc.lpszClassName = kScreenClass;
  RegisterClassExW(&wc);  // a second registration fails harmlessly
}

bool IsOption(const Control* c) {
  return dynamic_cast<const OptionButton*>(c) != nullptr;
}

wchar_t AccessKeyOf(const wchar_t* caption) {
  for (const wchar_t* p = caption; *p != L'\0'; ++p) {
    if (*p != L'&') continue;
    if (p[1] == L'&') {
      ++p;
      continue;
    }
    return static_cast<wchar_t>(std::towupper(p[1]));
  }
  return L'\0';
}

}  // namespace

double DisplayWidth() {
  return PixelsToTwips(GetSystemMetrics(SM_CXSCREEN), DisplayDpi());
}
double DisplayHeight() {
  return PixelsToTwips(GetSystemMetrics(SM_CYSCREEN), DisplayDpi());
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

const ControlLayout& Screen::FindLayout(const wchar_t* name) const {
  for (const ControlLayout& c : layout_.controls)
    if (std::wstring_view(c.name) == name) return c;
  Raise(errors::kInternal);
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
  UpdateDefaultButton();
  Form_Load();
}

void Screen::CreateWindowForLayout() {
  RegisterScreenClass(WindowProc);
  const int dpi = DisplayDpi();
  const DWORD style = StyleFor(layout_);
  const DWORD exStyle = ExStyleFor(layout_);
  RECT outer{0, 0, TwipsToPixels(layout_.clientWidth, dpi),
             TwipsToPixels(layout_.clientHeight, dpi)};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  // Only an overlapped window gets the system's choice of place; such a screen is created
  // overlapped and given its own style before anyone sees it.
  const bool systemPlaces = layout_.startPosition == StartPosition::kWindowsDefault;
  const POINT at = systemPlaces ? POINT{CW_USEDEFAULT, CW_USEDEFAULT} : InitialPosition(outer);
  HWND owner = layout_.showInTaskbar ? nullptr : ApplicationWindow();
  HWND created = CreateWindowExW(exStyle, kScreenClass, layout_.caption,
                                 systemPlaces ? WS_OVERLAPPED | WS_CLIPCHILDREN : style, at.x, at.y,
                                 outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                                 GetModuleHandleW(nullptr), this);
  if (created == nullptr) {
    window_ = nullptr;
    Raise(errors::kCannotCreateWindow);
  }
  windowOwner_.reset(created);
  if (systemPlaces) {
    SetWindowLongPtrW(window_, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
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
  const int dpi = DisplayDpi();
  switch (layout_.startPosition) {
    case StartPosition::kCenterScreen:
      return {(GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2,
              (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2};
    case StartPosition::kWindowsDefault:  // placed by CreateWindowEx
    case StartPosition::kManual:
      break;
  }
  // The designed position is that of the client area; the frame lies outside it.
  return {TwipsToPixels(layout_.clientLeft, dpi) + outer.left,
          TwipsToPixels(layout_.clientTop, dpi) + outer.top};
}

void Screen::Show() {
  Load();
  ShowWindow(window_, SW_SHOW);
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  if (GetActiveWindow() == window_ && ActiveControl() == nullptr) FocusFirstControl();
}

void Screen::Hide() {
  Load();
  if (!IsWindowVisible(window_)) return;
  HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
  ShowWindow(window_, SW_HIDE);
}

void Screen::Unload() {
  if (!Loaded()) return;
  ShowWindow(window_, SW_HIDE);
  windowOwner_.reset();  // WM_DESTROY forgets the controls and the timers stop with the window
  if (!AnyLoaded()) PostQuitMessage(0);
}

void Screen::Move(double left, double top) {
  Load();
  const int dpi = DisplayDpi();
  SetWindowPos(window_, nullptr, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double Screen::Width() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return PixelsToTwips(r.right - r.left, DisplayDpi());
}

double Screen::Height() {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return PixelsToTwips(r.bottom - r.top, DisplayDpi());
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
  if (std::wstring_view(className) != kScreenClass) return nullptr;
  return reinterpret_cast<Screen*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

bool Screen::AnyLoaded() {
  for (HWND window : ThreadWindowsOfClass(kScreenClass))
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
      if (lParam != 0) OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ENDSESSION:
      if (wParam != FALSE) services::End();  // the session ends, and the program with it
      return 0;
    case WM_DESTROY:
      OnDestroyed();
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      (void)windowOwner_.release();
      window_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
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
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
}

LRESULT Screen::OnColor(HDC dc, HWND from) {
  for (Control* c : controls_)
    if (c->window() == from)
      if (HBRUSH brush = c->OnColor(dc)) return reinterpret_cast<LRESULT>(brush);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Screen::OnCommand(HWND from, WORD code) {
  for (Control* c : controls_) {
    if (c->window() != from) continue;
    if (code == BN_SETFOCUS || code == LBN_SETFOCUS) UpdateDefaultButton();
    c->OnNotify(code);
    return;
  }
}

void Screen::OnTimer(UINT_PTR id) {
  for (Control* c : controls_)
    if (auto* timer = dynamic_cast<Timer*>(c);
        timer != nullptr && timer->layout().id == static_cast<int>(id)) {
      timer->Elapsed();
      return;
    }
}

void Screen::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
    return;
  }
  if (lastFocus_ != nullptr && IsChild(window_, lastFocus_) && IsWindowEnabled(lastFocus_) &&
      IsWindowVisible(lastFocus_)) {
    ::SetFocus(lastFocus_);
  } else {
    FocusFirstControl();
  }
  UpdateDefaultButton();
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
}

std::vector<Control*> Screen::TabOrder() {
  std::vector<Control*> order;
  for (Control* c : controls_)
    if (c->TakesFocus() && c->window() != nullptr && IsWindowVisible(c->window()) &&
        IsWindowEnabled(c->window()))
      order.push_back(c);
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->layout().tabIndex < b->layout().tabIndex;
  });
  // Tab reaches an option group through its selected option only.
  const bool anySelected = std::any_of(order.begin(), order.end(), [](Control* c) {
    return IsOption(c) && static_cast<OptionButton*>(c)->Value();
  });
  if (anySelected)
    std::erase_if(
        order, [](Control* c) { return IsOption(c) && !static_cast<OptionButton*>(c)->Value(); });
  return order;
}

void Screen::FocusFirstControl() {
  const std::vector<Control*> order = TabOrder();
  if (!order.empty()) ::SetFocus(order.front()->window());
}

void Screen::MoveFocus(bool backwards) {
  const std::vector<Control*> order = TabOrder();
  if (order.empty()) return;
  const auto current = std::find(order.begin(), order.end(), ActiveControl());
  size_t next = 0;
  if (current != order.end()) {
    const size_t at = static_cast<size_t>(current - order.begin());
    next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
  } else if (backwards) {
    next = order.size() - 1;
  }
  ::SetFocus(order[next]->window());
}

void Screen::MoveWithinOptionGroup(OptionButton& from, bool backwards) {
  std::vector<OptionButton*> group;
  for (Control* c : controls_)
    if (IsOption(c) && c->window() != nullptr && IsWindowEnabled(c->window()))
      group.push_back(static_cast<OptionButton*>(c));
  std::stable_sort(group.begin(), group.end(), [](const Control* a, const Control* b) {
    return a->layout().tabIndex < b->layout().tabIndex;
  });
  const auto current = std::find(group.begin(), group.end(), &from);
  if (current == group.end()) return;
  const size_t at = static_cast<size_t>(current - group.begin());
  OptionButton* next =
      group[backwards ? (at + group.size() - 1) % group.size() : (at + 1) % group.size()];
  next->SetFocus();
  next->SetValue(true);
  if (next->Click) next->Click();
}

bool Screen::PressAccessKey(wchar_t key) {
  const wchar_t wanted = static_cast<wchar_t>(std::towupper(key));
  std::vector<Control*> order = controls_;
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->layout().tabIndex < b->layout().tabIndex;
  });
  for (size_t i = 0; i < order.size(); ++i) {
    Control* c = order[i];
    if (c->window() == nullptr || !IsWindowEnabled(c->window()) || !IsWindowVisible(c->window()) ||
        AccessKeyOf(c->layout().caption) != wanted)
      continue;
    if (auto* button = dynamic_cast<CommandButton*>(c)) {
      button->SetFocus();
      button->Press();
    } else if (auto* option = dynamic_cast<OptionButton*>(c)) {
      option->SetFocus();
      option->SetValue(true);
      if (option->Click) option->Click();
    } else {
      // A label's access key moves on to the next control that Tab would reach.
      for (Control* next : TabOrder())
        if (next->layout().tabIndex > c->layout().tabIndex) {
          next->SetFocus();
          break;
        }
    }
    return true;
  }
  return false;
}

void Screen::UpdateDefaultButton() {
  // A focused push button shows the heavier frame; otherwise the layout's default does.
  Control* focused = ActiveControl();
  const bool buttonFocused = dynamic_cast<CommandButton*>(focused) != nullptr;
  for (Control* c : controls_)
    if (auto* button = dynamic_cast<CommandButton*>(c); button != nullptr && c->window() != nullptr)
      button->ShowAsDefault(buttonFocused ? c == focused : c->layout().isDefault);
}

bool Screen::TranslateKey(const MSG& message) {
  if (window_ == nullptr || !IsWindowEnabled(window_)) return false;
  Control* focused = ActiveControl();
  switch (message.message) {
    case WM_KEYDOWN:
      switch (message.wParam) {
        case VK_TAB:
          MoveFocus(GetKeyState(VK_SHIFT) < 0);
          return true;
        case VK_RETURN:
          if (auto* button = dynamic_cast<CommandButton*>(focused)) {
            button->Press();
            return true;
          }
          for (Control* c : controls_)
            if (auto* button = dynamic_cast<CommandButton*>(c);
                button != nullptr && c->layout().isDefault && c->window() != nullptr &&
                IsWindowEnabled(c->window())) {
              button->Press();
              return true;
            }
          return false;
        case VK_ESCAPE:
          return true;  // no screen of this program has a cancel button
        case VK_UP:
        case VK_LEFT:
        case VK_DOWN:
        case VK_RIGHT:
          if (auto* option = dynamic_cast<OptionButton*>(focused)) {
            MoveWithinOptionGroup(*option, message.wParam == VK_UP || message.wParam == VK_LEFT);
            return true;
          }
          return false;
        default:
          return false;
      }
    case WM_SYSCHAR:
      return PressAccessKey(static_cast<wchar_t>(message.wParam));
    case WM_CHAR:
      // Buttons take no typing, so a plain letter acts as its access key there.
      if (message.wParam == L'\t' || message.wParam == L'\r' || message.wParam == 27) return true;
      if (dynamic_cast<CommandButton*>(focused) != nullptr || IsOption(focused))
        return PressAccessKey(static_cast<wchar_t>(message.wParam));
      return false;
    default:
      return false;
  }
}

}  // namespace frame
