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
