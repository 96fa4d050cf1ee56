#!/bin/bash
# Builds the fuzz targets (tests/fuzz) with clang and libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs each one for
# SECONDS, starting from its seeds and from every input that ever failed.
# Prints one line per target with its executions and coverage; any finding (a
# crash, a sanitizer report, a broken property, a hang, an allocation far
# beyond the input's size) fails the run and
# leaves the input in build/fuzz/findings/TARGET/. Such an input belongs in
# tests/fuzz/regressions/TARGET/, where the ordinary tests replay it.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$root/build/fuzz"

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQLC_FUZZ=ON -DQLC_SANITIZE=ON -DQLC_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O1 -g" >/dev/null
cmake --build "$build" --target qlc_fuzz_targets -j "$(nproc)" >"$build/build.log" 2>&1 || {
  cat "$build/build.log"
  exit 1
}

# The targets that read files write each input to a scratch file; in memory
# the saves' flushes to disk cost nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
printf '%-15s %12s %8s %8s  %s\n' target executions coverage features result
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  work="$build/corpus/$name"
  findings="$build/findings/$name"
  log="$build/logs/$name.log"
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  inputs=("$work" "$root/tests/fuzz/corpus/$name")
  [ -d "$root/tests/fuzz/regressions/$name" ] && inputs+=("$root/tests/fuzz/regressions/$name")
  options=()
  [ -f "$root/tests/fuzz/$name.dict" ] && options+=(-dict="$root/tests/fuzz/$name.dict")
  status=0
  # The malloc limit is kFuzzMallocLimitMb of tests/fuzz/fuzz_support.h.
  "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix="$findings/" "${options[@]}" "${inputs[@]}" \
    >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  if [ "$status" -eq 0 ]; then
    result=ok
    passed=$((passed + 1))
  else
    result="FINDING (exit $status): $findings"
    failed=$((failed + 1))
  fi
  printf '%-15s %12s %8s %8s  %s\n' "$name" "${executions:-?}" "${coverage:-?}" \
    "${features:-?}" "$result"
  if [ "$status" -ne 0 ]; then
    grep -E 'ERROR|property broken|SUMMARY|Test unit written' "$log" | head -20 | sed 's/^/    /'
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
