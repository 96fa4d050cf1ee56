#!/bin/bash
# File > Export driven from outside by the keyboard alone: the menu by its
# mnemonics, the Export dialog's default kind with Enter, a path typed into
# the system's save dialog. The appcfg.h written must be the bytes that
# `qlccfg export appcfg` writes for the same program file.
# Usage: keyboard_export.sh BIN_DIR   (under an X display, wine on PATH)
set -euo pipefail
bin=${1:?usage: keyboard_export.sh BIN_DIR}
source "$(dirname "$0")/../../../scripts/window-keys.sh"
export WINEDEBUG=-all
# Without a window manager Wine draws the frames and gives the focus itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true

work=$(mktemp -d)
program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$program" ] && wait "$program" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp "$bin/56420BMP.exe" "$work/56420BMP.EXE"
(cd "$work" && exec wine "$bin/56420CFG.EXE" "$(winepath -w "$work/56420BMP.EXE")") >/dev/null 2>&1 &
program=$!

main=$(wait_for_window "^56420CFG : ")
sleep 1
press_keys "$main" alt+f e
dialog=$(wait_for_window "^Export$")
press_keys "$dialog" Return
save=$(wait_for_window "^Export As$")
sleep 0.5
target="$work/keyboard-appcfg.h"
# The file-name field has the focus: its proposed name is replaced by the path.
press_keys "$save" End shift+Home BackSpace
xdotool type --delay 20 "$(winepath -w "$target")"
press_keys "$save" Return
for _ in $(seq 1 100); do
  [ -s "$target" ] && break
  sleep 0.2
done
sleep 0.5
press_keys "$main" alt+f x
for _ in $(seq 1 100); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.2
done

wine "$bin/QLCCFG.EXE" export appcfg "$(winepath -w "$work/56420BMP.EXE")" \
  -o "$(winepath -w "$work/qlccfg-appcfg.h")" >/dev/null 2>&1
if [ ! -s "$target" ]; then
  echo "FAIL: File > Export wrote nothing at $target" >&2
  exit 1
fi
if ! cmp "$target" "$work/qlccfg-appcfg.h"; then
  echo "FAIL: the exported appcfg.h differs from qlccfg's" >&2
  diff <(tr -d '\r' <"$target") <(tr -d '\r' <"$work/qlccfg-appcfg.h") | head -20 >&2
  exit 1
fi
echo "PASS: File > Export by keyboard wrote the same appcfg.h as qlccfg ($(wc -c <"$target") bytes)"
