#!/bin/bash
# Installs what is missing, builds the native, the Windows and the sanitizer
# flavour, and runs every test of each.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export WINEPREFIX=${WINEPREFIX:-$(mktemp -d /tmp/qlc-wine.XXXXXX)}
export WINEDEBUG=-all
# Wine wants a display for its first start; console programs need no more.
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :57 -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=:57
fi
wineboot -i >/dev/null 2>&1 || true

for flavour in linux windows sanitize; do
  echo "== $flavour build"
  "$root/scripts/build.sh" "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "$root/build/$flavour" --output-on-failure -j "$(nproc)"
done
