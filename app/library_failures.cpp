// What GCC's C++ library does when it fails, as this program wants it done. Linked statically,
// the library's own versions of these functions would bring with them a demangler (to name an
// exception's type on a console this program does not have) and the library's exception classes
// with their strings, about a fifth of the executable. Defining them here keeps those out: the
// linker takes a library's object only for a name that nothing else defines.
//
// Every failure still reaches the error report exactly as before: running out of memory is
// reported as "Out of memory", any other failure of the library as "Internal error".
#include <cstdlib>
#include <new>

#include "base/errors.h"

#ifdef __GLIBCXX__

namespace __gnu_cxx {

// An exception that nothing catches: the program has no console to describe it on.
void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() {
  throw bad_alloc();
}

void __throw_bad_array_new_length() {
  throw bad_array_new_length();
}

// A container or text asked for more than it can hold, or a position outside it.
void __throw_length_error(const char*) {
  base::Raise(base::errors::kInternal);
}

void __throw_logic_error(const char*) {
  base::Raise(base::errors::kInternal);
}

void __throw_out_of_range_fmt(const char*, ...) {
  base::Raise(base::errors::kInternal);
}

}  // namespace std

#endif
