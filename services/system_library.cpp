#include "services/system_library.h"

#include <string>

namespace services {

FARPROC SystemFunction(const wchar_t* file, const char* function) {
  // From the system folder by its full path: never a copy planted beside the program.
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return nullptr;
  path.resize(length);
  HMODULE library = LoadLibraryW((path + L"\\" + file).c_str());
  return library != nullptr ? GetProcAddress(library, function) : nullptr;
}

}  // namespace services
