#!/usr/bin/env bash
# Installs whatever Debian packages the build, the program and the tests need and are missing.
set -euo pipefail

# A bare Debian 12 root lacks what these only recommend: make for cmake, llvm (llvm-ar) for clang.
packages=(
  ca-certificates cmake make g++ pkg-config
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  clang lld llvm
  wine wine64
  xvfb xauth xdotool imagemagick
  fonts-wine libfreetype-dev libxfixes-dev libx11-dev
  googletest libgtest-dev
  icoutils python3-pefile
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
# npm, for the validator of the hosted CI's workflow, unless some Node.js already brings it.
command -v npm >/dev/null 2>&1 || missing+=(npm)

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The validator that checks the hosted CI's workflow against the published schema.
if ! command -v action-validator >/dev/null 2>&1; then
  echo "setup: installing @action-validator/cli"
  "${sudo[@]}" npm install --global --no-audit --no-fund @action-validator/cli@0.6.0 >/dev/null
fi
