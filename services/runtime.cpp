#include "services/runtime.h"

#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "base/errors.h"
#include "base/handles.h"
#include "services/system_library.h"

namespace services {

namespace {

[[noreturn]] void RaiseForPath(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      base::Raise(base::errors::kFileNotFound);
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      base::Raise(68, L"Device unavailable");
    case ERROR_ACCESS_DENIED:
      base::Raise(75, L"Path/File access error");
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
      base::Raise(52, L"Bad file name or number");
    default:
      base::Raise(base::errors::kInvalidCall);
  }
}

using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);

// SHELL32 is a large library that only a launch needs, so it is loaded then.
ShellExecuteExFunction LoadShellExecuteEx() {
  const auto execute = SystemFunctionAs<ShellExecuteExFunction>(L"shell32.dll", "ShellExecuteExW");
  if (execute == nullptr) base::Raise(53, L"File not found: shell32.dll");
  return execute;
}

}  // namespace

double Shell(const std::wstring& path, int windowStyle) {
  // The file is handed over by its exact path, never as a command line to be split at spaces.
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = path.c_str();
  info.nShow = windowStyle;
  if (!LoadShellExecuteEx()(&info)) RaiseForPath(GetLastError());
  base::KernelHandle process(info.hProcess);
  return process ? static_cast<double>(GetProcessId(process.get())) : 0.0;
}

uint32_t GetAttr(const std::wstring& path) {
  if (path.empty()) base::Raise(base::errors::kFileNotFound);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) RaiseForPath(GetLastError());
  return attributes;
}

std::wstring WindowsDirectory() {
  std::wstring directory(MAX_PATH, L'\0');
  UINT length = GetWindowsDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
  if (length > directory.size()) {
    directory.resize(length);
    length = GetWindowsDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
  }
  if (length == 0) base::Raise(base::errors::kFileNotFound);
  directory.resize(length);
  if (!directory.empty() && directory.back() == L'\\') directory.pop_back();
  return directory;
}

}  // namespace services
