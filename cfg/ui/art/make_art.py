#!/usr/bin/env python3
"""Draws the configurator's program icon and About-box logo.

Usage: make_art.py ICON_FILE LOGO_FILE

The icon is a Windows .ico with 16, 24, 32, 48 and 64 pixel images (32-bit
colour with alpha); the logo is an 8-bit palette bitmap on white, the colour
the About box draws as transparent. Everything is drawn here from simple
shapes, anti-aliased by sampling each pixel 4 x 4 times.
"""
import struct
import sys

SAMPLES = 4

BEZEL = (22, 36, 84)
BEZEL_EDGE = (10, 18, 48)
SCREEN_TOP = (40, 170, 220)
SCREEN_BOTTOM = (20, 70, 160)
SLIDER = (235, 245, 255)
KNOB = (255, 200, 40)
STAND = (90, 100, 120)


def rounded_rect(x, y, left, top, right, bottom, radius):
    """Whether point (x, y) lies in the rectangle with rounded corners."""
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def panel_colour(u, v):
    """Colour of the panel glyph at (u, v) in a unit square, or None."""
    # Stand below the panel.
    if rounded_rect(u, v, 0.40, 0.78, 0.60, 0.90, 0.02) or rounded_rect(u, v, 0.26, 0.86, 0.74, 0.94, 0.03):
        return STAND
    if not rounded_rect(u, v, 0.04, 0.08, 0.96, 0.82, 0.08):
        return None
    if not rounded_rect(u, v, 0.10, 0.14, 0.90, 0.72, 0.03):
        edge = not rounded_rect(u, v, 0.06, 0.10, 0.94, 0.80, 0.07)
        return BEZEL_EDGE if edge else BEZEL
    # Screen: a vertical gradient with three slider rows.
    colour = mix(SCREEN_TOP, SCREEN_BOTTOM, (v - 0.14) / 0.58)
    for row, knob in ((0.27, 0.68), (0.43, 0.34), (0.59, 0.55)):
        if (u - knob) ** 2 + (v - row) ** 2 <= 0.055 ** 2:
            return KNOB
        if 0.17 <= u <= 0.83 and abs(v - row) <= 0.018:
            return SLIDER
    return colour


def render(width, height, shade):
    """Pixels (r, g, b, a) row by row from the top; shade(u, v) gives a colour or None."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (px + (sx + 0.5) / SAMPLES) / width
                    v = (py + (sy + 0.5) / SAMPLES) / height
                    colour = shade(u, v)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered:
                row.append(tuple(total[i] // covered for i in range(3)) + (covered * 255 // SAMPLES ** 2,))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon directory image: BITMAPINFOHEADER, BGRA bottom-up, AND mask."""
    pixels = render(size, size, panel_colour)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return bytes(header + colour + mask)


def write_icon(path, sizes=(16, 24, 32, 48, 64)):
    images = [icon_image(size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(path, "wb") as out:
        out.write(data + b"".join(images))


# Digits of the logo, 5 x 7 cells.
DIGITS = {
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
}
LOGO_TEXT = "56420"
LOGO_TEXT_COLOUR = (0, 0, 175)


def logo_colour(u, v):
    # The panel in the upper part, the chip number underneath.
    if v < 0.70:
        return panel_colour((u - 0.18) / 0.64, v / 0.70)
    left, top, cell_w, cell_h = 0.08, 0.74, 0.84 / (len(LOGO_TEXT) * 6 - 1), 0.24 / 7
    col = int((u - left) / cell_w)
    line = int((v - top) / cell_h)
    if u < left or col >= len(LOGO_TEXT) * 6 or line < 0 or line >= 7:
        return None
    glyph, x = divmod(col, 6)
    if x == 5:
        return None
    return LOGO_TEXT_COLOUR if DIGITS[LOGO_TEXT[glyph]][line][x] == "1" else None


def cube_index(colour):
    """Index in the 6 x 6 x 6 colour cube of the palette."""
    r, g, b = (min(5, (c * 5 + 127) // 255) for c in colour)
    return r * 36 + g * 6 + b


def write_logo(path, width=72, height=64):
    pixels = render(width, height, logo_colour)
    palette = bytearray()
    for i in range(216):
        r, g, b = i // 36, (i // 6) % 6, i % 6
        palette += bytes((b * 51, g * 51, r * 51, 0))
    white = cube_index((255, 255, 255))
    stride = (width + 3) & ~3
    bits = bytearray()
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, (r, g, b, a) in enumerate(row):
            # Blend onto white: the About box draws white as transparent.
            colour = tuple((c * a + 255 * (255 - a)) // 255 for c in (r, g, b))
            line[x] = cube_index(colour) if a else white
        bits += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(bits), 2835, 2835, 216, 216)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    with open(path, "wb") as out:
        out.write(header + info + palette + bits)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    write_icon(sys.argv[1])
    write_logo(sys.argv[2])
