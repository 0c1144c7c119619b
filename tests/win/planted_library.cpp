// A library that a program finds on its search path (it lies beside the tests), standing for a
// copy planted there under a system library's name.
extern "C" __declspec(dllexport) int QuormPlanted() {
  return 42;
}
