#!/bin/bash
# Builds the fuzz targets (tests/fuzz) with clang and libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs each one for
# SECONDS, starting from its seeds and from every input that ever failed.
# Prints one line per target with its executions and coverage; any finding (a
# crash, a sanitizer report, a broken property, a hang, an allocation far
# beyond the input's size) fails the run and
# leaves the input in build/fuzz/findings/TARGET/. Such an input belongs in
# tests/fuzz/regressions/TARGET/, where the ordinary tests replay it.
#
# With --coverage the targets are built with source coverage as well (in
# build/fuzz-coverage), each starts from its seeds alone (no inputs kept from
# earlier runs), and the share of lines and branches reached is printed for
# each source file of a reader, beside the aim. Coverage below the aim does
# not fail the run; a finding does.
# With TARGET names after SECONDS only those targets run.
# Usage: scripts/fuzz.sh [--coverage] [SECONDS [TARGET...]]   (SECONDS default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
coverage=false
if [ "${1:-}" = --coverage ]; then
  coverage=true
  shift
fi
seconds=${1:-60}
shift || true
only=" $* "
# Whether the target is among those asked for (all when none is named).
wanted() { [ "$only" = "  " ] || [[ "$only" == *" $1 "* ]]; }
# The share of each reader's lines the seeds and the fuzzer together reach.
aim=90

# The source files that read outside input, by the target that fuzzes them.
declare -A readers=(
  [binary_record]="cfg/record/id_search.cpp cfg/record/binary_record.cpp cfg/record/byte_window.cpp"
  [srecord]="cfg/record/srecord.cpp cfg/record/hex_decode.cpp"
  [paneldef]="cfg/panel/paneldef.cpp"
  [appcfg_import]="cfg/record/appcfg_import.cpp"
  [bmp]="bmp/bmp_image.cpp bmp/bmp_pixels.cpp bmp/bmp_draw.cpp"
  [text_read]="common/text_read.cpp"
  [assignment]="cli/assignment.cpp"
  [timing_source]="cfg/panel/timing_source.cpp cfg/panel/dts_lexer.cpp cfg/panel/dts_source.cpp cfg/panel/modeline_source.cpp"
)

build="$root/build/fuzz"
flags="-O1 -g"
if $coverage; then
  build="$root/build/fuzz-coverage"
  flags="$flags -fprofile-instr-generate -fcoverage-mapping"
  # The clang the build uses names the version of the coverage tools.
  version=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -1)
  profdata=$(command -v "llvm-profdata-$version" || command -v llvm-profdata || true)
  llvmcov=$(command -v "llvm-cov-$version" || command -v llvm-cov || true)
  if [ -z "$profdata" ] || [ -z "$llvmcov" ]; then
    echo "fuzz: llvm-profdata and llvm-cov of clang $version are missing (scripts/install-deps.sh)" >&2
    exit 1
  fi
fi

cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQLC_FUZZ=ON -DQLC_SANITIZE=ON -DQLC_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=$flags" "-DCMAKE_C_FLAGS_RELWITHDEBINFO=$flags" \
  "-DCMAKE_EXE_LINKER_FLAGS=$($coverage && echo -fprofile-instr-generate)" >/dev/null
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
# One target from its inputs; its exit status goes into its .status file.
fuzz_target() {
  local name=$1
  local work="$build/corpus/$name" findings="$build/findings/$name" log="$build/logs/$name.log"
  if $coverage; then
    rm -rf "$work" "$build/profiles/$name.profraw"
    mkdir -p "$build/profiles"
    export LLVM_PROFILE_FILE="$build/profiles/$name.profraw"
  fi
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  local inputs=("$work" "$root/tests/fuzz/corpus/$name") options=() status=0
  [ -d "$root/tests/fuzz/regressions/$name" ] && inputs+=("$root/tests/fuzz/regressions/$name")
  [ -f "$root/tests/fuzz/$name.dict" ] && options+=(-dict="$root/tests/fuzz/$name.dict")
  # The malloc limit is kFuzzMallocLimitMb of tests/fuzz/fuzz_support.h.
  "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -malloc_limit_mb=256 \
    -print_final_stats=1 -artifact_prefix="$findings/" "${options[@]}" "${inputs[@]}" \
    >"$log" 2>&1 || status=$?
  echo "$status" >"$build/logs/$name.status"
}

# Each target is one process on one core: as many run at once as there are
# cores (QLC_FUZZ_JOBS sets another number).
jobs=${QLC_FUZZ_JOBS:-$(nproc)}
names=()
for source in "$root"/tests/fuzz/*_fuzz.cpp; do
  name=$(basename "$source" _fuzz.cpp)
  wanted "$name" || continue
  names+=("$name")
  rm -f "$build/logs/$name.status"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
  fuzz_target "$name" &
done
wait

passed=0
failed=0
printf '%-15s %12s %8s %8s  %s\n' target executions coverage features result
for name in "${names[@]}"; do
  log="$build/logs/$name.log"
  status=$(cat "$build/logs/$name.status" 2>/dev/null || echo "?")
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  if [ "$status" = 0 ]; then
    result=ok
    passed=$((passed + 1))
  else
    result="FINDING (exit $status): $build/findings/$name"
    failed=$((failed + 1))
  fi
  printf '%-15s %12s %8s %8s  %s\n' "$name" "${executions:-?}" "${edges:-?}" \
    "${features:-?}" "$result"
  if [ "$status" != 0 ]; then
    grep -E 'ERROR|property broken|SUMMARY|Test unit written' "$log" | head -20 | sed 's/^/    /'
  fi
done
echo "fuzz: $passed passed, $failed failed"

# The share of lines and branches of one source file the target reached,
# as "LINES BRANCHES" (the report's columns 10 and 13), or nothing.
shares() {
  local name=$1 file=$2 profile="$build/profiles/$1.profdata"
  [ -f "$profile" ] || return 0
  "$llvmcov" report "$build/bin/fuzz_$name" -instr-profile="$profile" "$root/$file" 2>/dev/null |
    awk -v path="$root/$file" '$1 == path { print $10, $13 }' || true
}

if $coverage; then
  unset LLVM_PROFILE_FILE
  echo
  printf '%-15s %-32s %8s %10s   (aim: %s%% of the lines)\n' target reader lines branches "$aim"
  for name in $(printf '%s\n' "${!readers[@]}" | sort); do
    wanted "$name" || continue
    rm -f "$build/profiles/$name.profdata"
    if [ -s "$build/profiles/$name.profraw" ]; then
      "$profdata" merge -sparse "$build/profiles/$name.profraw" -o "$build/profiles/$name.profdata"
    fi
    for file in ${readers[$name]}; do
      read -r lines branches <<<"$(shares "$name" "$file")" || true
      note=""
      if [ -z "${lines:-}" ]; then
        lines=- branches=- note="  (no coverage: no profile, or not in the target)"
      elif [ "${lines%.*}" -lt "$aim" ]; then
        note="  below the aim"
      fi
      printf '%-15s %-32s %8s %10s%s\n' "$name" "$file" "$lines" "$branches" "$note"
    done
  done
fi
[ "$failed" -eq 0 ]
