#!/bin/bash
# Builds the page-building benchmark of the configurator and runs it under
# Wine on a private X display: milliseconds to build each page, and the ratio
# to building an empty page in the same run.
# Usage: scripts/bench-pages.sh [ROUNDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target page_build_bench -j "$(nproc)" >/dev/null
DISPLAY= "$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" \
  "$build/bin/page_build_bench.exe" "${1:-50}"
