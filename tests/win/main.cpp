// The Windows-side tests' entry: the recorders replace the external functions before any test
// runs, so that no test can reach the system's ShowCursor or ExitWindowsEx.
#include <gtest/gtest.h>

#include "support.h"

int main(int argc, char** argv) {
  testing_support::InstallRecorders();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
