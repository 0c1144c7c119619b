#!/usr/bin/env bash
# Builds the host tools and tests (build/native), then the Windows program and its tests with
# each CMake preset named (build/<preset>); without names, the mingw-x64 preset alone.
#   tools/build.sh [preset...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
presets=("$@")
((${#presets[@]})) || presets=(mingw-x64)

cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/native" -j "$jobs"

cd "$root"
for preset in "${presets[@]}"; do
  echo "build: $preset"
  cmake --preset "$preset" -DQUORM_HOST_TOOLS="$root/build/native" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done
