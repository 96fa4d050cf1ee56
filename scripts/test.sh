#!/bin/bash
# Installs what is missing, builds the native, the Windows and the sanitizer
# flavour and runs every test of each, fuzzes every reader for a short while,
# and makes and checks the release packages.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export WINEPREFIX=${WINEPREFIX:-$(mktemp -d /tmp/qlc-wine.XXXXXX)}
export WINEDEBUG=-all
# Wine wants a display for its first start, and the configurator's window
# tests draw on one: without one, the whole run goes on a private Xvfb on a
# free display number, stopped at the end.
if [ -z "${DISPLAY:-}" ]; then
  exec "$root/scripts/with-display.sh" "$0" "$@"
fi
wineboot -i >/dev/null 2>&1 || true
# There is no window manager on the test display: Wine draws the frames and
# gives the focus itself instead of waiting on one at every window it shows.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
# Wine's background programs (services, the desktop) start with the first
# Windows program that finds none running and keep that program's output
# open, so ctest would wait for that test until the last one ended. One quiet
# program started here keeps them running, with this script's output, for
# the whole run: its input is a pipe from this script, open until the end.
coproc WINE_KEEPER { exec wine cmd >/dev/null 2>&1; }
trap 'wineserver -k 2>/dev/null || true' EXIT

for flavour in linux windows sanitize; do
  echo "== $flavour build"
  "$root/scripts/build.sh" "$flavour"
  echo "== $flavour tests"
  ctest --test-dir "$root/build/$flavour" --output-on-failure -j "$(nproc)"
done

echo "== fuzzing, 20 s per target"
"$root/scripts/fuzz.sh" 20
echo "== release packages"
"$root/scripts/release.sh" "$root/build/release"
"$root/scripts/check-release.sh" "$root/build/release"
