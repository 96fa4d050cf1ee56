#!/bin/bash
# Makes the fuzz targets' seed inputs in tests/fuzz/corpus from the
# project's own programs (build/linux) and real tools: gcc and the m68k
# cross compiler, objcopy, srec_cat and ImageMagick. The seeds are kept in
# the repository; run this again only to renew them.
# Usage: scripts/make-fuzz-seeds.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/linux/bin"
corpus="$root/tests/fuzz/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -x "$bin/qlccfg" ] || "$root/scripts/build.sh" linux >/dev/null

for target in binary_record srecord paneldef appcfg_import bmp text_read assignment timing_source; do
  rm -rf "${corpus:?}/$target"
  mkdir -p "$corpus/$target"
done

# Records compiled by real compilers: only the .data section is kept, so
# the objects stay small.
cat >"$work/hal.c" <<'EOF'
#include "common/default_record.h"
HAL_STRUCT HalInfo = QLC_DEFAULT_HAL_STRUCT;
EOF
gcc -c -O0 -I"$root" "$work/hal.c" -o "$work/x86_64.o"
objcopy -j .data "$work/x86_64.o" "$corpus/binary_record/gcc-x86_64.o"
objcopy -O binary -j .data "$work/x86_64.o" "$work/record.bin"
cp "$work/record.bin" "$corpus/binary_record/record-only.bin"
m68k-linux-gnu-gcc -c -O0 -I"$root" "$work/hal.c" -o "$work/m68k.o"
m68k-linux-gnu-objcopy -j .data "$work/m68k.o" "$corpus/binary_record/gcc-m68k-big-endian.o"
m68k-linux-gnu-objcopy -O binary -j .data "$work/m68k.o" "$work/record-m68k.bin"
# A candidate of another version (Size 400) before the valid record.
python3 - "$work/record.bin" "$corpus/binary_record/version-400-first.bin" <<'EOF'
import sys
record = open(sys.argv[1], 'rb').read()
older = record[:18] + (400).to_bytes(2, 'little') + record[20:420]
open(sys.argv[2], 'wb').write(b'\x7fELF' + bytes(12) + older + record + b'tail')
EOF

# S-record files: objcopy's S1 and forced S3, srec_cat's S2 with short
# lines and a record starting in mid-line, the big-endian record, and
# lower-case digits.
objcopy -O srec -j .data "$work/x86_64.o" "$corpus/srecord/objcopy-s1.S9"
objcopy -O srec --srec-forceS3 -j .data "$work/x86_64.o" "$corpus/srecord/objcopy-s3.S9"
m68k-linux-gnu-objcopy -O srec -j .data "$work/m68k.o" "$corpus/srecord/m68k-big-endian.S9"
head -c 37 /bin/true >"$work/prefix.bin"
cat "$work/prefix.bin" "$work/record.bin" >"$work/prefixed.bin"
srec_cat "$work/prefixed.bin" -binary -offset 0x10000 -o "$corpus/srecord/srec_cat-s2.S9" \
  -Motorola -address-length=3 -line-length=46
srec_cat "$work/record-m68k.bin" -binary -o - -Motorola -address-length=2 -line-length=78 |
  tr 'A-F' 'a-f' >"$corpus/srecord/lower-case.S9"

# Panel definition files: the shipped one, and rejected, short and broken lines.
cp "$root/cfg/panel/PANELS.DEF" "$corpus/paneldef/PANELS.DEF"
cat >"$corpus/paneldef/edge-cases.DEF" <<'EOF'
VERSION 2
PANEL "TFT 1024x768" TFT 1024 768 F 18 F n T F 65000 1344 n 806 n 24 136 L 3 6 L F 0 0
PANEL "short" STN 320 240
PANEL "HR" HR 160 160 F 16 F n T F 6000 n 40 n 10 1 16 H 1 2 H n 0 0
 PANEL "indented" TFT 320 240 F 18 F n T F 6250 400 68 262 18 1 16 L 1 2 L F 0 0
PANEL "0123456789012345678901234567890123456789012345678901234567890123456789012345678" TFT 1 1 F 9 F n T F 1 1 1 1 1 1 1 L 1 1 L F 0 0
EOF

# Headers written by the export: as written, and cut inside the register list.
"$bin/qlccfg" export appcfg "$bin/56420bmp" -o "$corpus/appcfg_import/appcfg.h"
grep -n 'Registers \*/' "$corpus/appcfg_import/appcfg.h" | head -1 | cut -d: -f1 |
  { read -r line; head -n $((line + 5)) "$corpus/appcfg_import/appcfg.h"; } \
    >"$corpus/appcfg_import/cut-in-register-list.h"

# Bitmaps: the sample maker's, ImageMagick's (1 bit, a small palette, RLE8, 5-6-5 bit fields,
# 24 bits, a large header) and a run-length 4-bit file with a delta.
"$bin/make_sample_bmp" "$corpus/bmp/sample-8.bmp" 24 10 8
"$bin/make_sample_bmp" "$corpus/bmp/sample-24.bmp" 9 5
convert -size 13x7 gradient:red-blue -monochrome BMP3:"$corpus/bmp/magick-1.bmp"
convert -size 13x7 gradient:red-blue -type palette BMP3:"$corpus/bmp/magick-palette.bmp"
convert -size 17x9 gradient:red-blue -type palette -compress RLE BMP3:"$corpus/bmp/magick-rle8.bmp"
convert -size 11x6 gradient:red-blue -define bmp:subtype=RGB565 BMP:"$corpus/bmp/magick-565.bmp"
convert -size 7x5 gradient:red-blue -type truecolor BMP:"$corpus/bmp/magick-v5-24.bmp"
python3 - "$corpus/bmp/rle4-delta.bmp" <<'EOF'
import struct, sys
palette = b''.join(bytes((i * 16, 255 - i * 16, i * 8, 0)) for i in range(16))
pixels = bytes([5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 2, 2, 1, 3, 0xAB, 0, 0, 0, 1])
width, height = 10, 4
offset = 14 + 40 + len(palette)
info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 2, len(pixels), 2835, 2835, 16, 0)
head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
open(sys.argv[1], 'wb').write(head + info + palette + pixels)
EOF

# Entry texts and qlccfg assignments.
printf '%s' '12.500' >"$corpus/text_read/decimals"
printf '%s' ' 1 2.3.45' >"$corpus/text_read/blanks-and-points"
printf '%s' '4294967295' >"$corpus/text_read/largest"
printf '%s' '  ffFF0000' >"$corpus/text_read/hex"
printf '%s' '0000000000000000000000000000000000000001' >"$corpus/text_read/past-39"
printf '%s' 'Width=320' >"$corpus/assignment/panel-width"
printf '%s' 'PixelClock= 6.250   (50.000/8)' >"$corpus/assignment/pixel-clock"
printf '%s' 'REG_HDP=0x1e' >"$corpus/assignment/register-symbol"
printf '%s' '14h=27' >"$corpus/assignment/register-index"
printf '%s' 'Flags=fFIXED_CLKI|fFIXED_CLKI2' >"$corpus/assignment/flags"
printf '%s' 'ClkI=25175' >"$corpus/assignment/clock"
printf '%s' 'PowerOnDelay=70000' >"$corpus/assignment/delay-too-long"

# Timing sources: the exports of a shipped TFT panel, a board's tree around a
# node, a display-timings node, cvt's and gtf's modelines.
"$bin/qlccfg" apply-panel "$bin/56420bmp" "TFT 640x480 18-bit" -o "$work/tft" >/dev/null 2>&1
"$bin/qlccfg" export dts "$work/tft" -o "$corpus/timing_source/export.dtsi"
"$bin/qlccfg" export modeline "$work/tft" -o "$corpus/timing_source/export-modeline.txt"
{
  printf '/dts-v1/;\n#include <dt-bindings/gpio/gpio.h>\n\n/ {\n\tmodel = "board";\n'
  printf '\tpanel {\n\t\tcompatible = "panel-dpi";\n\t\tenable-gpios = <&gpio 3 GPIO_ACTIVE_HIGH>;\n'
  sed 's/^/\t\t/' "$corpus/timing_source/export.dtsi"
  printf '\t};\n};\n'
} >"$corpus/timing_source/board.dts"
cat >"$corpus/timing_source/display-timings.dts" <<'EOF'
/ {
	display-timings {
		native-mode = <&qvga>;
		qvga: timing0 {
			clock-frequency = <6250000 6400000 7000000>;
			hactive = <320>; vactive = <240>;
			hfront-porch = <0x10>; hback-porch = <0x20>; hsync-len = <0x20>;
			vfront-porch = <3>; vback-porch = <15>; vsync-len = <4>;
		};
		vga: timing1 { clock-frequency = <25175000>; };
	};
};
EOF
printf '# 640x480 59.38 Hz (CVT 0.31M3) hsync: 29.69 kHz; pclk: 23.75 MHz\nModeline "640x480_60.00"   23.75  640 664 720 800  480 483 487 500 -hsync +vsync\n' \
  >"$corpus/timing_source/cvt.txt"
printf '\n  # 800x600 @ 60.00 Hz (GTF) hsync: 37.32 kHz; pclk: 38.22 MHz\n  Modeline "800x600_60.00"  38.22  800 832 912 1024  600 601 604 622  -HSync +Vsync\n\n' \
  >"$corpus/timing_source/gtf.txt"

du -sh "$corpus"
