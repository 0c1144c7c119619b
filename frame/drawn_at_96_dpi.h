// A system control shown at a whole factor k above 96 dpi exactly as it shows at 96 dpi, each
// pixel a k-by-k block. A twin of it (the same class, style, text and state, at the 96-dpi size
// with the 96-dpi font) lives in a hidden window of the thread; whenever the control
// would be drawn, the twin draws itself into a memory bitmap with the system's own code, and the
// bitmap is stretched over the control as the screens' pictures are. The control itself stays
// what it is: its text, items, focus, keyboard and mouse are the control's.
#pragma once

#include <windows.h>

#include "frame/handles.h"

namespace frame {

class DrawnAt96Dpi {
 public:
  // `control` is a BUTTON, LISTBOX or STATIC window created at `factor` times its 96-dpi size;
  // `font` is its font at 96 dpi, kept by the twin.
  DrawnAt96Dpi(HWND control, int factor, FontHandle font);
  ~DrawnAt96Dpi();
  DrawnAt96Dpi(const DrawnAt96Dpi&) = delete;
  DrawnAt96Dpi& operator=(const DrawnAt96Dpi&) = delete;

 private:
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // The twin takes the control's text, state, items and focus.
  void Follow();
  void FollowButton();
  void FollowList();
  void FollowFocus();
  // Draws the twin's client area, stretched, over the control's.
  void Paint(HDC dc);
  // The border of a control with a sunken client edge, at 96 dpi and stretched.
  void PaintEdge();
  // Draws the twin's client area, or the sunken edge, at 96 dpi into a memory bitmap of that size
  // and stretches it by the factor onto `dc`.
  void Stretch(HDC dc, int width, int height, bool edge);

  HWND control_;
  int factor_;
  int edge_ = 0;  // the width of a sunken client edge on the display, or 0
  FontHandle font_;
  WindowHandle twin_;
  WNDPROC controlProc_ = nullptr;
  bool isButton_ = false;
  bool isList_ = false;
  bool drawing_ = false;
  bool twinFocused_ = false;
};

}  // namespace frame
