#include "services/privilege.h"

#include <windows.h>

#include <vector>

#include "base/handles.h"
#include "services/system_library.h"

namespace services {

namespace {

// ADVAPI32 is loaded only when a shut-down is asked for, not at start-up.
template <class Function>
Function Advapi(const char* name) {
  return SystemFunctionAs<Function>(L"advapi32.dll", name);
}

base::KernelHandle OwnToken(DWORD access) {
  const auto open = Advapi<BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE)>("OpenProcessToken");
  HANDLE token = nullptr;
  if (open == nullptr || !open(GetCurrentProcess(), access, &token)) return nullptr;
  return base::KernelHandle(token);
}

bool ShutdownLuid(LUID& luid) {
  const auto lookUp = Advapi<BOOL(WINAPI*)(LPCWSTR, LPCWSTR, PLUID)>("LookupPrivilegeValueW");
  return lookUp != nullptr && lookUp(nullptr, SE_SHUTDOWN_NAME, &luid) != FALSE;
}

}  // namespace

bool EnableShutdownPrivilege() {
  LUID luid{};
  base::KernelHandle token = OwnToken(TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY);
  if (!token || !ShutdownLuid(luid)) return false;
  TOKEN_PRIVILEGES wanted{};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Luid = luid;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  const auto adjust =
      Advapi<BOOL(WINAPI*)(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD)>(
          "AdjustTokenPrivileges");
  if (adjust == nullptr) return false;
  // Succeeds without enabling anything when the token lacks the privilege: the last error
  // tells the difference.
  SetLastError(ERROR_SUCCESS);
  if (!adjust(token.get(), FALSE, &wanted, 0, nullptr, nullptr)) return false;
  return GetLastError() == ERROR_SUCCESS;
}

bool ShutdownPrivilegeEnabled() {
  LUID luid{};
  base::KernelHandle token = OwnToken(TOKEN_QUERY);
  if (!token || !ShutdownLuid(luid)) return false;
  const auto information =
      Advapi<BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD)>(
          "GetTokenInformation");
  if (information == nullptr) return false;
  DWORD bytes = 0;
  information(token.get(), TokenPrivileges, nullptr, 0, &bytes);
  if (bytes == 0) return false;
  std::vector<BYTE> buffer(bytes);
  if (!information(token.get(), TokenPrivileges, buffer.data(), bytes, &bytes)) return false;
  const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
    if (p.Luid.LowPart == luid.LowPart && p.Luid.HighPart == luid.HighPart)
      return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
  }
  return false;
}

}  // namespace services
