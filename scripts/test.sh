#!/bin/bash
# Installs what is missing, builds the native, the Windows and the sanitizer
# flavour, and runs every test of each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export WINEPREFIX=${WINEPREFIX:-$(mktemp -d /tmp/qlc-wine.XXXXXX)}
export WINEDEBUG=-all
# Wine wants a display for its first start, and the configurator's window
# tests draw on one: a private Xvfb on a display number it finds free,
# stopped at the end.
if [ -z "${DISPLAY:-}" ]; then
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$number_file"' EXIT
  for _ in $(seq 1 100); do
    [ -s "$number_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$number_file")"
fi
wineboot -i >/dev/null 2>&1 || true

for flavour in linux windows sanitize; do
  echo "== $flavour build"
  "$root/scripts/build.sh" "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "$root/build/$flavour" --output-on-failure -j "$(nproc)"
done
