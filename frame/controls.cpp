#include "frame/controls.h"

#include <vector>

#include "base/errors.h"
#include "base/units.h"
#include "frame/app.h"
#include "frame/resources.h"
#include "frame/screen.h"

namespace frame {

namespace {

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

constexpr const wchar_t* kPictureClass = L"Quorm3PictureBox";

}  // namespace

Control::Control(Screen& owner, const ControlLayout& layout) : owner_(owner), layout_(layout) {
  owner.Register(*this);
}

HWND Control::hwnd() {
  owner_.Load();
  return window_;
}

void Control::SetFocus() {
  if (HWND window = hwnd()) ::SetFocus(window);
}

UINT Control::DialogCode() const {
  return window_ != nullptr ? static_cast<UINT>(SendMessageW(window_, WM_GETDLGCODE, 0, 0)) : 0;
}

HWND Control::CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                          const wchar_t* text, HFONT font) {
  const int dpi = LayoutDpi();
  window_ = CreateWindowExW(
      exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style,
      base::TwipsToPixels(layout_.left, dpi), base::TwipsToPixels(layout_.top, dpi),
      base::TwipsToPixels(layout_.width, dpi), base::TwipsToPixels(layout_.height, dpi), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout_.id)), GetModuleHandleW(nullptr),
      nullptr);
  if (window_ == nullptr) base::Raise(base::errors::kCannotCreateWindow);
  if (layout_.font != nullptr) {
    ownFont_ = LoadFont(*layout_.font, dpi);
    font = ownFont_.get();
  }
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!layout_.enabled) EnableWindow(window_, FALSE);
  // Above 96 dpi the system would draw its controls with the font at a size a machine may not
  // have: each shows its 96-dpi self, scaled, like the pictures around it.
  if (const int factor = ScaleFactor(); factor > 1 && windowClass != kPictureClass)
    drawnAt96Dpi_ = std::make_unique<DrawnAt96Dpi>(
        window_, factor,
        LoadFont(layout_.font != nullptr ? *layout_.font : kDefaultFont, base::kDesignDpi));
  return window_;
}

// Command button.

void CommandButton::Create(HWND parent, HFONT screenFont) {
  CreateChild(parent, L"BUTTON",
              WS_TABSTOP | BS_NOTIFY | (layout_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
              layout_.caption, screenFont);
}

void CommandButton::Press() {
  hwnd();
  if (Click) Click();
}

void CommandButton::ActByKeyboard() {
  if (!TakesPressNow()) return;
  SetFocus();
  Press();
}

void CommandButton::PressByUser() {
  if (TakesPressNow()) Press();
}

bool CommandButton::TakesPressNow() {
  return !layout_.answersOnlyWhenSeen || owner_.pressGuard().TakePress();
}

void CommandButton::ShowAsDefault(bool asDefault) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
  const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  if (isDefault != asDefault)
    SendMessageW(window_, BM_SETSTYLE, asDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void CommandButton::OnNotify(WORD code) {
  // A button that notifies of focus turns the second click of a quick pair into a double
  // click (the main loop hands it over as a click; a sent one still comes here): each is a
  // press all the same.
  if (code == BN_CLICKED || code == BN_DOUBLECLICKED) PressByUser();
}

// List box.

void ListBox::Create(HWND parent, HFONT screenFont) {
  // The list keeps its layout's height exactly, whole rows or not: at 96 dpi the rows of
  // MS Sans Serif fill it exactly, and scaled by a factor it still covers the painted list.
  CreateChild(parent, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE, L"", screenFont);
}

void ListBox::AddItem(const std::wstring& item) {
  const LRESULT at = SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  if (at == LB_ERR || at == LB_ERRSPACE) base::Raise(base::errors::kOutOfMemory);
}

void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) base::Raise(base::errors::kInvalidCall);
  SendMessageW(window_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

std::wstring ListBox::List(int index) {
  if (index < 0 || index >= ListCount()) base::Raise(base::errors::kInvalidArrayIndex);
  const LRESULT length = SendMessageW(window_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(window_, LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int ListBox::ListCount() {
  return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
}

int ListBox::ListIndex() {
  return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) base::Raise(base::errors::kInvalidArrayIndex);
  SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::OnNotify(WORD code) {
  if (code == LBN_DBLCLK && DblClick) DblClick();
}

// Label.

void Label::Create(HWND parent, HFONT screenFont) {
  CreateChild(parent, L"STATIC", SS_LEFT, 0, layout_.caption, screenFont);
  if (layout_.backColor != kDefaultColor)
    background_.reset(CreateSolidBrush(GetSysColor(layout_.backColor)));
}

void Label::Forget() {
  Control::Forget();
  background_.reset();
  ownFont_.reset();
}

std::wstring Label::Caption() {
  return WindowText(hwnd());
}

void Label::SetCaption(const std::wstring& caption) {
  if (!SetWindowTextW(hwnd(), caption.c_str())) base::Raise(base::errors::kOutOfMemory);
}

HBRUSH Label::OnColor(HDC dc) {
  if (!background_) return nullptr;
  SetBkColor(dc, GetSysColor(layout_.backColor));
  SetTextColor(dc,
               GetSysColor(layout_.foreColor != kDefaultColor ? layout_.foreColor : COLOR_BTNTEXT));
  return background_.get();
}

// Option button.

void OptionButton::Create(HWND parent, HFONT screenFont) {
  CreateChild(parent, L"BUTTON", WS_TABSTOP | BS_RADIOBUTTON | BS_NOTIFY, 0, layout_.caption,
              screenFont);
  if (layout_.value) SendMessageW(window_, BM_SETCHECK, BST_CHECKED, 0);
}

bool OptionButton::Value() {
  return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionButton::SetValue(bool selected) {
  hwnd();
  if (selected) {
    for (HWND sibling = GetWindow(GetParent(window_), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      const LONG_PTR style = GetWindowLongPtrW(sibling, GWL_STYLE);
      wchar_t className[16] = {};
      GetClassNameW(sibling, className, 16);
      if (sibling != window_ && (style & BS_TYPEMASK) == BS_RADIOBUTTON &&
          lstrcmpiW(className, L"BUTTON") == 0)
        SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageW(window_, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::Choose() {
  SetValue(true);
  if (Click) Click();
}

void OptionButton::ActByKeyboard() {
  SetFocus();
  Choose();
}

void OptionButton::OnNotify(WORD code) {
  if (code == BN_CLICKED) Choose();
}

// Picture box.

void PictureBox::Create(HWND parent, HFONT screenFont) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.lpszClassName = kPictureClass;
  RegisterClassExW(&wc);  // a second registration fails harmlessly
  if (layout_.picture != nullptr) icon_ = LoadIconImage(layout_.picture, 32);
  CreateChild(parent, kPictureClass, 0, 0, L"", screenFont);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(icon_.get()));
}

void PictureBox::Forget() {
  Control::Forget();
  icon_.reset();
}

HICON PictureBox::Picture() {
  hwnd();
  return icon_.get();
}

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
    const int size = 32 * ScaleFactor();
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  }
  EndPaint(window, &paint);
  return 0;
}

// Timer.

void Timer::Create(HWND parent, HFONT /*screenFont*/) {
  host_ = parent;
  enabled_ = layout_.enabled;
  Start();
}

void Timer::Forget() {
  Control::Forget();
  host_ = nullptr;
  enabled_ = false;
  frozen_ = false;
}

bool Timer::Enabled() {
  owner_.hwnd();
  return enabled_;
}

void Timer::SetEnabled(bool enabled) {
  owner_.hwnd();
  Stop();
  enabled_ = enabled;
  Start();
}

void Timer::Start() {
  if (enabled_ && layout_.interval > 0 && host_ != nullptr)
    SetTimer(host_, static_cast<UINT_PTR>(layout_.id), static_cast<UINT>(layout_.interval),
             nullptr);
}

void Timer::Stop() {
  if (host_ != nullptr) KillTimer(host_, static_cast<UINT_PTR>(layout_.id));
}

void Timer::FreezeForReport() {
  frozen_ = true;
  if (!layout_.endsProgram) Stop();
}

void Timer::OnTimer() {
  if (!enabled_) return;
  if (!frozen_) {
    if (Tick) Tick();
  } else if (layout_.endsProgram) {
    End();
  }
}

}  // namespace frame
