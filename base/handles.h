// Owners for kernel objects: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace base {

struct KernelObjectCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// A process, token or other kernel object.
using KernelHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelObjectCloser>;

}  // namespace base
