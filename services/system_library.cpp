#include "services/system_library.h"

namespace services {

namespace {

// LoadLibrary's rule: a name without an extension means a ".dll"; a trailing dot means none.
std::wstring WithExtension(const std::wstring& name) {
  return name.find(L'.') == std::wstring::npos ? name + L".dll" : name;
}

}  // namespace

std::wstring SystemLibraryPath(const std::wstring& name) {
  std::wstring folder(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (length == 0 || length >= folder.size()) return {};
  folder.resize(length);
  if (folder.back() != L'\\') folder += L'\\';
  return folder + WithExtension(name);
}

HMODULE LoadSystemLibrary(const std::wstring& name) {
  const std::wstring path = SystemLibraryPath(name);
  return path.empty() ? nullptr : LoadLibraryW(path.c_str());
}

FARPROC SystemFunction(const wchar_t* name, const char* function) {
  HMODULE library = LoadSystemLibrary(name);
  return library != nullptr ? GetProcAddress(library, function) : nullptr;
}

void NarrowLibrarySearch() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  constexpr DWORD kSystemFolderOnly = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  // Asked for by name: Windows XP does not have it.
  const auto setDefault = SystemFunctionAs<SetDefaultDllDirectoriesFunction>(
      L"kernel32.dll", "SetDefaultDllDirectories");
  if (setDefault != nullptr && setDefault(kSystemFolderOnly)) return;
  SetDllDirectoryW(L"");
}

}  // namespace services
