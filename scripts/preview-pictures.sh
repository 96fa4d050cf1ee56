#!/bin/bash
# Builds qlccfg and 56420bmp (Linux) and saves the panel previews the README
# shows into FOLDER: preview-card.png, the test card of the built 56420bmp's
# default record (320x240, 8 bits per pixel), and preview-card-r90.png, the
# same record turned by 90 degrees with `qlccfg set ... Rotation=90`.
# Usage: scripts/preview-pictures.sh FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:?usage: scripts/preview-pictures.sh FOLDER}
mkdir -p "$folder"
build="$root/build/linux"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target qlccfg 56420bmp -j "$(nproc)" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

qlccfg="$build/bin/qlccfg"
cp "$build/bin/56420bmp" "$work/56420bmp"
"$qlccfg" preview "$work/56420bmp" -o "$folder/preview-card.png"
"$qlccfg" set "$work/56420bmp" Rotation=90 -o "$work/56420bmp-r90"
"$qlccfg" preview "$work/56420bmp-r90" -o "$folder/preview-card-r90.png"
echo "$folder/preview-card.png"
echo "$folder/preview-card-r90.png"
