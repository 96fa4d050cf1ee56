#!/bin/bash
# Builds the page benchmark of the configurator and runs it under Wine on a
# private X display: milliseconds of the first visit of each tab and of a
# return to it (with the return's painting), beside each page's bare template
# and an empty page built in the same run.
# Usage: scripts/bench-pages.sh [ROUNDS]
exec "$(dirname "$0")/run-windows-target.sh" page_build_bench "${1:-50}"
