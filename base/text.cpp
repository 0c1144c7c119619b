#include "base/text.h"

#include <algorithm>
#include <climits>
#include <cwctype>

#include "base/errors.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace base {

namespace {
void RequireCount(int count) {
  if (count < 0) Raise(errors::kInvalidCall);
}
void RequireCode(int code) {
  if (code < 0 || code > 0xFFFF) Raise(errors::kInvalidCall);
}
}  // namespace

std::wstring String(int count, int characterCode) {
  RequireCount(count);
  RequireCode(characterCode);
  return std::wstring(static_cast<size_t>(count), static_cast<wchar_t>(characterCode));
}

std::wstring Left(const std::wstring& text, int count) {
  RequireCount(count);
  return text.substr(0, static_cast<size_t>(count));
}

std::wstring Right(const std::wstring& text, int count) {
  RequireCount(count);
  const size_t n = std::min(text.size(), static_cast<size_t>(count));
  return text.substr(text.size() - n);
}

int Len(const std::wstring& text) {
  if (text.size() > static_cast<size_t>(INT_MAX)) Raise(errors::kOverflow);
  return static_cast<int>(text.size());
}

std::wstring UCase(const std::wstring& text) {
  std::wstring upper = text;
#ifdef _WIN32
  if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
#else
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
#endif
  return upper;
}

std::wstring Chr(int characterCode) {
  if (characterCode < 0 || characterCode > 255) Raise(errors::kInvalidCall);
  return std::wstring(1, static_cast<wchar_t>(characterCode));
}

std::wstring CStr(int number) {
  // Counted in the negative range, which holds every int, INT_MIN included.
  int rest = number < 0 ? number : -number;
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' - rest % 10));
    rest /= 10;
  } while (rest != 0);
  return number < 0 ? L"-" + digits : digits;
}

}  // namespace base
