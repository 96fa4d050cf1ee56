#!/bin/bash
# Builds the Windows configurator, starts 56420CFG.EXE under Wine on a private
# Xvfb display with the built 56420BMP.EXE loaded, and saves a picture of each
# tab into FOLDER (general.png, preference.png, ...), then of the dialogs:
# export.png, export-as.png (the save dialog with its Preview and Options),
# export-options.png, configure-multiple.png (files listed), tooltip.png and
# about.png. Everything is reached by the keyboard, as a user would, except
# the mouse resting on a control for the tooltip.
# Usage: scripts/screenshots.sh FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:?usage: scripts/screenshots.sh FOLDER}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
build="$root/build/windows"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" --target 56420cfg 56420bmp -j "$(nproc)" >/dev/null
bin="$build/bin"
export WINEPREFIX=${WINEPREFIX:-/tmp/qlc-wineprefix}
export WINEDEBUG=-all

# The rest runs on its own display.
if [ "${QLC_SCREENSHOT_DISPLAY:-}" != yes ]; then
  QLC_SCREENSHOT_DISPLAY=yes DISPLAY= exec "$root/scripts/with-display.sh" "$0" "$folder"
fi
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true
# Without a window manager Wine draws the caption and frame itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true

work=$(mktemp -d)
trap 'kill $program 2>/dev/null || true; wait $program 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$bin/56420BMP.exe" "$work/56420BMP.EXE"
# A folder for Configure Multiple to list: program files, other files, folders.
for name in DEMO.EXE PANEL-320x240.EXE BOARD.S9 NOTES.TXT; do cp "$bin/56420BMP.exe" "$work/$name"; done
mkdir -p "$work/images" "$work/release"
(cd "$work" && exec wine "$bin/56420CFG.EXE" "$(winepath -w "$work/56420BMP.EXE")") >/dev/null 2>&1 &
program=$!

window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "^56420CFG : " 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "56420CFG.EXE did not open its window" >&2
  exit 1
fi
sleep 1

# The window's frame on the screen, as "WxH+X+Y".
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

# A picture of the window once it differs from the one before (the tab change
# has been drawn), or after ten seconds.
previous=""
for tab in general preference clocks panel panel-power registers; do
  for _ in $(seq 1 50); do
    import -window root -crop "$(geometry)" +repage "$work/shot.png"
    if [ -z "$previous" ] || ! cmp -s "$work/shot.png" "$previous"; then break; fi
    sleep 0.2
  done
  sleep 0.5  # let the page finish drawing, then take the picture kept
  import -window root -crop "$(geometry)" +repage "$folder/$tab.png"
  previous="$folder/$tab.png"
  echo "$previous"
  xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+Next
done

source "$root/scripts/window-keys.sh"
shoot() {
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$folder/$2.png"
  echo "$folder/$2.png"
}

# Export: the dialog, the save dialog of the WinCE mode header (its Options
# are available), Export Options; all cancelled.
press_keys "$window" alt+f e
dialog=$(wait_for_window "^Export$")
shoot "$dialog" export
press_keys "$dialog" Down Down Return
save=$(wait_for_window "^Export As$")
shoot "$save" export-as
press_keys "$save" alt+o
options=$(wait_for_window "^Export Options$")
shoot "$options" export-options
press_keys "$options" Escape
sleep 0.5
press_keys "$save" Escape
sleep 1

# Configure Multiple with every program file of the folder added.
press_keys "$window" alt+f m
# Rule warnings about the record, if any, come first.
for _ in 1 2 3; do
  warning=$(xdotool search --onlyvisible --name "^56420CFG$" 2>/dev/null | head -n1 || true)
  [ -z "$warning" ] && break
  press_keys "$warning" Return
  sleep 0.5
done
multiple=$(wait_for_window "^Configure Multiple$")
press_keys "$multiple" alt+d
shoot "$multiple" configure-multiple
press_keys "$multiple" Escape
sleep 1

# A tooltip: the mouse rests on the General page's second platform button.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove "$((X + ${QLC_TIP_X:-60}))" "$((Y + ${QLC_TIP_Y:-150}))"
sleep 0.3
xdotool mousemove_relative 2 1
sleep 2
import -window root -crop "$((WIDTH + 160))x$((HEIGHT + 40))+${X}+${Y}" +repage "$folder/tooltip.png"
echo "$folder/tooltip.png"
xdotool mousemove 0 0

# The About box.
press_keys "$window" alt+h a
about=$(wait_for_window "^About 56420CFG$")
shoot "$about" about
press_keys "$about" Return
