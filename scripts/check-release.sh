#!/bin/bash
# Checks the packages scripts/release.sh made in FOLDER as a user meets them:
# the zip unpacks and its programs start under Wine; the installer installs
# silently under Wine and the installed programs start; the .deb installs
# into a scratch root, where qlccfg starts and finds its predefined panels.
# Usage: scripts/check-release.sh FOLDER
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 1 ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
# Wine's first start wants a display: without one the checks run on a private one.
if [ -z "${DISPLAY:-}" ]; then
  exec "$root/scripts/with-display.sh" "$0" "$@"
fi
folder=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export WINEPREFIX=${WINEPREFIX:-$scratch/wine}
export WINEDEBUG=-all
wineboot -i >/dev/null 2>&1

passed=0
failed=0
# check DESCRIPTION COMMAND...: passes when the command succeeds.
check() {
  local description=$1
  shift
  if "$@" >"$scratch/output" 2>&1; then
    echo "ok      $description"
    passed=$((passed + 1))
  else
    echo "FAILED  $description"
    sed 's/^/        /' "$scratch/output" | head -20
    failed=$((failed + 1))
  fi
}
# Runs a program and looks for text in what it prints.
prints() {
  local text=$1
  shift
  local output
  output=$(timeout 120 "$@" 2>&1) || {
    echo "$output"
    return 1
  }
  grep -qF -- "$text" <<<"$output" || {
    echo "$output"
    echo "(no \"$text\")"
    return 1
  }
}
# The Windows programs must start; the first panel of PANELS.DEF must be listed.
windows_programs_start() {
  local dir=$1
  prints "qlccfg 1.0" wine "$dir/QLCCFG.EXE" --version &&
    prints "Usage:   56420BMP" wine "$dir/56420BMP.EXE" /? &&
    prints "$first_panel" wine "$dir/QLCCFG.EXE" panels &&
    [ -f "$dir/PANELS.DEF" ] && [ -f "$dir/README.md" ]
}
first_panel=$(sed -n 's/^PANEL "\([^"]*\)".*/\1/p' "$root/cfg/panel/PANELS.DEF" | head -1)

zip=$(ls "$folder"/*-win64.zip 2>/dev/null | head -1)
installer=$(ls "$folder"/*-win64.exe 2>/dev/null | head -1)
deb=$(ls "$folder"/*.deb 2>/dev/null | head -1)
check "the Windows zip is there" test -f "$zip"
check "the Windows installer is there" test -f "$installer"
check "the .deb is there" test -f "$deb"

# The zip holds one folder with the programs.
unzipped="$scratch/zip"
unpack() { mkdir -p "$unzipped" && cd "$unzipped" && cmake -E tar xf "$zip" && cd - >/dev/null; }
check "the zip unpacks" unpack
zip_dir=$(dirname "$(find "$unzipped" -name QLCCFG.EXE | head -1)")
check "the zip holds QLCCFG.EXE" test -f "$zip_dir/QLCCFG.EXE"
check "the zip's programs start under Wine" windows_programs_start "$zip_dir"

# The installer, silently, into a folder of its own.
install_dir="$WINEPREFIX/drive_c/qlc56420-check"
rm -rf "$install_dir"
# A dialog the silent installer would still show must not hang the run.
check "the installer installs silently" timeout 300 wine "$installer" /S '/D=C:\qlc56420-check'
[ "$failed" -eq 0 ] || wineserver -k
check "the installed programs start under Wine" windows_programs_start "$install_dir"
check "the installer leaves an uninstaller" test -f "$install_dir/Uninstall.exe"
# The configurator window is checked by its own tests; here it must be there.
if [ -f "$root/build/windows/bin/56420CFG.EXE" ]; then
  check "the zip and the installation hold 56420CFG.EXE" \
    test -f "$zip_dir/56420CFG.EXE" -a -f "$install_dir/56420CFG.EXE"
fi

# The .deb, installed by dpkg into an empty scratch root (its dependencies
# are the host's C and C++ runtime, which the scratch root lacks).
deb_root="$scratch/root"
mkdir -p "$deb_root/var/lib/dpkg/info" "$deb_root/var/lib/dpkg/updates"
touch "$deb_root/var/lib/dpkg/status" "$deb_root/var/lib/dpkg/available"
check "the .deb installs into a scratch root" dpkg --root="$deb_root" --force-depends \
  --force-script-chrootless --log=/dev/null -i "$deb"
check "the installed qlccfg starts" prints "qlccfg 1.0" "$deb_root/usr/bin/qlccfg" --version
check "the installed qlccfg finds PANELS.DEF" prints "$first_panel" "$deb_root/usr/bin/qlccfg" panels
check "the installed 56420bmp starts" prints "Usage:   56420BMP" "$deb_root/usr/bin/56420bmp" /?
check "the manual page of qlccfg is installed" test -s "$deb_root/usr/share/man/man1/qlccfg.1.gz"
check "the .deb names its dependencies" prints "libc6" dpkg-deb --field "$deb" Depends

echo "release: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
