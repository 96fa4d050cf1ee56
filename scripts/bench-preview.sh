#!/bin/bash
# Times building the panel preview of a 320x240 8-bit picture for the default
# record (the HAL on the in-memory virtual board, in-process) beside running
# the built 56420bmp for the same picture on a virtual board kept in a fresh
# folder, the two alternately ROUNDS times (default 20), the fastest run of
# each counting. Prints both times, the ratio and whether the preview stays
# under one frame of 60 Hz (16 ms; exit code 1 when not).
# Usage: scripts/bench-preview.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"
rounds=${ROUNDS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$root" -B "$build" -DQLC_BENCHMARKS=ON -DQLC_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target qlc_preview_bench 56420bmp make_sample_bmp -j "$(nproc)" >/dev/null
"$build/bin/make_sample_bmp" "$work/picture.bmp" 320 240 8 >/dev/null

read -r _ preview _ program _ ratio < <("$build/bin/qlc_preview_bench" "$build/bin/56420bmp" \
  "$work/picture.bmp" "$work" "$rounds")
echo "320x240 8-bit picture, fastest of $rounds, load $(cut -d' ' -f1-3 /proc/loadavg):"
echo "  preview (in-process):         $preview ms"
echo "  56420bmp on the virtual board: $program ms"
echo "  56420bmp takes $ratio times as long"
if awk -v t="$preview" 'BEGIN { exit !(t < 16) }'; then
  echo "goal met: the preview takes less than one frame (16 ms)"
else
  echo "goal missed: the preview takes $preview ms, not under 16 ms"
  exit 1
fi
