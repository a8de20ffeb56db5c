#!/usr/bin/python3
"""Draws the program's icon: a white key with a red Kai character 五 on the
index window's light orange, and the yellow code tip with "GG" at its corner.

Writes, next to this script:
  tovrik.svg             the scalable picture, on a 32-unit grid. The two
                         glyphs are outlines taken from the installed Kai and
                         DejaVu Sans Bold fonts, so it draws the same everywhere.
  tovrik-<N>.png         N = 32, 48, 64, 128, 256: the same picture rendered by
                         rsvg-convert, its boxes fitted to whole pixels.
  tovrik-16.png, -24.png drawn pixel by pixel below, so the character and the
                         tip stay legible at those sizes.
  tovrik-pixels.h        the pixels of the 16, 32 and 48 PNGs as C++ arrays,
                         compiled into the program as its window icon.

Needs python3-fonttools, librsvg2-bin and the fonts-arphic-gkai00mp and
fonts-dejavu-core packages. The build uses only the files it writes.
"""

import logging
import os
import struct
import subprocess
import zlib

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
KAI = "/usr/share/fonts/truetype/arphic-gkai00mp/gkai00mp.ttf"
SANS_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

ORANGE, GREY, WHITE, RED = "#FFE0C0", "#808080", "#FFFFFF", "#D00000"
YELLOW, DARK, BLACK = "#FFFF80", "#404040", "#000000"


def number(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def outline(font_file, text, pixels, x, baseline):
    """The SVG path of text set at the given pixel size from (x, baseline)."""
    font = TTFont(font_file, lazy=True)
    glyphs = font.getGlyphSet()
    cmap = font.getBestCmap()
    scale = pixels / font["head"].unitsPerEm
    pen = SVGPathPen(glyphs, ntos=number)
    for ch in text:
        name = cmap[ord(ch)]
        glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale, x, baseline)))
        x += font["hmtx"][name][0] * scale
    return pen.getCommands()


def svg(size, kai, gg):
    """The picture at size x size pixels. The key and the tip are boxes with a
    border of whole pixels on whole-pixel edges; the glyphs scale freely."""
    k = size / 32
    border = max(1, round(k))

    def box(x0, y0, x1, y1, fill, stroke):
        a, b, c, d = (round(v * k) for v in (x0, y0, x1, y1))
        h = border / 2
        return (f'<rect x="{a + h:g}" y="{b + h:g}" width="{c - a - border:g}" height="{d - b - border:g}" '
                f'fill="{fill}" stroke="{stroke}" stroke-width="{border}"/>')

    scaled = "" if size == 32 else f' transform="scale({k:g})"'
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">
  <rect width="{size}" height="{size}" fill="{ORANGE}"/>
  {box(1, 1, 25, 25, WHITE, GREY)}
  <path{scaled} fill="{RED}" stroke="{RED}" stroke-linejoin="round" d="{kai}"/>
  {box(14, 20, 32, 32, YELLOW, DARK)}
  <path{scaled} fill="{BLACK}" d="{gg}"/>
</svg>
"""


# The small sizes, pixel by pixel: O orange, K grey border, W white, R red,
# D dark border, Y yellow, B black.
BY_HAND = {
    16: """
OOOOOOOOOOOOOOOO
OKKKKKKKKKKKKOOO
OKWWWWWWWWWWKOOO
OKWWRRRRRRWWKOOO
OKWWWWRWWWWWKOOO
OKWWWRRRRRWWKOOO
OKWWWWRWWRWWKOOO
OKWWWWRWWRWWKOOO
OKWRRRRRRRRRKOOO
OKWWWWDDDDDDDDDD
OKWWWWDYYYYYYYYD
OKWWWWDYBBBYBBBD
OKKKKKDYBYYYBYYD
OOOOOODYBYBYBYBD
OOOOOODYBBBYBBBD
OOOOOODDDDDDDDDD
""",
    24: """
OOOOOOOOOOOOOOOOOOOOOOOO
OKKKKKKKKKKKKKKKKKKOOOOO
OKWWWWWWWWWWWWWWWWKOOOOO
OKWWWWWWRRRRRRRRWWKOOOOO
OKWWWWRRRRRRRRRRWWKOOOOO
OKWWWWWWWRRWWWWWWWKOOOOO
OKWWWWWWWRRWWWWWWWKOOOOO
OKWWWWWWWRRRRRRRWWKOOOOO
OKWWWWWRRRRRRRRRWWKOOOOO
OKWWWWWWRRWWWWRRWWKOOOOO
OKWWWWWWRRWWWWRRWWKOOOOO
OKWWWWWWRRWWWWRRWWKOOOOO
OKWWWRRRRRRRRRRRRRKOOOOO
OKRRRRRRRRRRRRRRRRKOOOOO
OKWWWWWWWWWWWWWWWWKOOOOO
OKWWWWWWWWDDDDDDDDDDDDDD
OKWWWWWWWWDYYYYYYYYYYYYD
OKWWWWWWWWDYYBBBYYBBBYYD
OKKKKKKKKKDYBYYYYBYYYYYD
OOOOOOOOOODYBYBBYBYBBYYD
OOOOOOOOOODYBYYBYBYYBYYD
OOOOOOOOOODYYBBBYYBBBYYD
OOOOOOOOOODYYYYYYYYYYYYD
OOOOOOOOOODDDDDDDDDDDDDD
""",
}
PALETTE = {"O": ORANGE, "K": GREY, "W": WHITE, "R": RED, "D": DARK, "Y": YELLOW, "B": BLACK}


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def write_png(path, rows):
    """Writes rows of (r, g, b) pixels as an 8-bit RGB PNG."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                chunk(b"IEND", b""))


def read_png(path):
    """The rows of (r, g, b) pixels of an opaque 8-bit RGB or RGBA PNG."""
    data = open(path, "rb").read()
    pos, idat = 8, b""
    while pos < len(data):
        n, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        pos += 12 + n
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    assert depth == 8 and colour in (2, 6) and interlace == 0, path
    bpp = 4 if colour == 6 else 3
    raw, stride, rows, prev, i = zlib.decompress(idat), width * bpp, [], bytearray(width * bpp), 0
    for _ in range(height):
        kind, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, bpp)])
        assert bpp == 3 or all(line[x + 3] == 255 for x in range(0, stride, bpp)), path + " is not opaque"
        prev = line
    return rows


def write_pixels(path, pictures):
    """Writes the pixels of each picture as a C++ array of 0xAARRGGBB values."""
    with open(path, "w") as f:
        f.write("// Written by make-icon.py: the window icon's pixels as 0xAARRGGBB, row by row.\n")
        f.write("#pragma once\n\n#include <cstdint>\n\nnamespace tovrik::icon {\n")
        for name, rows in pictures:
            values = [f"0xff{r:02x}{g:02x}{b:02x}" for row in rows for (r, g, b) in row]
            f.write(f"\ninline constexpr std::uint32_t {name}[{len(rows)} * {len(rows[0])}] = {{\n")
            for i in range(0, len(values), 8):
                f.write("    " + ", ".join(values[i:i + 8]) + ",\n")
            f.write("};\n")
        f.write("\n} // namespace tovrik::icon\n")


def main():
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # the Kai font's table padding
    kai = outline(KAI, "五", 22, 2, 21)
    gg = outline(SANS_BOLD, "GG", 9, 15, 30)
    with open(os.path.join(HERE, "tovrik.svg"), "w") as f:
        f.write(svg(32, kai, gg))
    for size in (32, 48, 64, 128, 256):
        subprocess.run(["rsvg-convert", "-o", os.path.join(HERE, f"tovrik-{size}.png")],
                       input=svg(size, kai, gg).encode(), check=True)
    for size, picture in BY_HAND.items():
        rows = [[rgb(PALETTE[c]) for c in line] for line in picture.split()]
        assert len(rows) == size and all(len(row) == size for row in rows), size
        write_png(os.path.join(HERE, f"tovrik-{size}.png"), rows)
    write_pixels(os.path.join(HERE, "tovrik-pixels.h"),
                 [(f"pixels{size}", read_png(os.path.join(HERE, f"tovrik-{size}.png"))) for size in (16, 32, 48)])


if __name__ == "__main__":
    main()
