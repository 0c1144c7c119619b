// Screens: top-level windows described by a layout, each held by one global screen instance.
// A screen is not loaded, loaded and hidden, or loaded and visible.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "frame/controls.h"
#include "frame/handles.h"
#include "frame/keyboard.h"
#include "frame/layout.h"
#include "frame/press_guard.h"

namespace frame {

// The window class of every screen.
inline constexpr const wchar_t* kScreenClassName = L"Quorm3Screen";

class Screen {
 public:
  explicit Screen(const ScreenLayout& layout);
  virtual ~Screen();
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  const ScreenLayout& layout() const { return layout_; }
  bool Loaded() const { return window_ != nullptr; }
  bool Visible() const;
  // Visible and not minimised: the user can see it.
  bool OnDisplay() const;

  // Loads if need be, makes the screen visible and active, and returns at once.
  void Show();
  // Loads if need be, then makes the screen invisible; everything it holds stays.
  void Hide();
  // Destroys the window, its controls and their contents; the instance stays.
  void Unload();
  // Places the outer window at (left, top) twips, keeping its size.
  void Move(double left, double top);
  // Outer size in twips, frame and title bar included.
  double Width();
  double Height();
  HWND hwnd();

  // The control that has the keyboard focus, or nullptr.
  Control* ActiveControl();
  // Whether a window is one of this screen's command buttons.
  bool IsCommandButton(HWND window) const;
  // Keyboard handling like a system dialog; true when the message was used up.
  bool TranslateKey(const MSG& message) { return keyboard_.Translate(message); }
  // While the error report is up: no tick reaches a handler any more, and a timer that ends
  // the program ends it at its tick, as its handler would have.
  void FreezeForReport();
  // Judges the presses of the buttons whose answer is real.
  PressGuard& pressGuard() { return pressGuard_; }
  // The screen that owns a window, or nullptr.
  static Screen* FromWindow(HWND window);
  // Whether any screen of this thread is still loaded.
  static bool AnyLoaded();

 protected:
  virtual void Form_Load() {}

 private:
  friend class Control;
  friend class DialogKeyboard;
  void Load();
  void Register(Control& control) { controls_.push_back(&control); }
  void CreateWindowForLayout();
  // Its font, picture, icons and the classic keyboard cues.
  void DressWindow(int dpi);
  POINT InitialPosition(const RECT& outer) const;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnActivate(WPARAM wParam);
  void ArmGuardIfSeen();
  void OnCommand(WORD id, WORD code);
  // The control whose layout has that id, or nullptr.
  Control* ControlWithId(int id) const;
  void OnTimer(UINT_PTR id);
  void OnSize(WPARAM kind);
  LRESULT OnFinalMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnColor(HDC dc, HWND from);
  void PaintBackground(HDC dc);
  void OnClose();
  void OnDestroyed();

  const ScreenLayout& layout_;
  std::vector<Control*> controls_;
  HWND window_ = nullptr;  // owned through windowOwner_
  WindowHandle windowOwner_;
  FontHandle font_;
  BitmapHandle picture_;
  IconHandle largeIcon_;
  IconHandle smallIcon_;
  HWND lastFocus_ = nullptr;
  DialogKeyboard keyboard_{*this};
  PressGuard pressGuard_;
};

// The size of the whole display, in twips.
double DisplayWidth();
double DisplayHeight();

// The global reference that holds a screen's one instance, created on first use.
template <class T>
class GlobalScreen {
 public:
  constexpr GlobalScreen() = default;
  T* operator->() { return &Instance(); }
  T& Instance() {
    if (!instance_) instance_ = std::make_unique<T>();
    return *instance_;
  }
  bool Exists() const { return instance_ != nullptr; }
  // Drops the instance, unloading it first; the next use creates a new one.
  void Reset() {
    if (instance_) instance_->Unload();
    instance_.reset();
  }

 private:
  std::unique_ptr<T> instance_;
};

}  // namespace frame
