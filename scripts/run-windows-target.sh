#!/bin/bash
# Builds one target of the Windows flavour and runs its program under Wine on
# a private X display, with the arguments given.
# Usage: scripts/run-windows-target.sh TARGET [ARGUMENT...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: scripts/run-windows-target.sh TARGET [ARGUMENT...]}
shift
build="$root/build/windows"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target "$target" -j "$(nproc)" >/dev/null
DISPLAY= exec "$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" "$build/bin/$target.exe" "$@"
