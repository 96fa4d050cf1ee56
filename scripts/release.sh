#!/bin/bash
# Makes the release packages into FOLDER: the Windows zip and the Windows
# installer (NSIS) from the Windows build, and the Linux .deb from the Linux
# build. Both builds are brought up to date first.
# Usage: scripts/release.sh FOLDER
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 1 ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
mkdir -p "$1"
folder=$(cd "$1" && pwd)
# Packages of an earlier run go, so that a failed step leaves none behind.
rm -f "$folder"/qlc56420[-_]*.zip "$folder"/qlc56420[-_]*.exe "$folder"/qlc56420[-_]*.deb

package() {
  local flavour=$1
  local scratch="$root/build/release-$flavour"
  "$root/scripts/build.sh" "$flavour" >/dev/null
  rm -rf "$scratch"
  # cpack keeps its staging tree beside the packages; only the packages move on.
  (cd "$root/build/$flavour" && cpack -B "$scratch" >"$root/build/release-$flavour.log" 2>&1) || {
    cat "$root/build/release-$flavour.log" >&2
    exit 1
  }
  find "$scratch" -maxdepth 1 -type f \( -name '*.zip' -o -name '*.exe' -o -name '*.deb' \) \
    -exec cp {} "$folder" \;
}

package windows
package linux
ls -l "$folder"
