// Run-time errors: every failing operation of the frame and its services raises one, with the
// number and description the user sees in the error report.
#pragma once

#include <string>

namespace base {

struct RuntimeError {
  int number;
  std::wstring description;
};

// The numbers and descriptions of the errors this program can raise.
namespace errors {
inline const RuntimeError kInvalidCall{5, L"Invalid procedure call or argument"};
inline const RuntimeError kOverflow{6, L"Overflow"};
inline const RuntimeError kOutOfMemory{7, L"Out of memory"};
inline const RuntimeError kDivisionByZero{11, L"Division by zero"};
inline const RuntimeError kInternal{51, L"Internal error"};
inline const RuntimeError kFileNotFound{53, L"File not found"};
inline const RuntimeError kResourceNotFound{326, L"Resource with identifier not found"};
inline const RuntimeError kInvalidArrayIndex{381, L"Invalid property array index"};
inline const RuntimeError kCannotCreateWindow{
    745, L"The window or one of its controls could not be created"};
}  // namespace errors

[[noreturn]] inline void Raise(const RuntimeError& error) {
  throw error;
}
[[noreturn]] inline void Raise(int number, std::wstring description) {
  throw RuntimeError{number, std::move(description)};
}

}  // namespace base
