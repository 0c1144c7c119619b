#!/usr/bin/env bash
# Sets everything up and runs every test: the host-side tests, the Windows-side tests under Wine
# and the end-to-end runs of the program, all on a virtual display in a throwaway Wine prefix.
# The 32-bit and clang builds are made too, so that no change breaks them; 32-bit programs
# cannot run under this machine's Wine, so those builds are compiled, not run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/setup.sh"
"$root/tools/build.sh" mingw-x64 mingw-x86 clang-x64

. "$root/tools/wine-session.sh"
wine_session_start
# A first window in the prefix starts its desktop process outside any test's output pipe.
wine "$root/build/mingw-x64/tests/win/probe.exe" --warm-up >>"$QUORM_SESSION_DIR/wineboot.log" 2>&1 || true

cd "$root"
status=0
ctest --test-dir "$root/build/native" --output-on-failure -j 2 || status=1
ctest --preset mingw-x64 || status=1
# The 32-bit and clang programs are checked as files: their imports, version record and pictures.
for preset in mingw-x86 clang-x64; do
  ctest --test-dir "$root/build/$preset" --output-on-failure -R '^executable$' || status=1
done
exit $status
