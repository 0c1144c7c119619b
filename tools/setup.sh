#!/usr/bin/env bash
# Installs whatever Debian packages the build, the program and the tests need and are missing.
set -euo pipefail

packages=(
  cmake g++ pkg-config
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  clang lld
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

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
