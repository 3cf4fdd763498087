#!/usr/bin/env python3
"""Draws the evaluator's 32x32, 16-colour icon and writes it twice: as an XPM
that the program compiles in, and as a 4-bit indexed PNG that is installed for
the desktop. Run it again after changing the drawing; both files are kept in
the repository so that building needs no Python."""

import math
import os
import struct
import zlib

SIZE = 32

# The classic 16-colour VGA palette; index 0 is reserved for transparency, so
# the icon uses at most 15 colours plus the mask, as a 16-colour icon may.
PALETTE = {
    ".": None,  # transparent
    "k": (0x00, 0x00, 0x00),
    "n": (0x00, 0x00, 0x80),
    "b": (0x00, 0x00, 0xFF),
    "t": (0x00, 0x80, 0x80),
    "a": (0x00, 0xFF, 0xFF),
    "s": (0xC0, 0xC0, 0xC0),
    "g": (0x80, 0x80, 0x80),
    "w": (0xFF, 0xFF, 0xFF),
    "y": (0xFF, 0xFF, 0x00),
    "r": (0xFF, 0x00, 0x00),
}


def draw():
    """Returns 32 rows of palette keys: a navy tile with a bevel, a white
    ring with a tail (the Q of Quorvane) and a yellow equals sign inside."""
    px = [["." for _ in range(SIZE)] for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            # Rounded tile from 1 to 30 with a corner radius of 4.
            cx = min(max(x, 5), 26)
            cy = min(max(y, 5), 26)
            if (x - cx) ** 2 + (y - cy) ** 2 > 16 or not (1 <= x <= 30 and 1 <= y <= 30):
                continue
            edge = (x - cx) ** 2 + (y - cy) ** 2 > 9 or x in (1, 30) or y in (1, 30)
            if edge:
                px[y][x] = "a" if x + y < SIZE else "k"
            else:
                px[y][x] = "n" if x + y > 24 else "b"
    # The ring: centre (15, 14.5), radii 6.5 to 10.
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - 15.0, y - 14.5)
            if 6.5 <= d <= 10.0:
                px[y][x] = "w" if d < 9.0 else "s"
    # The tail of the Q, a thick diagonal to the lower right.
    for i in range(8):
        for w in range(3):
            x, y = 19 + i, 20 + i - 1 + w
            if 2 <= x <= 28 and 2 <= y <= 28:
                px[y][x] = "w" if w < 2 else "s"
    # The equals sign in the middle.
    for x in range(11, 20):
        for y in (11, 12, 16, 17):
            px[y][x] = "y"
    for x in range(12, 21):
        for y in (13, 18):
            if px[y][x] == "y":
                continue
            px[y][x] = "k"
    return ["".join(row) for row in px]


def write_xpm(rows, path):
    keys = sorted({c for row in rows for c in row})
    lines = ["/* XPM */", "// The program icon, drawn by app/icon/make_icon.py.",
             "static const char* const QuorvaneEvaluatorIcon[] = {",
             f'"{SIZE} {SIZE} {len(keys)} 1",']
    for k in keys:
        colour = PALETTE[k]
        value = "None" if colour is None else "#%02X%02X%02X" % colour
        lines.append(f'"{k} c {value}",')
    for i, row in enumerate(rows):
        lines.append(f'"{row}"' + ("," if i + 1 < len(rows) else ""))
    lines.append("};")
    with open(path, "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")


def write_png(rows, path):
    keys = ["."] + sorted({c for row in rows for c in row} - {"."})
    assert len(keys) <= 16
    index = {k: i for i, k in enumerate(keys)}
    plte = b"".join(bytes(PALETTE[k] or (0, 0, 0)) for k in keys)
    trns = bytes([0] + [255] * (len(keys) - 1))
    raw = b""
    for row in rows:
        line = bytearray([0])
        for x in range(0, SIZE, 2):
            line.append(index[row[x]] << 4 | index[row[x + 1]])
        raw += bytes(line)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0))
    png += chunk(b"PLTE", plte)
    png += chunk(b"tRNS", trns)
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    rows = draw()
    write_xpm(rows, os.path.join(here, "quorvane-evaluator.xpm"))
    write_png(rows, os.path.join(here, "quorvane-evaluator.png"))
