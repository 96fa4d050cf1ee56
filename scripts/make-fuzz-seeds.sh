#!/bin/bash
# Makes the fuzz targets' seed inputs in tests/fuzz/corpus from the
# project's own programs (build/linux) and real tools: gcc and the m68k
# cross compiler, objcopy, srec_cat and ImageMagick; where no tool writes a
# case (text formats, damaged files, rare header forms), small files are
# written here. Together with the dictionaries they should let a short fuzz
# run reach nearly every line of each reader (scripts/fuzz.sh --coverage).
# The seeds are kept in the repository; run this again only to renew them.
# Usage: scripts/make-fuzz-seeds.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin="$root/build/linux/bin"
corpus="$root/tests/fuzz/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -x "$bin/qlccfg" ] || "$root/scripts/build.sh" linux >/dev/null

# Inputs the fuzzer found and that were kept (named by their SHA-1) stay;
# the named seeds below are made anew.
for target in binary_record srecord paneldef appcfg_import bmp text_read assignment timing_source; do
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
# A candidate of another version (Size 400) before the valid record, in
# either byte order.
python3 - "$work/record.bin" "$work/record-m68k.bin" "$corpus/binary_record" <<'EOF'
import sys
for source, order, name in ((sys.argv[1], 'little', 'version-400-first.bin'),
                            (sys.argv[2], 'big', 'version-400-first-big-endian.bin')):
    record = open(source, 'rb').read()
    older = record[:18] + (400).to_bytes(2, order) + record[20:420]
    open(sys.argv[3] + '/' + name, 'wb').write(b'\x7fELF' + bytes(12) + older + record + b'tail')
EOF

# S-record files: objcopy's S1 and forced S3, srec_cat's S2 with short
# lines and a record starting in mid-line, the big-endian record, and
# lower-case digits.
# objcopy names its output in the S0 record: named from inside the folder,
# the seeds come out the same wherever the repository lies.
(
  cd "$corpus/srecord"
  objcopy -O srec -j .data "$work/x86_64.o" objcopy-s1.S9
  objcopy -O srec --srec-forceS3 -j .data "$work/x86_64.o" objcopy-s3.S9
  m68k-linux-gnu-objcopy -O srec -j .data "$work/m68k.o" m68k-big-endian.S9
)
head -c 37 /bin/true >"$work/prefix.bin"
cat "$work/prefix.bin" "$work/record.bin" >"$work/prefixed.bin"
srec_cat "$work/prefixed.bin" -binary -offset 0x10000 -o "$corpus/srecord/srec_cat-s2.S9" \
  -Motorola -address-length=3 -line-length=46
srec_cat "$work/record-m68k.bin" -binary -o - -Motorola -address-length=2 -line-length=78 |
  tr 'A-F' 'a-f' >"$corpus/srecord/lower-case.S9"

# S-records written here where no tool writes them: every type from S0 to
# S9 in one file (data records of odd lengths, counts and terminations
# between them, bytes a record without data passes over, a broken ID before
# the record, CR LF line ends), in both byte orders; and files that fail:
# another Size, another marker, a wrong checksum, a record cut short, an S4.
python3 - "$work/record.bin" "$work/record-m68k.bin" "$corpus/srecord" <<'EOF'
import sys
little, big = (open(name, 'rb').read() for name in sys.argv[1:3])
folder = sys.argv[3]
address_bytes = {0: 2, 1: 2, 2: 3, 3: 4, 4: 2, 5: 2, 6: 3, 7: 4, 8: 3, 9: 2}

def srecord(kind, address, data=b'', wrong_checksum=False):
    body = bytes([address_bytes[kind] + len(data) + 1])
    body += address.to_bytes(address_bytes[kind], 'big') + data
    checksum = (~sum(body) + wrong_checksum) & 0xFF
    return 'S%d%s%02X' % (kind, body.hex().upper(), checksum)

def every_type(record, lengths, line_end):
    data = b'\x00\x00\x355642 H5642 HAL EX' + record
    lines = [srecord(0, 0, b'every type')]
    at = count = 0
    while at < len(data):
        length = lengths[count % len(lengths)]
        lines.append(srecord(1 + count % 3, 0x1000 + at, data[at:at + length]))
        at += length
        count += 1
        if count == 4: lines.append(srecord(5, count))
        if count == 8: lines.append(srecord(6, count))
        if count == 12: lines.append(srecord(5, count, b'\x00\x07'))
    lines += [srecord(7, 0x1000), srecord(8, 0x1000), srecord(9, 0x1000)]
    return line_end.join(lines)

def plain(record, wrong_checksum_line=-1, before=()):
    lines = [srecord(0, 0, b'hand')] + list(before)
    for i, at in enumerate(range(0, len(record), 32)):
        lines.append(srecord(1, at, record[at:at + 32], i == wrong_checksum_line))
    return '\n'.join(lines + [srecord(9, 0)]) + '\n'

files = {
    'every-type.S9': every_type(little, [7, 13, 1, 32, 16], '\r\n'),
    'every-type-big-endian.S9': every_type(big, [31, 2, 17], '\n') + '\n',
    'version-400.S9': plain(little[:18] + (400).to_bytes(2, 'little') + little[20:]),
    'wrong-marker.S9': plain(little[:16] + b'\x78\x56' + little[18:]),
    'wrong-checksum.S9': plain(little, wrong_checksum_line=3),
    'cut-behind-id.S9': plain(little[:14]),
    'cut-in-record.S9': plain(little[:300]),
    's4-record.S9': plain(little, before=[srecord(4, 0, b'\x01')]),
}
for name, text in files.items():
    open(folder + '/' + name, 'w', newline='').write(text)
EOF

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
# Every kind of each field: the four types, a type no keyword names, flags,
# data formats and polarities in each spelling and an unknown one, "n" for
# the starts, tokens without a number (the previous number again), numbers
# beyond 32 bits, panels refused for each reason (kept in DEBUG.DEF), a
# comment, CR LF line ends and a line longer than the reader's buffer.
{
  printf '%s\n' 'VERSION 3' '# a comment line' \
    'PANEL "STN mono" STN 320 240 F 4 F 1 F F 6250 400 n 250 n 0 8 H 0 1 H n 80 10' \
    'PANEL "STN colour format 2" S 320 240 0 8 0 2 1 0 6250 400 8 250 2 0 8 L 0 1 L 0 80 10' \
    'PANEL "HR-TFT" HR-TFT 160 160 F 16 F n T F 6000 208 40 170 10 1 16 H 1 2 H n 48 10' \
    'PANEL "K-VRX" K-VRX 240 320 F 8 F n T F 5000 280 n 330 n 2 8 L 2 2 H T 40 10' \
    'PANEL "unknown fields" LCD 320 240 X 9 Y z Q R 6250 400 8 250 2 0 8 x 0 1 y ? 80 10' \
    'PANEL "numbers repeated" TFT 320 240 F 18 F n T F 6250 400 - 250 - - 16 L - - L F - -' \
    'PANEL "beyond 32 bits" TFT 99999999999 -99999999999 F 18 F n T F 6250 400 8 250 2 0 8 L 0 1 L F 0 0' \
    'PANEL "EL 2x dual" TFT 640 480 T 18 T n T T 25175 800 48 525 33 16 96 L 10 2 L F 0 0' \
    'PANEL "no clock" TFT 320 240 F 18 F n T F 0 400 8 250 2 0 8 L 0 1 L F 0 0' \
    'PANEL "too much memory" TFT 1024 1024 F 18 F n T F 65000 1344 n 1066 n 24 136 L 3 6 L F 0 0' \
    'PANEL "out of range" TFT 320 240 F 18 F n T F 6250 9000 8 250 2 0 8 L 0 1 L F 0 0'
  printf 'PANEL "CR LF" TFT 320 240 F 18 F n T F 6250 400 8 250 2 0 8 L 0 1 L F 0 0\r\n'
  printf 'PANEL "long line" TFT 320 240 F 18 F n T F 6250 400 8 250 2 0 8 L 0 1 L F 0 0 %0600d\n' 0
} >"$corpus/paneldef/every-field.DEF"
# Names the reader refuses, which make it refuse the whole file.
printf '%s\n' 'PANEL "fine" TFT 320 240 F 18 F n T F 6250 400 8 250 2 0 8 L 0 1 L F 0 0' \
  'PANEL no name TFT 320 240' >"$corpus/paneldef/no-name.DEF"
printf '%s\n' 'PANEL "never closed TFT 320 240 F 18 F n T F 6250 400 8 250 2 0 8 L 0 1 L F 0 0' \
  >"$corpus/paneldef/name-not-closed.DEF"

# Headers written by the export: as written, and cut inside the register list.
"$bin/qlccfg" export appcfg "$bin/56420bmp" -o "$corpus/appcfg_import/appcfg.h"
grep -n 'Registers \*/' "$corpus/appcfg_import/appcfg.h" | head -1 | cut -d: -f1 |
  { read -r line; head -n $((line + 5)) "$corpus/appcfg_import/appcfg.h"; } \
    >"$corpus/appcfg_import/cut-in-register-list.h"
# Headers changed by hand: the older bus clock label with CR LF line ends, a
# full list closed by its brace, registers outside the catalogue or the
# record's list, every flag name, a value without digits, a line longer
# than the reader's buffer, and headers that stop before each marker.
python3 - "$corpus/appcfg_import/appcfg.h" "$corpus/appcfg_import" <<'EOF'
import sys
header = open(sys.argv[1]).read()
folder = sys.argv[2]
lines = header.split('\n')

def replaced(text, pairs):
    for old, new in pairs:
        assert old in text, old
        text = text.replace(old, new, 1)
    return text

def up_to(marker):
    return '\n'.join(line for line in lines[:next(i for i, l in enumerate(lines) if marker in l)])

flags = '0 | fVALID_LCD | fFIXED_CLKI | fFIXED_CLKI2 | fFIXED_DIVMCLK | fFIXED_DIVPCLK'
files = {
    'older-label-crlf.h': replaced(header, [('/* BCLK (kHz)', '/* Bus Clock (kHz)')])
                          .replace('\n', '\r\n'),
    'full-list.h': '\n'.join(l for l in lines if 'FINISHED_REG_CFG' not in l),
    'other-registers.h': replaced(header, [
        ('0 | fVALID_LCD,', flags + ','),
        ('{REG_PCLK_CONFIG               ,0x43}',
         '{REG_REVISION_CODE ,0X7F}, {REG_NOT_A_REGISTER,0x01}, {REG_PCLK_CONFIG,0x43}'),
        ('0x00000000,        /* Registers', '0x' + 'f' * 1100 + ',  /* Registers'),
    ]),
    'value-without-digits.h': replaced(header, [('{REG_HDP                       ,0x27}',
                                                 '{REG_HDP ,0xg7}')]),
    'no-flags.h': up_to('/* Flags */'),
    'no-registers.h': up_to('/* Registers */'),
    'no-id.h': up_to('"5642 HAL EXE"'),
}
for name, text in files.items():
    open(folder + '/' + name, 'w', newline='').write(text)
EOF

# Bitmaps: the sample maker's, ImageMagick's (1 and 4 bits, a small palette, RLE8, 5-6-5 and
# 5-5-5 bit fields, 24 bits, a large header; and 32 bits and the OS/2 header, which are
# refused) and a run-length 4-bit file with a delta.
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
convert -size 9x5 gradient:red-blue -colors 16 -type palette BMP3:"$corpus/bmp/magick-4.bmp"
convert -size 9x5 gradient:red-blue -define bmp:subtype=RGB555 BMP:"$corpus/bmp/magick-555.bmp"
convert -size 9x5 gradient:red-blue -define bmp:subtype=RGB565 BMP3:"$corpus/bmp/magick-bmp3-565.bmp"
convert -size 9x5 gradient:red-blue -type truecolormatte BMP:"$corpus/bmp/magick-32.bmp"
convert -size 9x5 gradient:red-blue BMP2:"$corpus/bmp/magick-os2.bmp"
# Written here where no tool writes them: 2 bits, top-down rows, bit-field
# masks behind a 40-byte header, an information header larger than the
# reader's first read, a pixel offset of 0, and run-length data with every
# escape, with runs beyond the right edge, and cut inside an escape.
python3 - "$corpus/bmp" <<'EOF'
import struct, sys
folder = sys.argv[1]

def bmp(name, width, height, depth, pixels, compression=0, info_size=40, colours=0,
        masks=b'', offset=None):
    palette = b''.join(bytes((i * 40 % 256, 255 - i * 16 % 256, i * 8 % 256, 0))
                       for i in range(colours))
    table = masks + palette
    if offset is None:
        offset = 14 + info_size + len(table)
    info = struct.pack('<IiiHHIIiiII', info_size, width, height, 1, depth, compression,
                       len(pixels), 2835, 2835, colours, 0).ljust(info_size, b'\0')
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(table) + len(pixels), 0, 0, offset)
    open(folder + '/' + name, 'wb').write(head + info + table + pixels)

def rows(width, height, depth):
    length = (width * depth + 31) // 32 * 4
    return bytes((i * 37 + 11) & 0xFF for i in range(length * abs(height)))

bmp('plain-2.bmp', 7, 3, 2, rows(7, 3, 2), colours=3)
bmp('top-down-24.bmp', 5, -3, 24, rows(5, 3, 24), offset=0)
bmp('top-down-16.bmp', 5, -3, 16, rows(5, 3, 16))
bmp('bit-fields-behind-header.bmp', 6, 4, 16, rows(6, 4, 16), compression=3,
    masks=struct.pack('<III', 0xF800, 0x07E0, 0x001F))
bmp('large-header.bmp', 4, 2, 8, rows(4, 2, 8), info_size=200, colours=256)
escapes = bytes([4, 1, 0, 3, 2, 3, 1, 0, 0, 2, 2, 1, 200, 3, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1, 9, 9])
bmp('rle8-escapes.bmp', 12, 5, 8, escapes, compression=1, colours=4)
bmp('rle8-no-end.bmp', 12, 2, 8, bytes([3, 1, 0, 0, 5, 2]), compression=1, colours=4)
bmp('rle8-cut-delta.bmp', 12, 2, 8, bytes([3, 1, 0, 2]), compression=1, colours=4)
bmp('rle4-cut-run.bmp', 12, 2, 4, bytes([3, 0x12, 0, 9, 0x12, 0x34]), compression=2, colours=16)
EOF

# Entry texts and qlccfg assignments.
printf '%s' '12.500' >"$corpus/text_read/decimals"
printf '%s' ' 1 2.3.45' >"$corpus/text_read/blanks-and-points"
printf '%s' '4294967295' >"$corpus/text_read/largest"
printf '%s' '  ffFF0000' >"$corpus/text_read/hex"
printf '%s' '0000000000000000000000000000000000000001' >"$corpus/text_read/past-39"
printf '%s' 'PROGRAM.s9' >"$corpus/text_read/file-name"
printf '%s' 'Width=320' >"$corpus/assignment/panel-width"
printf '%s' 'PixelClock= 6.250   (50.000/8)' >"$corpus/assignment/pixel-clock"
printf '%s' 'REG_HDP=0x1e' >"$corpus/assignment/register-symbol"
printf '%s' '14h=27' >"$corpus/assignment/register-index"
printf '%s' 'Flags=fFIXED_CLKI|fFIXED_CLKI2' >"$corpus/assignment/flags"
printf '%s' 'ClkI=25175' >"$corpus/assignment/clock"
printf '%s' 'PowerOnDelay=70000' >"$corpus/assignment/delay-too-long"
printf '%s' '0x1FF=1' >"$corpus/assignment/index-beyond-ff"
printf '%s' 'reg_nothing=1' >"$corpus/assignment/unknown-name"
printf '%s' 'Width=3.5' >"$corpus/assignment/not-a-number"
printf '%s' 'Flags=fVALID_LCD|fNOTHING' >"$corpus/assignment/unknown-flag"
printf '%s' 'REG_HDP=0xZZ' >"$corpus/assignment/register-not-a-number"
printf '%s' '=5' >"$corpus/assignment/no-name"

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
# The flags X passes over, and one a panel cannot take.
printf 'Modeline "320x240" 6.25 320 330 338 352 240 250 251 251 +hsync -vsync hskew 2 vscan 1 +csync bcast\n' \
  >"$corpus/timing_source/flags.txt"
printf 'Modeline "320x240d" 6.25 320 330 338 352 240 250 251 251 doublescan\n' \
  >"$corpus/timing_source/doublescan.txt"

du -sh "$corpus"
