#!/bin/bash
# Builds the file benchmark and compares it with standard tools on the same
# files: the binary record search against grep -c -F, the S-record reader
# against srec_info. Figures come from one run each (after a warm-up read, so
# all programs read from the page cache).
# Usage: scripts/bench.sh [work-directory]   (needs about 700 MB there)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"
work=${1:-$(mktemp -d)}
mkdir -p "$work"

cmake -S "$root" -B "$build" -DQLC_BENCHMARKS=ON -DQLC_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target qlc_file_bench -j "$(nproc)" >/dev/null
bench="$build/bin/qlc_file_bench"

binary="$work/bench.exe"
srecord="$work/bench.S9"
binary_size=$((256 * 1024 * 1024))
srecord_source_size=$((84 * 1024 * 1024))  # about 200 MB of S1/S2/S3 text

seconds_of() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s.%N)
  echo "$start $end" | awk '{printf "%.6f", $2 - $1}'
}

if [ ! -s "$binary" ]; then
  echo "making $binary: program code from /usr/lib, record at the end"
  # Real program bytes as filler: 64 MB of them, repeated.
  files=$(find /usr/lib /usr/bin -type f -size +100k 2>/dev/null | sort | head -400 || true)
  cat $files 2>/dev/null | head -c $((64 * 1024 * 1024)) >"$work/filler.bin" || true
  for _ in 1 2 3 4 5; do cat "$work/filler.bin"; done 2>/dev/null |
    head -c $((binary_size - 488)) >"$binary" || true
  rm -f "$work/filler.bin"
  "$bench" record >>"$binary"
fi
if [ ! -s "$srecord" ]; then
  echo "making $srecord with srec_cat: the last $((srecord_source_size >> 20)) MB of the binary"
  tail -c "$srecord_source_size" "$binary" >"$work/srecord-source.bin"
  srec_cat "$work/srecord-source.bin" -binary -o "$srecord" -Motorola -address-length=2 \
    -line-length=78
  rm -f "$work/srecord-source.bin"
fi

cat "$binary" "$srecord" >/dev/null  # page cache
echo
echo "binary image: $(stat -c %s "$binary") bytes, grep finds the ID $(grep -c -F -a "5642 HAL EXE" "$binary") time(s)"
echo "S-record text: $(stat -c %s "$srecord") bytes, lines by type:" \
  "$(cut -c1-2 "$srecord" | sort | uniq -c | tr -s ' \n' ' ')"
echo

ours_binary=$("$bench" binary "$binary")
ours_srecord=$("$bench" srecord "$srecord")
grep_seconds=$(seconds_of grep -c -F -a "5642 HAL EXE" "$binary")
srec_info_seconds=$(seconds_of srec_info "$srecord")

echo "$ours_binary"
echo "$ours_srecord"
awk -v size="$(stat -c %s "$binary")" -v grep_s="$grep_seconds" \
  -v ssize="$(stat -c %s "$srecord")" -v info_s="$srec_info_seconds" \
  -v ours="$ours_binary"$'\n'"$ours_srecord" 'BEGIN {
  n = split(ours, lines, "\n")
  for (i = 1; i <= n; ++i) { split(lines[i], f, " "); seconds[f[1]] = f[2] }
  printf "grep -c -F -a         %.6f s  %8.1f MB/s\n", grep_s, size / grep_s / 1e6
  printf "srec_info             %.6f s  %8.1f MB/s\n", info_s, ssize / info_s / 1e6
  printf "\nbinary search (read + search) vs grep:   %.2f x faster\n", grep_s / seconds["binary_read_and_search"]
  printf "binary search (search only) vs grep:     %.2f x faster\n", grep_s / seconds["binary_search_only"]
  printf "S-record read (read + decode) vs srec_info: %.1f x faster\n", info_s / seconds["srecord_read_and_decode"]
  printf "S-record read (decode only) vs srec_info:   %.1f x faster\n", info_s / seconds["srecord_decode_only"]
}'
