#!/bin/bash
# Sets `qlccfg show` beside standard tools on the same files, page cache warm:
# finding the record at the end of 256 MB binary images (random bytes, zeros,
# real program code) against `grep -c -F -a` of the ID and `cat`, and reading
# it from a 164 MB S-record file of 32-byte lines (srec_cat from 64 MB of the
# random image) against `srec_info` and `cat`. Each pair runs alternately
# ROUNDS times (default 3) and the fastest run of each side counts, so that
# other work on the machine weighs on both alike; peak memory is the largest
# seen. Saving a record into each file (the binary one and the S-record one)
# is timed the same way. Prints the ratios, the peak memory of each program,
# whether the aims beside `cat` are reached and whether the goals are met
# (exit code 1 when a goal is not).
# Usage: scripts/bench.sh [work-directory]   (needs about 1.1 GB there)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/bench"
work=${1:-$(mktemp -d)}
rounds=${ROUNDS:-3}
mkdir -p "$work"

cmake -S "$root" -B "$build" -DQLC_BENCHMARKS=ON -DQLC_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target qlc_file_bench qlccfg -j "$(nproc)" >/dev/null
bench="$build/bin/qlc_file_bench"
qlccfg="$build/bin/qlccfg"

size=$((256 * 1024 * 1024))
random="$work/random.exe"
zeros="$work/zeros.exe"
program="$work/program.exe"
srecord="$work/bench.S9"

# Fills $1 with $size bytes from standard input, the default record last.
make_image() {
  head -c $((size - 488)) >"$1"
  "$bench" record >>"$1"
}
if [ ! -s "$random" ]; then make_image "$random" </dev/urandom; fi
if [ ! -s "$zeros" ]; then make_image "$zeros" </dev/zero; fi
if [ ! -s "$program" ]; then
  # Real program bytes: libraries and programs of this machine, repeated.
  files=$(find /usr/lib /usr/bin -type f -size +100k 2>/dev/null | sort | head -400 || true)
  # shellcheck disable=SC2086
  cat $files 2>/dev/null | head -c $((64 * 1024 * 1024)) >"$work/filler.bin" || true
  for _ in 1 2 3 4 5; do cat "$work/filler.bin"; done | make_image "$program" || true
  rm -f "$work/filler.bin"
fi
if [ ! -s "$srecord" ]; then
  tail -c $((64 * 1024 * 1024)) "$random" >"$work/srecord-source.bin"
  srec_cat "$work/srecord-source.bin" -binary -o "$srecord" -Motorola -address-length=2 \
    -line-length=78
  rm -f "$work/srecord-source.bin"
fi

# Runs the commands named (arrays holding a command each) alternately $rounds
# times; prints "<fastest seconds> <peak KB>" of each on one line. Output
# goes to /dev/null (grep then stops at its first match: the record at the
# end).
measure() {
  local -a best=() peak=()
  local i r seconds kb code
  for ((r = 0; r < rounds; ++r)); do
    for ((i = 1; i <= $#; ++i)); do
      local -n command=${!i}
      read -r seconds kb code < <("$bench" time "${command[@]}")
      if [ "$code" != 0 ]; then
        echo "failed ($code): ${command[*]}" >&2
        return 2
      fi
      if [ -z "${best[i]:-}" ] || awk -v a="$seconds" -v b="${best[i]}" 'BEGIN { exit !(a < b) }'; then
        best[i]=$seconds
      fi
      if [ -z "${peak[i]:-}" ] || [ "$kb" -gt "${peak[i]}" ]; then peak[i]=$kb; fi
      unset -n command
    done
  done
  for ((i = 1; i <= $#; ++i)); do printf '%s %s ' "${best[i]}" "${peak[i]}"; done
  echo
}

load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "files: $(stat -c %s "$random") bytes each (random, zeros, program code);" \
  "S-record $(stat -c %s "$srecord") bytes, lines by type:" \
  "$(cut -c1-2 "$srecord" | sort | uniq -c | tr -s ' \n' ' ')"
echo "rounds: $rounds; load average before: $(load); $(nproc) processors"
cat "$random" "$zeros" "$program" "$srecord" >/dev/null # page cache

id="5642 HAL EXE"
show_random=("$qlccfg" show "$random") grep_random=(grep -c -F -a "$id" "$random")
cat_random=(cat "$random")
show_zeros=("$qlccfg" show "$zeros") grep_zeros=(grep -c -F -a "$id" "$zeros")
show_program=("$qlccfg" show "$program") grep_program=(grep -c -F -a "$id" "$program")
show_srecord=("$qlccfg" show "$srecord") info_srecord=(srec_info "$srecord")
cat_srecord=(cat "$srecord")
# Saving: both are read a block at a time as far as the record and patched
# in place. The value written is the one the files hold.
save_binary=("$qlccfg" set "$random" PowerOnDelay=50)
save_srecord=("$qlccfg" set "$srecord" PowerOnDelay=50)
random_figures=$(measure show_random grep_random cat_random)
zeros_figures=$(measure show_zeros grep_zeros)
program_figures=$(measure show_program grep_program)
srecord_figures=$(measure show_srecord info_srecord cat_srecord)
save_figures=$(measure save_binary save_srecord)
report="random $random_figures
zeros $zeros_figures
program $program_figures
srecord $srecord_figures
save-binary $save_figures"
echo "load average after: $(load)"
echo
awk -v size="$(stat -c %s "$random")" '
  { for (i = 2; i <= NF; ++i) v[$1, i - 1] = $i }
  function mb(kb) { return sprintf("%.1f MB", kb / 1024) }
  function goal(ok) { if (!ok) failed = 1; return ok ? "met" : "NOT met" }
  function aim(ok) { return ok ? "reached" : "not reached" }
  END {
    printf "binary, random bytes:  qlccfg %.3f s (%s), grep %.3f s (%s), cat %.3f s (%s)\n",
      v["random", 1], mb(v["random", 2]), v["random", 3], mb(v["random", 4]),
      v["random", 5], mb(v["random", 6])
    r = v["random", 1] / v["random", 3]
    printf "  qlccfg / grep = %.2f  (goal <= 1.0: %s)\n", r, goal(r <= 1.0)
    r = v["random", 1] / v["random", 5]
    printf "  qlccfg / cat  = %.2f  (aim <= 1.0: %s)\n", r, aim(r <= 1.0)
    split("zeros program", kinds, " ")
    for (k = 1; k <= 2; ++k) {
      n = kinds[k]
      r = v[n, 1] / v[n, 3]
      printf "binary, %-14s qlccfg %.3f s (%s), grep %.3f s (%s)\n", n ":", v[n, 1], mb(v[n, 2]),
        v[n, 3], mb(v[n, 4])
      printf "  qlccfg / grep = %.2f  (goal <= 1.0: %s)\n", r, goal(r <= 1.0)
    }
    printf "S-record:              qlccfg %.3f s (%s), srec_info %.3f s (%s), cat %.3f s (%s)\n",
      v["srecord", 1], mb(v["srecord", 2]), v["srecord", 3], mb(v["srecord", 4]),
      v["srecord", 5], mb(v["srecord", 6])
    r = v["srecord", 3] / v["srecord", 1]
    printf "  srec_info / qlccfg = %.1f  (goal >= 20: %s)\n", r, goal(r >= 20)
    r = v["srecord", 1] / v["srecord", 5]
    printf "  qlccfg / cat       = %.2f  (aim <= 2.0: %s)\n", r, aim(r <= 2.0)
    printf "saving:                binary %.3f s (%s), S-record %.3f s (%s)\n",
      v["save-binary", 1], mb(v["save-binary", 2]), v["save-binary", 3], mb(v["save-binary", 4])
    # Bounded: the same few MB as opening, whatever the file size.
    kb = v["save-binary", 2] > v["save-binary", 4] ? v["save-binary", 2] : v["save-binary", 4]
    printf "  peak memory %s  (goal <= 8 MB: %s)\n", mb(kb), goal(kb <= 8 * 1024)
    printf "\n%s\n", failed ? "goals NOT met" : "goals met"
    exit failed
  }' <<<"$report"
