#!/usr/bin/env python3
"""Draws the pictures of the setup windows: the first-launch banner and the about box's two
buttons (web page, mail).

Writes 24-bit BMP files; magenta pixels of the button pictures are transparent. Shapes are
tested at each pixel's centre, so edges stay crisp. Run it again after a change:
    python3 res/setup/make_bitmaps.py
"""

import math
import os
import struct

WHITE = (255, 255, 255)
ENVELOPE = (255, 240, 190)
# Transparent in image lists: the button face shows through.
CLEAR = (255, 0, 255)
NAVY = (20, 40, 110)
BLUE = (50, 100, 200)
SKY = (150, 190, 240)
GREEN = (40, 150, 60)
YELLOW = (245, 205, 50)
DARK = (50, 50, 50)


class Picture:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    def paint(self, inside, color):
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.rows[y][x] = color

    def box(self, x0, y0, x1, y1, color):
        self.paint(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, color)

    def disc(self, cx, cy, r, color):
        self.paint(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, color)

    def band(self, x0, y0, x1, y1, half_width, color):
        """A straight stroke from (x0, y0) to (x1, y1)."""
        length = math.hypot(x1 - x0, y1 - y0)

        def inside(x, y):
            t = ((x - x0) * (x1 - x0) + (y - y0) * (y1 - y0)) / (length * length)
            if not 0 <= t <= 1:
                return False
            px, py = x0 + t * (x1 - x0), y0 + t * (y1 - y0)
            return math.hypot(x - px, y - py) <= half_width

        self.paint(inside, color)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.rows):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            data += line + bytes(stride - len(line))
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data),
                           4724, 4724, 0, 0)
        with open(path, "wb") as out:
            out.write(header + info + data)


# Capital letters on a 5 by 7 grid, for the few words the pictures carry.
GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01110"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "X": ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    " ": ["00000"] * 7,
}


def write(p, left, top, text, scale, color):
    for ch in text:
        for row, bits in enumerate(GLYPHS[ch]):
            for col, bit in enumerate(bits):
                if bit == "1":
                    x, y = left + col * scale, top + row * scale
                    p.box(x, y, x + scale, y + scale, color)
        left += 6 * scale


def shield(p, cx, top, size, color):
    """A guard's shield: square top, pointed bottom."""
    half = size / 2

    def inside(x, y):
        if y < top or y > top + size * 1.2:
            return False
        if y <= top + size * 0.6:
            return abs(x - cx) <= half
        rest = (top + size * 1.2 - y) / (size * 0.6)
        return abs(x - cx) <= half * rest

    p.paint(inside, color)


def banner():
    p = Picture(440, 80, WHITE)
    for y in range(80):
        shade = tuple(int(a + (b - a) * y / 79) for a, b in zip(SKY, WHITE))
        p.rows[y] = [shade] * 440
    p.box(0, 62, 440, 80, NAVY)
    shield(p, 60, 8, 44, NAVY)
    shield(p, 60, 12, 36, BLUE)
    p.band(46, 34, 56, 44, 3, WHITE)
    p.band(56, 44, 76, 22, 3, WHITE)
    write(p, 112, 12, "TARNIX II", 5, NAVY)
    for i, color in enumerate((GREEN, YELLOW, BLUE, GREEN, YELLOW)):
        p.box(112 + i * 62, 66, 160 + i * 62, 75, color)
    return p


def web_button():
    p = Picture(200, 32, CLEAR)
    p.disc(18, 16, 13, BLUE)
    p.paint(lambda x, y: abs(math.hypot(x - 18, y - 16) - 13) < 1.2, NAVY)
    p.paint(lambda x, y: abs(y - 16) < 0.8 and abs(x - 18) < 13, WHITE)
    p.paint(lambda x, y: abs(x - 18) < 0.8 and abs(y - 16) < 13, WHITE)
    p.paint(lambda x, y: abs(((x - 18) / 6) ** 2 + ((y - 16) / 13) ** 2 - 1) < 0.12, WHITE)
    write(p, 44, 9, "WEB PAGE", 2, NAVY)
    return p


def mail_button():
    p = Picture(200, 32, CLEAR)
    p.box(5, 7, 31, 25, ENVELOPE)
    p.paint(lambda x, y: (5 <= x <= 31 and y in range(7, 26)) and
            (x < 6 or x > 30 or y < 8 or y > 24), DARK)
    p.band(5, 7, 18, 17, 0.8, DARK)
    p.band(18, 17, 31, 7, 0.8, DARK)
    write(p, 44, 9, "MAIL", 2, DARK)
    return p


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, picture in (("first_banner", banner()), ("about_web", web_button()),
                          ("about_mail", mail_button())):
        picture.save(os.path.join(here, name + ".bmp"))


if __name__ == "__main__":
    main()
