// The keyboard of a screen, as the system's dialog manager gives it to a dialog: Tab order,
// access keys, arrow keys, Enter and the default button, and the discarding of type-ahead.
#pragma once

#include <windows.h>

#include <vector>

namespace frame {

class Control;
class Screen;

class DialogKeyboard {
 public:
  explicit DialogKeyboard(Screen& screen) : screen_(screen) {}
  DialogKeyboard(const DialogKeyboard&) = delete;
  DialogKeyboard& operator=(const DialogKeyboard&) = delete;

  // Handles a key message meant for the screen; true when the message was used up.
  bool Translate(const MSG& message);
  // Puts the focus on the first control of the tab order.
  void FocusFirstControl();
  // The focused push button shows the heavier frame; otherwise the layout's default does.
  void UpdateDefaultButton();

  // Throws away the keyboard and mouse input still waiting in this thread's queue, so that
  // keys typed ahead for an earlier screen cannot answer a new one.
  static void DiscardPendingInput();

 private:
  static bool IsUsable(const Control* c);
  bool OnKeyDown(WPARAM key);
  bool OnCharacter(wchar_t character);
  bool PressFocusedOrDefaultButton();
  std::vector<Control*> TabOrder();
  void MoveFocus(bool backwards);
  void MoveWithinOptionGroup(Control& from, bool backwards);
  bool PressAccessKey(wchar_t key);

  Screen& screen_;
};

}  // namespace frame
