#include "services/module1.h"

#include <windows.h>
// The reasons for a shut-down, after windows.h.
#include <reason.h>

#include <algorithm>

#include "base/errors.h"
#include "services/privilege.h"
#include "services/system_library.h"

namespace {

struct Entry {
  const char* library;
  const char* function;
  services::ExternalAddress address = nullptr;
};

struct FunctionTable {
  services::FunctionResolver resolve = &services::ResolveFromSystem;
  Entry showCursor{"user32", "ShowCursor"};
  Entry getUserName{"advapi32.dll", "GetUserNameA"};
  Entry exitWindows{"user32", "ExitWindowsEx"};
  Entry winHelp{"user32", "WinHelpA"};
};

FunctionTable table;

std::wstring Widen(const char* ascii) {
  return std::wstring(ascii, ascii + strlen(ascii));
}

template <class Function>
Function Resolve(Entry& entry) {
  if (entry.address == nullptr) {
    entry.address = table.resolve(entry.library, entry.function);
    if (entry.address == nullptr)
      base::Raise(453, L"Can't find DLL entry point " + Widen(entry.function) + L" in " +
                           Widen(entry.library));
  }
  return reinterpret_cast<Function>(entry.address);
}

using ShowCursorFunction = int(WINAPI*)(BOOL);
using GetUserNameFunction = BOOL(WINAPI*)(LPSTR, LPDWORD);
using ExitWindowsFunction = BOOL(WINAPI*)(UINT, DWORD);
// "Other (Planned)": the reason for a shut-down that the user chose.
constexpr DWORD kPlannedByTheUser =
    SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
using WinHelpFunction = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);

}  // namespace

namespace services {

ExternalAddress ResolveFromSystem(const char* library, const char* function) {
  // By name as the table spells it, but from the system folder only; the library stays loaded
  // for the life of the program, like the address kept from it.
  HMODULE module = LoadSystemLibrary(Widen(library));
  if (module == nullptr) base::Raise(53, L"File not found: " + Widen(library));
  const FARPROC address = GetProcAddress(module, function);
  return reinterpret_cast<ExternalAddress>(reinterpret_cast<void*>(address));
}

void SetFunctionResolver(FunctionResolver resolver) {
  table = FunctionTable{};
  if (resolver != nullptr) table.resolve = resolver;
}

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

std::wstring FromAnsi(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), chars);
  return text;
}

}  // namespace services

namespace Module1 {

int32_t ShowCursor(int32_t bShow) {
  return Resolve<ShowCursorFunction>(table.showCursor)(bShow);
}

int32_t GetUserNameA(std::wstring& lpBuffer, int32_t& nSize) {
  std::string buffer = services::ToAnsi(lpBuffer);
  // Never let the function write past the copy, whatever size the caller claims.
  DWORD size =
      static_cast<DWORD>(std::clamp<int64_t>(nSize, 0, static_cast<int64_t>(buffer.size())));
  const BOOL result = Resolve<GetUserNameFunction>(table.getUserName)(buffer.data(), &size);
  lpBuffer = services::FromAnsi(buffer);
  nSize = static_cast<int32_t>(size);
  return result;
}

int32_t ExitWindowsEx(int32_t uFlags, int32_t dwReserved) {
  // Shutting down or restarting needs the privilege enabled first; if that fails, the system
  // refuses the call and the caller carries on, as with any refusal.
  constexpr int32_t kNeedsPrivilege = EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF;
  const bool stopsTheSystem = (uFlags & kNeedsPrivilege) != 0;
  if (stopsTheSystem) services::EnableShutdownPrivilege();
  // Since Windows XP (its first service pack aside) a plain shut-down stops short of turning
  // the power off; the power-off flag asks for that, where the machine can. The argument that
  // older systems reserved is now the reason, and none is recorded as an unplanned stop, which
  // can make the system gather its state first: this one was asked for, and is planned.
  if ((uFlags & EWX_SHUTDOWN) != 0) uFlags |= EWX_POWEROFF;
  if (stopsTheSystem && dwReserved == 0) dwReserved = static_cast<int32_t>(kPlannedByTheUser);
  return Resolve<ExitWindowsFunction>(table.exitWindows)(static_cast<UINT>(uFlags),
                                                         static_cast<DWORD>(dwReserved));
}

int32_t WinHelpA(int32_t hwnd, const std::wstring& lpHelpFile, int32_t wCommand,
                 const std::wstring& dwData) {
  const std::string file = services::ToAnsi(lpHelpFile);
  const std::string data = services::ToAnsi(dwData);
  // Window handles keep their meaning in 32 bits; widening sign-extends them back.
  HWND window = reinterpret_cast<HWND>(static_cast<intptr_t>(hwnd));
  return Resolve<WinHelpFunction>(table.winHelp)(window, file.c_str(), static_cast<UINT>(wCommand),
                                                 reinterpret_cast<ULONG_PTR>(data.c_str()));
}

}  // namespace Module1
