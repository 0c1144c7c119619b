// The yardstick for the benchmark: the least a Win32 program like this one can be. A
// borderless window, painted, with a 6 s and a 60 s timer, built with the program's toolchain.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wParam == 2)
        PostQuitMessage(0);
      else
        KillTimer(window, wParam);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"Minimal";
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, L"Minimal", L"", WS_POPUP | WS_BORDER, 100, 100, 321, 280,
                                nullptr, nullptr, instance, nullptr);
  SetTimer(window, 1, 6000, nullptr);
  SetTimer(window, 2, 60000, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
