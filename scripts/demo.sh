#!/bin/bash
# Builds everything, shows the configuration record embedded in the built
# 56420bmp, and shows a sample picture on the virtual evaluation board.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" linux
bin="$root/build/linux/bin"

echo
echo "== The record inside $bin/56420bmp"
"$bin/qlccfg" show "$bin/56420bmp"

board="$root/build/demo-board"
rm -rf "$board"
mkdir -p "$board"
"$bin/make_sample_bmp" "$board/sample.bmp" 320 240 8
echo
echo "== 56420bmp on the virtual board"
QLC56420_VIRTUAL_BOARD="$board" "$bin/56420bmp" "$board/sample.bmp"
echo
echo "The panel as it shows now: $board/panel.png"

# The configurator window, when there is a display to show it on.
echo
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  windows="$root/build/windows"
  cmake -S "$root" -B "$windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
  cmake --build "$windows" --target 56420cfg 56420bmp -j "$(nproc)" >/dev/null
  echo "== 56420CFG.EXE under Wine, with $windows/bin/56420BMP.exe open"
  "$root/scripts/wine-run.sh" "$windows/bin/56420CFG.EXE" "$windows/bin/56420BMP.exe" &
else
  echo "No display (DISPLAY is not set or does not answer): the configurator window"
  echo "56420CFG.EXE was not started. On a desktop run scripts/demo.sh again, or see"
  echo "scripts/screenshots.sh for pictures of its pages."
fi
