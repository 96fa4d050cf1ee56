#!/bin/bash
# Builds the Windows configurator, starts 56420CFG.EXE under Wine on a private
# Xvfb display with the built 56420BMP.EXE loaded, and saves a picture of each
# tab into FOLDER (general.png, preference.png, ...), of the Panel page
# after choosing a TFT and a K-VRX panel and after a panel found by a change
# (panel-tft.png, panel-kvrx.png, panel-match.png), then of the dialogs:
# modify-register.png, export.png, export-as.png (the save dialog with its
# Preview and Options), export-options.png, configure-multiple.png (files
# listed), tooltip.png and about.png; and of the View menu's windows:
# timing-diagram.png and preview.png for the default record (the test card),
# preview-tft-r90.png after choosing a TFT panel and Rotation 90. Everything
# is reached by the keyboard, as a user would (tabs by Ctrl+PageDown), except
# the double-click that opens the Modify Register dialog and the mouse resting
# on a control for the tooltip.
# With --docs the pictures the README shows are written into docs/ as well:
# cfg-*.png, the opening picture cfg-panel-tft.png among them, made smaller.
# Usage: scripts/screenshots.sh FOLDER | --docs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:?usage: scripts/screenshots.sh FOLDER | --docs}
docs=""
if [ "$folder" = --docs ]; then
  docs="$root/docs"
  folder=$(mktemp -d)
fi
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
  QLC_SCREENSHOT_DISPLAY=yes QLC_SCREENSHOT_DOCS="$docs" DISPLAY= \
    exec "$root/scripts/with-display.sh" "$0" "$folder"
fi
docs=${QLC_SCREENSHOT_DOCS:-}
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1 || true
# Without a window manager Wine draws the caption and frame itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true

work=$(mktemp -d)
# The program folder is drive P: of the Wine prefix, so that every picture's
# caption names the same file whatever the temporary folder is called.
drive="$WINEPREFIX/dosdevices/p:"
ln -sfn "$work" "$drive"
trap 'kill $program 2>/dev/null || true; wait $program 2>/dev/null || true; rm -f "$drive"; rm -rf "$work"' EXIT
cp "$bin/56420BMP.exe" "$work/56420BMP.EXE"
# A folder for Configure Multiple to list: program files, other files, folders.
for name in DEMO.EXE PANEL-320x240.EXE BOARD.S9 NOTES.TXT; do cp "$bin/56420BMP.exe" "$work/$name"; done
mkdir -p "$work/images" "$work/release"
(cd "$work" && exec wine "$bin/56420CFG.EXE" 'P:\56420BMP.EXE') >/dev/null 2>&1 &
program=$!

source "$root/scripts/window-keys.sh"
window=$(wait_for_window "^56420CFG : ")
sleep 1

# A window's frame on the screen (the main window's by default), as "WxH+X+Y".
geometry() {
  eval "$(xdotool getwindowgeometry --shell "${1:-$window}")"
  echo "${WIDTH}x${HEIGHT}+${X}+${Y}"
}

# A picture of the window once it differs from the one before (the change
# has been drawn), or after ten seconds.
previous=""
shot() {
  for _ in $(seq 1 50); do
    import -window root -crop "$(geometry)" +repage "$work/shot.png"
    if [ -z "$previous" ] || ! cmp -s "$work/shot.png" "$previous"; then break; fi
    sleep 0.2
  done
  sleep 0.5  # let the page finish drawing, then take the picture kept
  import -window root -crop "$(geometry)" +repage "$folder/$1.png"
  previous="$folder/$1.png"
  echo "$previous"
}
keys() {
  xdotool windowfocus --sync "$window" key --clearmodifiers "$@"
}
shoot() {
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$folder/$2.png"
  echo "$folder/$2.png"
}
# A View menu window opened by its mnemonic, pictured and closed by Escape.
view() {
  keys alt+v "$1"
  local opened
  opened=$(wait_for_window "^$2$")
  shoot "$opened" "$3"
  xdotool windowfocus --sync "$opened" key Escape
  sleep 1
}

# The default record's timing diagram and test card.
view t "Timing Diagram" timing-diagram
view p "Panel Preview" preview
for tab in general preference clocks panel panel-power registers; do
  shot "$tab"
  if [ "$tab" = panel ]; then
    # A TFT and a K-VRX panel chosen from the predefined panels by their
    # first letter; then the mono STN panel turned colour, which the status
    # line reports as another panel found.
    keys alt+d t
    shot panel-tft
    keys k
    shot panel-kvrx
    keys m alt+c
    shot panel-match
  fi
  [ "$tab" = registers ] && break
  keys ctrl+Next
done

# The Modify Register dialog, opened by a double-click on the register list's
# first line: the first cyan pixel of the Registers picture is that line's
# top-left corner (the picture is taken again until the list is drawn).
corner=""
for _ in $(seq 1 50); do
  convert "$folder/registers.png" txt:- >"$work/registers.txt"
  corner=$(grep -m1 -i '#00FFFF' "$work/registers.txt" | cut -d: -f1 || true)
  [ -n "$corner" ] && break
  sleep 0.2
  import -window root -crop "$(geometry)" +repage "$folder/registers.png"
done
if [ -z "$corner" ]; then
  echo "the register list was not drawn" >&2
  exit 1
fi
xdotool mousemove --window "$window" $((${corner%,*} + 20)) $((${corner#*,} + 5)) \
  click --repeat 2 --delay 100 1
dialog=$(wait_for_window "^Modify register")
sleep 1
import -window root -crop "$(geometry "$dialog")" +repage "$folder/modify-register.png"
echo "$folder/modify-register.png"
xdotool windowfocus --sync "$dialog" key Escape
sleep 1


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

# A tooltip: the mouse rests on the General page's second platform button
# (Ctrl+PageDown from the Registers tab wraps round to the General tab).
keys ctrl+Next
sleep 1
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
sleep 1

# A TFT panel turned by 90 degrees: the Panel page (three tabs on from the
# General tab) and the Preference page (two back).
keys ctrl+Next ctrl+Next ctrl+Next
sleep 1
keys alt+d t
sleep 1
keys ctrl+Prior ctrl+Prior
sleep 1
keys alt+9
sleep 1
view p "Panel Preview" preview-tft-r90

# The README's pictures: the configurator with a panel chosen first, then
# the tabs, the Export dialog and the View menu's windows, without metadata
# and at the smallest lossless size.
if [ -n "$docs" ]; then
  for name in panel-tft general preference clocks panel-power registers export \
    timing-diagram preview preview-tft-r90; do
    convert "$folder/$name.png" -strip -define png:compression-level=9 "$docs/cfg-$name.png"
    echo "$docs/cfg-$name.png"
  done
fi
[ -z "$docs" ] || rm -rf "$folder"
