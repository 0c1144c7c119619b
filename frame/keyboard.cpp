#include "frame/keyboard.h"

#include <algorithm>
#include <cwctype>

#include "frame/controls.h"
#include "frame/screen.h"

namespace frame {

namespace {

void SortByTabIndex(std::vector<Control*>& controls) {
  std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
    return a->layout().tabIndex < b->layout().tabIndex;
  });
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

void RemoveAll(UINT first, UINT last) {
  MSG message{};
  while (PeekMessageW(&message, nullptr, first, last, PM_REMOVE)) {
  }
}

}  // namespace

bool DialogKeyboard::IsUsable(const Control* c) {
  return c->window() != nullptr && IsWindowEnabled(c->window()) && IsWindowVisible(c->window());
}

bool DialogKeyboard::Translate(const MSG& message) {
  if (screen_.window_ == nullptr || !IsWindowEnabled(screen_.window_)) return false;
  switch (message.message) {
    case WM_KEYDOWN:
      return OnKeyDown(message.wParam);
    case WM_SYSCHAR:
      return PressAccessKey(static_cast<wchar_t>(message.wParam));
    case WM_CHAR:
      return OnCharacter(static_cast<wchar_t>(message.wParam));
    default:
      return false;
  }
}

bool DialogKeyboard::OnKeyDown(WPARAM key) {
  Control* focused = screen_.ActiveControl();
  const bool backwards = key == VK_UP || key == VK_LEFT;
  switch (key) {
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      return PressFocusedOrDefaultButton();
    case VK_ESCAPE:
      return true;  // no screen of this program has a cancel button
    case VK_UP:
    case VK_LEFT:
    case VK_DOWN:
    case VK_RIGHT:
      // An option group keeps its arrows; on a push button they walk the tab order.
      if (focused != nullptr && focused->IsOption()) {
        MoveWithinOptionGroup(*focused, backwards);
        return true;
      }
      if (focused != nullptr && focused->IsPushButton()) {
        MoveFocus(backwards);
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool DialogKeyboard::OnCharacter(wchar_t character) {
  if (character == L'\t' || character == L'\r' || character == 27) return true;
  // Buttons take no typing, so a plain letter acts as its access key there.
  Control* focused = screen_.ActiveControl();
  if (focused != nullptr && (focused->IsPushButton() || focused->IsOption()))
    return PressAccessKey(character);
  return false;
}

bool DialogKeyboard::PressFocusedOrDefaultButton() {
  if (Control* focused = screen_.ActiveControl(); focused != nullptr && focused->IsPushButton()) {
    focused->PressByUser();
    return true;
  }
  for (Control* c : screen_.controls_)
    if (c->layout().isDefault && c->IsPushButton() && IsWindowEnabled(c->window())) {
      c->PressByUser();
      return true;
    }
  return false;
}

std::vector<Control*> DialogKeyboard::TabOrder() {
  std::vector<Control*> order;
  for (Control* c : screen_.controls_)
    if (c->TakesFocus() && IsUsable(c)) order.push_back(c);
  SortByTabIndex(order);
  // Tab reaches an option group through its selected option only.
  const bool anySelected =
      std::any_of(order.begin(), order.end(), [](Control* c) { return c->IsSelectedOption(); });
  if (anySelected)
    std::erase_if(order, [](Control* c) { return c->IsOption() && !c->IsSelectedOption(); });
  return order;
}

void DialogKeyboard::FocusFirstControl() {
  const std::vector<Control*> order = TabOrder();
  if (!order.empty()) ::SetFocus(order.front()->window());
}

void DialogKeyboard::MoveFocus(bool backwards) {
  const std::vector<Control*> order = TabOrder();
  if (order.empty()) return;
  const auto current = std::find(order.begin(), order.end(), screen_.ActiveControl());
  size_t next = 0;
  if (current != order.end()) {
    const size_t at = static_cast<size_t>(current - order.begin());
    next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
  } else if (backwards) {
    next = order.size() - 1;
  }
  ::SetFocus(order[next]->window());
}

void DialogKeyboard::MoveWithinOptionGroup(Control& from, bool backwards) {
  std::vector<Control*> group;
  for (Control* c : screen_.controls_)
    if (c->IsOption() && IsWindowEnabled(c->window())) group.push_back(c);
  SortByTabIndex(group);
  const auto current = std::find(group.begin(), group.end(), &from);
  if (current == group.end()) return;
  const size_t at = static_cast<size_t>(current - group.begin());
  const size_t next = backwards ? (at + group.size() - 1) % group.size() : (at + 1) % group.size();
  group[next]->ActByKeyboard();
}

bool DialogKeyboard::PressAccessKey(wchar_t key) {
  const wchar_t wanted = static_cast<wchar_t>(std::towupper(key));
  std::vector<Control*> order = screen_.controls_;
  SortByTabIndex(order);
  for (Control* c : order) {
    if (!IsUsable(c) || AccessKeyOf(c->layout().caption) != wanted) continue;
    if (c->IsPushButton() || c->IsOption()) {
      c->ActByKeyboard();
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

void DialogKeyboard::UpdateDefaultButton() {
  Control* focused = screen_.ActiveControl();
  const bool buttonFocused = focused != nullptr && focused->IsPushButton();
  for (Control* c : screen_.controls_)
    if (c->IsPushButton()) c->ShowAsDefault(buttonFocused ? c == focused : c->layout().isDefault);
}

void DialogKeyboard::DiscardPendingInput() {
  RemoveAll(WM_KEYFIRST, WM_KEYLAST);
  RemoveAll(WM_MOUSEFIRST, WM_MOUSELAST);
  RemoveAll(WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK);
}

}  // namespace frame
