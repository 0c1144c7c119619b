#!/usr/bin/env bash
# Builds the host tools and tests (build/native) and the Windows program and tests (build/win).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/native" -j "$jobs"

cmake -S "$root" -B "$root/build/win" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DQUORM_HOST_TOOLS="$root/build/native" >/dev/null
cmake --build "$root/build/win" -j "$jobs"
