// Lists the windows of a running program for the end-to-end tests, as JSON in a file:
//   probe --exe QUORM.exe --out <file>     every top-level window of that program, with its
//                                          children, rectangles, visibility, focus, list items
//   probe --warm-up                        shows a window once, so that a fresh Wine prefix
//                                          starts its desktop process
#include <windows.h>
// These need the types of windows.h.
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::string Quoted(const std::wstring& text) {
  std::string out = "\"";
  for (unsigned char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

std::string Rect(const RECT& r) {
  std::ostringstream out;
  out << "[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "]";
  return out.str();
}

long long Handle(HWND window) {
  return static_cast<long long>(reinterpret_cast<intptr_t>(window));
}

std::string Common(HWND window) {
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::ostringstream out;
  out << "\"hwnd\":" << Handle(window) << ",\"class\":" << Quoted(ClassOf(window))
      << ",\"text\":" << Quoted(TextOf(window)) << ",\"rect\":" << Rect(outer)
      << ",\"client\":" << Rect(client)
      << ",\"visible\":" << (IsWindowVisible(window) ? "true" : "false")
      << ",\"enabled\":" << (IsWindowEnabled(window) ? "true" : "false")
      << ",\"style\":" << (GetWindowLongW(window, GWL_STYLE) & 0xFFFFFFFFu)
      << ",\"exstyle\":" << (GetWindowLongW(window, GWL_EXSTYLE) & 0xFFFFFFFFu)
      << ",\"id\":" << GetDlgCtrlID(window);
  return out.str();
}

void ListItems(std::ostringstream& out, HWND list) {
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  out << ",\"items\":[";
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    out << (i > 0 ? "," : "") << Quoted(text);
  }
  out << "],\"selected\":" << SendMessageW(list, LB_GETCURSEL, 0, 0);
}

void Child(std::ostringstream& out, HWND child) {
  out << "{" << Common(child);
  const std::wstring cls = ClassOf(child);
  if (lstrcmpiW(cls.c_str(), L"ListBox") == 0) ListItems(out, child);
  if (lstrcmpiW(cls.c_str(), L"Button") == 0)
    out << ",\"checked\":" << SendMessageW(child, BM_GETCHECK, 0, 0);
  out << "}";
}

void TopLevel(std::ostringstream& out, HWND window) {
  out << "{" << Common(window) << ",\"owner\":" << Handle(GetWindow(window, GW_OWNER))
      << ",\"children\":[";
  bool first = true;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!first) out << ",";
    Child(out, child);
    first = false;
  }
  out << "]}";
}

// A COLORREF as 0xRRGGBB.
DWORD Rgb(COLORREF c) {
  return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

std::vector<DWORD> ProcessesNamed(const std::wstring& exe) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (lstrcmpiW(entry.szExeFile, exe.c_str()) == 0) found.push_back(entry.th32ProcessID);
  CloseHandle(snapshot);
  return found;
}

struct Listing {
  std::vector<DWORD> pids;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindowOfListing(HWND window, LPARAM lParam) {
  auto* l = reinterpret_cast<Listing*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  for (DWORD wanted : l->pids)
    if (pid == wanted) l->windows.push_back(window);
  return TRUE;
}

int Probe(const std::wstring& exe, const std::wstring& path) {
  Listing listing{ProcessesNamed(exe), {}};
  EnumWindows(CollectWindowOfListing, reinterpret_cast<LPARAM>(&listing));
  std::ostringstream out;
  out << "{\"running\":" << (listing.pids.empty() ? "false" : "true");
  HWND focus = nullptr, active = nullptr;
  for (HWND window : listing.windows) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
      focus = info.hwndFocus;
      active = info.hwndActive;
      break;
    }
  }
  char colors[64];
  std::snprintf(colors, sizeof(colors), ",\"highlight\":\"#%06X\",\"highlighttext\":\"#%06X\"",
                static_cast<unsigned>(Rgb(GetSysColor(COLOR_HIGHLIGHT))),
                static_cast<unsigned>(Rgb(GetSysColor(COLOR_HIGHLIGHTTEXT))));
  out << colors;
  out << ",\"focus\":" << Handle(focus) << ",\"active\":" << Handle(active) << ",\"windows\":[";
  for (size_t i = 0; i < listing.windows.size(); ++i) {
    if (i > 0) out << ",";
    TopLevel(out, listing.windows[i]);
  }
  out << "]}\n";
  const std::string json = out.str();
  // Written whole under another name first, so that a reader never sees half a listing.
  const std::wstring partial = path + L".partial";
  FILE* file = _wfopen(partial.c_str(), L"wb");
  if (file == nullptr) return 1;
  std::fwrite(json.data(), 1, json.size(), file);
  std::fclose(file);
  return MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

int WarmUp() {
  HWND window = CreateWindowExW(0, L"STATIC", L"warm-up", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  DestroyWindow(window);
  return 0;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring exe, out;
  for (int i = 1; argv != nullptr && i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--warm-up") return WarmUp();
    if (arg == L"--exe" && i + 1 < argc) exe = argv[++i];
    if (arg == L"--out" && i + 1 < argc) out = argv[++i];
  }
  if (exe.empty() || out.empty()) {
    std::fprintf(stderr, "usage: probe --exe NAME --out FILE | --warm-up\n");
    return 2;
  }
  return Probe(exe, out);
}
