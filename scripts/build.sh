#!/bin/bash
# Configures and builds one flavour: linux (default), windows or sanitize.
# Usage: scripts/build.sh [linux|windows|sanitize] [extra cmake args...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-linux}
shift || true
build="$root/build/$flavour"
case "$flavour" in
  linux) args=() ;;
  windows) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake") ;;
  sanitize) args=(-DQLC_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
  *) echo "unknown flavour $flavour" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$build" "${args[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
