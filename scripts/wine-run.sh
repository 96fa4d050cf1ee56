#!/bin/sh
# Runs a Windows program of the cross build under Wine, quietly, in a private prefix.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/qlc-wineprefix}"
export WINEPREFIX
export WINEDEBUG=-all
exec wine "$@"
