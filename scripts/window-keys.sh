# Shell functions for driving Wine's windows on an X display from outside,
# as a user's keyboard does. Sourced by the scripts that need them.

# The X window of the first visible window whose title matches the pattern;
# fails after about 30 seconds.
wait_for_window() {
  local found=""
  for _ in $(seq 1 150); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.2
  done
  echo "no window titled $1" >&2
  return 1
}

# Gives a window the focus and presses keys on it one after another.
# Usage: press_keys WINDOW KEY...
press_keys() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  shift
  xdotool key --clearmodifiers --delay 200 "$@"
}
