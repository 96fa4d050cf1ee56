#!/bin/bash
# Runs a command with an X display: the one in DISPLAY when it answers,
# otherwise a private Xvfb on a free display number, stopped afterwards.
# Usage: scripts/with-display.sh COMMAND [ARGS...]
set -uo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
if [ -n "${DISPLAY:-}" ] && ! command -v xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
number_file=$(mktemp)
# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 1 100); do
  [ -s "$number_file" ] && break
  sleep 0.1
done
if [ ! -s "$number_file" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$number_file")"
"$@"
