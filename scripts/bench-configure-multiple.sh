#!/bin/bash
# Builds the Configure Multiple benchmark and runs it under Wine on a private
# X display: COUNT copies of 56420BMP.EXE written through the dialog, beside
# `qlccfg configure` on the same files, with the dialog's memory.
# Usage: scripts/bench-configure-multiple.sh [COUNT]
exec "$(dirname "$0")/run-windows-target.sh" configure_multiple_bench "${1:-1000}"
