// The built-in control kinds. A control belongs to one screen; any use of it loads that screen
// first, and its window and contents live only while the screen is loaded.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "frame/drawn_at_96_dpi.h"
#include "frame/handles.h"
#include "frame/layout.h"

namespace frame {

class Screen;

class Control {
 public:
  Control(Screen& owner, const ControlLayout& layout);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlLayout& layout() const { return layout_; }
  // The control's window, loading the screen if need be.
  HWND hwnd();
  // Whether Tab and the first-focus rule can land on this control.
  virtual bool TakesFocus() const { return false; }
  // Makes this the focused control of its screen.
  void SetFocus();

  // What the control is and wants of the dialog keyboard, asked of its window as the system's
  // dialog manager asks (WM_GETDLGCODE): DLGC_* flags, 0 for a control without a window.
  UINT DialogCode() const;
  bool IsPushButton() const {
    return (DialogCode() & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  }
  bool IsOption() const { return (DialogCode() & DLGC_RADIOBUTTON) != 0; }
  // Whether this is the selected option of its group.
  virtual bool IsSelectedOption() { return false; }
  // Its access key, or an arrow key in an option group: a push button takes the focus and is
  // pressed (if it takes the press now), an option is selected.
  virtual void ActByKeyboard() {}
  // A click or Enter on a push button: pressed where it is, if it takes the press now.
  virtual void PressByUser() {}
  // A push button shows the heavier default frame, or not.
  virtual void ShowAsDefault(bool /*asDefault*/) {}

 protected:
  friend class Screen;
  friend class DialogKeyboard;
  // Creates the control's window on the screen's freshly created window.
  virtual void Create(HWND parent, HFONT screenFont) = 0;
  // The screen's window is gone, and this control's with it.
  virtual void Forget() {
    drawnAt96Dpi_.reset();
    window_ = nullptr;
  }
  // A notification code of WM_COMMAND from this control's window.
  virtual void OnNotify(WORD /*code*/) {}
  // The colours of a static-drawn control; returns the brush or nullptr for the default.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }
  // A tick of the system timer with this control's id.
  virtual void OnTimer() {}
  // The error report is up: nothing of this control may run a handler any more.
  virtual void FreezeForReport() {}
  // The window this control currently has, without loading anything.
  HWND window() const { return window_; }

  HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                   const wchar_t* text, HFONT font);

  Screen& owner_;
  const ControlLayout& layout_;
  HWND window_ = nullptr;  // owned by the screen's window, destroyed with it
  FontHandle ownFont_;     // when the layout gives the control a font of its own
  std::unique_ptr<DrawnAt96Dpi> drawnAt96Dpi_;  // above 96 dpi, for a control the system draws
};

class CommandButton : public Control {
 public:
  CommandButton(Screen& owner, LayoutRow<ControlKind::kCommandButton> row) : Control(owner, *row) {}
  std::function<void()> Click;
  bool TakesFocus() const override { return true; }
  // Presses the button as a click, Enter or its access key would.
  void Press();
  // Whether a press by the user counts now; only a button whose answer is real ever refuses,
  // and each refusal makes it wait again.
  bool TakesPressNow();
  // Draws the button with or without the heavier default frame.
  void ShowAsDefault(bool asDefault) override;
  void ActByKeyboard() override;
  void PressByUser() override;

 protected:
  void Create(HWND parent, HFONT screenFont) override;
  void OnNotify(WORD code) override;
};

class ListBox : public Control {
 public:
  ListBox(Screen& owner, LayoutRow<ControlKind::kListBox> row) : Control(owner, *row) {}
  std::function<void()> DblClick;
  bool TakesFocus() const override { return true; }

  void AddItem(const std::wstring& item);
  void RemoveItem(int index);
  std::wstring List(int index);
  int ListCount();
  int ListIndex();  // -1 when no item is selected
  void SetListIndex(int index);

 protected:
  void Create(HWND parent, HFONT screenFont) override;
  void OnNotify(WORD code) override;
};

class Label : public Control {
 public:
  Label(Screen& owner, LayoutRow<ControlKind::kLabel> row) : Control(owner, *row) {}
  std::wstring Caption();
  void SetCaption(const std::wstring& caption);

 protected:
  void Create(HWND parent, HFONT screenFont) override;
  void Forget() override;
  HBRUSH OnColor(HDC dc) override;

 private:
  BrushHandle background_;
};

class OptionButton : public Control {
 public:
  OptionButton(Screen& owner, LayoutRow<ControlKind::kOptionButton> row) : Control(owner, *row) {}
  std::function<void()> Click;
  bool TakesFocus() const override { return true; }
  bool Value();
  // Selecting one option clears every other option of the screen.
  void SetValue(bool selected);
  bool IsSelectedOption() override { return Value(); }
  // Focuses and selects it, as its access key or an arrow key does, and runs its handler.
  void ActByKeyboard() override;

 protected:
  void Create(HWND parent, HFONT screenFont) override;
  void OnNotify(WORD code) override;

 private:
  // Selects it and runs its handler, as a click does.
  void Choose();
};

class PictureBox : public Control {
 public:
  PictureBox(Screen& owner, LayoutRow<ControlKind::kPictureBox> row) : Control(owner, *row) {}
  // The image shown, 32 by 32, from the top-left corner.
  HICON Picture();

 protected:
  void Create(HWND parent, HFONT screenFont) override;
  void Forget() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  IconHandle icon_;
};

class Timer : public Control {
 public:
  Timer(Screen& owner, LayoutRow<ControlKind::kTimer> row) : Control(owner, *row) {}
  std::function<void()> Tick;
  bool Enabled();
  // Disabling and enabling restarts the countdown from zero.
  void SetEnabled(bool enabled);
  int Interval() const { return layout_.interval; }

 protected:
  friend class Screen;
  void Create(HWND parent, HFONT screenFont) override;
  void Forget() override;
  void OnTimer() override;
  // While the error report is up no tick runs a handler; a timer that ends the program ends
  // it at its tick all the same, and any other stops.
  void FreezeForReport() override;

 private:
  void Start();
  void Stop();
  HWND host_ = nullptr;
  bool enabled_ = false;
  bool frozen_ = false;
};

}  // namespace frame
