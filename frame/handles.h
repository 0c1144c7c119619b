// Owners for the Windows handles the frame creates; each releases its handle exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <vector>

namespace frame {

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDestroyer {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ScreenDcReleaser {
  void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};

using WindowHandle = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcReleaser>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;
template <class T>
using GdiHandle = std::unique_ptr<std::remove_pointer_t<T>, GdiObjectDeleter>;
using FontHandle = GdiHandle<HFONT>;
using BitmapHandle = GdiHandle<HBITMAP>;
using BrushHandle = GdiHandle<HBRUSH>;

// Selects an object into a device context for the lifetime of the guard.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace frame
