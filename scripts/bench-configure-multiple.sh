#!/bin/bash
# Builds the Configure Multiple benchmark and runs it under Wine on a private
# X display: COUNT copies of 56420BMP.EXE written through the dialog, beside
# `qlccfg configure` on the same files, with the dialog's memory.
# Usage: scripts/bench-configure-multiple.sh [COUNT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target configure_multiple_bench -j "$(nproc)" >/dev/null
DISPLAY= "$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" \
  "$build/bin/configure_multiple_bench.exe" "${1:-1000}"
