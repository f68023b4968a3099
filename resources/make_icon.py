#!/usr/bin/env python3
"""Writes the program icon, resources/app.ico.

The picture is a plain identity card: a rounded card with a photo box on the
left and a few lines of text on the right. The file holds seven images, each a
BMP device-independent bitmap followed by its 1-bit AND mask:

    16x16 8 bpp, 16x16 24 bpp, 32x32 8 bpp, 32x32 24 bpp,
    32x32 24 bpp (the card with a check mark), 48x48 24 bpp, 48x48 32 bpp.

The output depends on nothing but this script, so running it again gives the
same bytes. Usage: make_icon.py [OUTPUT]   (default: app.ico beside the script)
"""

import os
import struct
import sys

SUPERSAMPLE = 4  # samples per pixel along each axis in the true-colour images

# Colours (red, green, blue).
CARD_FILL = (238, 244, 250)
CARD_EDGE = (40, 78, 140)
HEADER = (64, 112, 184)
PHOTO_FILL = (190, 208, 230)
PERSON = (72, 102, 150)
TEXT_LINE = (110, 120, 135)
CHECK = (24, 150, 60)


def palette_256():
    """A fixed palette: black, the picture's own colours, the 6x6x6 colour
    cube, then greys up to 256 entries."""
    colours = [(0, 0, 0), CARD_FILL, CARD_EDGE, HEADER, PHOTO_FILL, PERSON, TEXT_LINE, CHECK]
    colours += [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    greys = 256 - len(colours)
    colours += [(round((i + 1) * 255 / (greys + 1)),) * 3 for i in range(greys)]
    return colours


def snap(value, size):
    """A position in card units (0..1) rounded to a whole pixel, in units."""
    return round(value * size) / size


class Picture:
    """The card drawn as layers of shapes, sampled at points in units (0..1)."""

    def __init__(self, size, check_mark):
        s = size
        self.size = size
        self.check_mark = check_mark
        edge = {16: 1.0, 32: 1.5, 48: 2.0}[size] / s
        # Card: a rounded rectangle in ID-card proportions.
        self.card = (snap(0.03, s), snap(0.17, s), snap(0.97, s), snap(0.83, s))
        self.radius = max(2.0 / s, 0.09)
        self.edge = edge
        left, top, right, _ = self.card
        self.header = (left, top, right, snap(0.30, s))
        # Photo box on the left, a head and shoulders inside it.
        self.photo = (snap(0.11, s), snap(0.38, s), snap(0.42, s), snap(0.75, s))
        px0, py0, px1, py1 = self.photo
        self.head = ((px0 + px1) / 2, py0 + (py1 - py0) * 0.38, (px1 - px0) * 0.21)
        self.shoulders = ((px0 + px1) / 2, py1 + (py1 - py0) * 0.08, (px1 - px0) * 0.42)
        # Text lines on the right: at least one pixel high.
        line = max(1.0 / s, snap(0.06, s))
        self.lines = []
        for y, right_end in ((0.42, 0.88), (0.54, 0.88), (0.66, 0.74)):
            y0 = snap(y, s)
            self.lines.append((snap(0.50, s), y0, snap(right_end, s), y0 + line))

    def _in_rounded(self, x, y, rect, radius):
        x0, y0, x1, y1 = rect
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    @staticmethod
    def _in_rect(x, y, rect):
        x0, y0, x1, y1 = rect
        return x0 <= x < x1 and y0 <= y < y1

    @staticmethod
    def _in_circle(x, y, circle):
        cx, cy, r = circle
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    def _in_check(self, x, y):
        """A thick check mark over the lower right corner."""
        def near_segment(ax, ay, bx, by, width):
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= width * width
        return (near_segment(0.52, 0.70, 0.66, 0.86, 0.075)
                or near_segment(0.66, 0.86, 0.94, 0.50, 0.075))

    def sample(self, x, y):
        """Colour and opacity (0 or 1) at one point."""
        if self.check_mark and self._in_check(x, y):
            return CHECK, 1
        if not self._in_rounded(x, y, self.card, self.radius):
            return (0, 0, 0), 0
        e = self.edge
        x0, y0, x1, y1 = self.card
        inner = (x0 + e, y0 + e, x1 - e, y1 - e)
        if not self._in_rounded(x, y, inner, max(self.radius - e, 0.0)):
            return CARD_EDGE, 1
        if self._in_rect(x, y, self.header):
            return HEADER, 1
        if self._in_rect(x, y, self.photo):
            px0, py0, px1, py1 = self.photo
            if self._in_circle(x, y, self.head) or self._in_circle(x, y, self.shoulders):
                return PERSON, 1
            return PHOTO_FILL, 1
        for line in self.lines:
            if self._in_rect(x, y, line):
                return TEXT_LINE, 1
        return CARD_FILL, 1

    def render(self, n):
        """Rows top to bottom of (red, green, blue, alpha) pixels, 8 bits each,
        with n x n samples per pixel."""
        rows = []
        for py in range(self.size):
            row = []
            for px in range(self.size):
                r = g = b = covered = 0
                for sy in range(n):
                    for sx in range(n):
                        x = (px + (sx + 0.5) / n) / self.size
                        y = (py + (sy + 0.5) / n) / self.size
                        colour, opaque = self.sample(x, y)
                        if opaque:
                            covered += 1
                            r += colour[0]
                            g += colour[1]
                            b += colour[2]
                if covered:
                    pixel = (round(r / covered), round(g / covered), round(b / covered),
                             round(255 * covered / (n * n)))
                else:
                    pixel = (0, 0, 0, 0)
                row.append(pixel)
            rows.append(row)
        return rows


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][k] - colour[k]) ** 2 for k in range(3)))


def dib(rows, bits):
    """One icon image: BITMAPINFOHEADER, palette, XOR bitmap, AND mask."""
    size = len(rows)
    # Pixels at least half covered are opaque in the 8 and 24 bpp images; the
    # 32 bpp image carries the coverage as alpha and masks only the empty ones.
    if bits == 32:
        transparent = [[p[3] == 0 for p in row] for row in rows]
    else:
        transparent = [[p[3] < 128 for p in row] for row in rows]
    palette = palette_256() if bits == 8 else []
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, bits, 0, 0, 0, 0,
                         len(palette), 0)
    out = bytearray(header)
    for r, g, b in palette:
        out += bytes((b, g, r, 0))
    cache = {}
    for y in reversed(range(size)):  # bottom-up
        line = bytearray()
        for x, (r, g, b, a) in enumerate(rows[y]):
            if bits != 32 and transparent[y][x]:
                r = g = b = 0
            if bits == 8:
                key = (r, g, b)
                if key not in cache:
                    cache[key] = nearest(palette, key)
                line.append(cache[key])
            elif bits == 24:
                line += bytes((b, g, r))
            else:
                line += bytes((b, g, r, a))
        line += bytes(-len(line) % 4)
        out += line
    for y in reversed(range(size)):
        line = bytearray((size + 7) // 8)
        for x in range(size):
            if transparent[y][x]:
                line[x // 8] |= 0x80 >> (x % 8)
        line += bytes(-len(line) % 4)
        out += line
    return bytes(out)


IMAGES = [  # (size, bits per pixel, with check mark)
    (16, 8, False),
    (16, 24, False),
    (32, 8, False),
    (32, 24, False),
    (32, 24, True),
    (48, 24, False),
    (48, 32, False),
]


def build_icon():
    images = []
    for size, bits, check in IMAGES:
        # The palette images are drawn without smoothing: blended edge colours
        # would only come out as stray palette entries.
        samples = 1 if bits == 8 else SUPERSAMPLE
        rows = Picture(size, check).render(samples)
        images.append((size, bits, dib(rows, bits)))
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        colours = 0  # 0 for 256 colours and more
        out += struct.pack('<BBBBHHII', size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return bytes(out)


def main(argv):
    target = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                         'app.ico')
    with open(target, 'wb') as f:
        f.write(build_icon())


if __name__ == '__main__':
    main(sys.argv)
