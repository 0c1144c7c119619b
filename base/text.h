// The text operations of the runtime, as the handlers use them. Counts out of range raise
// "Invalid procedure call or argument".
#pragma once

#include <string>

namespace base {

std::wstring String(int count, int characterCode);
std::wstring Left(const std::wstring& text, int count);
std::wstring Right(const std::wstring& text, int count);
int Len(const std::wstring& text);
// Characters without an upper case stay as they are.
std::wstring UCase(const std::wstring& text);
std::wstring Chr(int characterCode);
// A whole number in decimal digits, with a minus sign when negative.
std::wstring CStr(int number);

}  // namespace base
