#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
packages=(
  cmake g++ make googletest libgtest-dev libbenchmark-dev clang-format
  g++-mingw-w64-x86-64-posix wine wine64 xvfb x11-utils xdotool
  srecord libstb-dev imagemagick python3
  gcc-m68k-linux-gnu binutils-m68k-linux-gnu libc6-dev-m68k-cross
  clang libclang-rt-14-dev llvm-14
  nsis dpkg-dev
  device-tree-compiler librsvg2-bin
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
