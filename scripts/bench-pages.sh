#!/bin/bash
# Builds the page-building benchmark of the configurator and runs it under
# Wine on a private X display: milliseconds to build each page, and the ratio
# to building an empty page in the same run.
# Usage: scripts/bench-pages.sh [ROUNDS]
exec "$(dirname "$0")/run-windows-target.sh" page_build_bench "${1:-50}"
