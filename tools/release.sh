#!/usr/bin/env bash
# Builds the release QUORM.exe of this working tree (the mingw-x64 preset, the program alone)
# and prints its size and SHA-256. The build is reproducible: the same commit gives the same
# bytes in any folder, so a download can be checked against what this prints.
#   tools/release.sh [build folder]     (default: build/release)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/release}

"$root/tools/setup.sh"
cd "$root"
cmake --preset mingw-x64 -B "$out" -DQUORM_BUILD_TESTS=OFF >/dev/null
cmake --build "$out" --target QUORM -j "$(nproc)" >/dev/null
exe="$out/QUORM.exe"
echo "release: $exe"
echo "size: $(stat -c %s "$exe") bytes"
echo "sha256: $(sha256sum "$exe" | cut -d' ' -f1)"
