#!/usr/bin/env python3
"""Draws the program's toolbar pictures, service-state dots and icon.

Writes 24-bit BMP files whose magenta (255, 0, 255) pixels are transparent, and tarnix2.ico
(32 by 32, 32-bit with alpha). Shapes are tested at each pixel's centre, without smoothing,
so no edge pixel is a blend with the transparent colour. Run it again after a change:
    python3 res/app/make_bitmaps.py
"""

import math
import os
import struct

CLEAR = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
DARK = (64, 64, 64)
GREY = (128, 128, 128)
LIGHT = (200, 200, 200)
RED = (210, 30, 30)
DARK_RED = (130, 10, 10)
GREEN = (30, 160, 40)
DARK_GREEN = (10, 90, 20)
BLUE = (40, 90, 200)
DARK_BLUE = (20, 40, 120)
NAVY = (20, 30, 90)
YELLOW = (240, 200, 40)
ORANGE = (230, 140, 40)
PINK = (240, 150, 170)
BROWN = (140, 90, 40)
DARK_BROWN = (90, 55, 20)
GLASS = (170, 215, 245)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, inside, color):
        for y in range(self.size):
            for x in range(self.size):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = color

    def rect(self, x0, y0, x1, y1, color):
        self.fill(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, color)

    def disc(self, cx, cy, r, color):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, color)

    def ring(self, cx, cy, r_in, r_out, color, start=0.0, end=360.0):
        """Part of a ring; angles in degrees, 0 to the right, counted clockwise on screen."""

        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            if not r_in <= d <= r_out:
                return False
            a = math.degrees(math.atan2(y - cy, x - cx)) % 360
            return (a - start) % 360 <= (end - start) % 360 or end - start >= 360

        self.fill(inside, color)

    def line(self, x0, y0, x1, y1, width, color):
        def inside(x, y):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
            return math.hypot(x - x0 - t * dx, y - y0 - t * dy) <= width / 2

        self.fill(inside, color)

    def polygon(self, points, color):
        def inside(x, y):
            result = False
            j = len(points) - 1
            for i, (xi, yi) in enumerate(points):
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    result = not result
                j = i
            return result

        self.fill(inside, color)

    def outlined_polygon(self, points, color, edge=BLACK):
        self.polygon(points, color)
        for a, b in zip(points, points[1:] + points[:1]):
            self.line(a[0], a[1], b[0], b[1], 1.0, edge)


def scaled(points, s):
    return [(x * s, y * s) for x, y in points]


# --- Pictures on a 20-unit grid, drawn at any size.


def draw_cross(c, s):
    c.line(4 * s, 4 * s, 16 * s, 16 * s, 4.2 * s, DARK_RED)
    c.line(16 * s, 4 * s, 4 * s, 16 * s, 4.2 * s, DARK_RED)
    c.line(4 * s, 4 * s, 16 * s, 16 * s, 2.6 * s, RED)
    c.line(16 * s, 4 * s, 4 * s, 16 * s, 2.6 * s, RED)


def draw_pencil(c, s):
    body = [(13, 2), (18, 7), (8, 17), (3, 12)]
    c.outlined_polygon(scaled(body, s), YELLOW)
    c.outlined_polygon(scaled([(13, 2), (18, 7), (16, 9), (11, 4)], s), PINK)
    c.outlined_polygon(scaled([(3, 12), (8, 17), (2, 18)], s), (230, 200, 150))
    c.polygon(scaled([(2, 18), (2.5, 15.5), (4.5, 17.5)], s), DARK)


def draw_plus(c, s):
    c.rect(7.5 * s, 2.5 * s, 12.5 * s, 17.5 * s, DARK_GREEN)
    c.rect(2.5 * s, 7.5 * s, 17.5 * s, 12.5 * s, DARK_GREEN)
    c.rect(8.5 * s, 3.5 * s, 11.5 * s, 16.5 * s, GREEN)
    c.rect(3.5 * s, 8.5 * s, 16.5 * s, 11.5 * s, GREEN)


def draw_undo_arrow(c, s, ox=0.0, oy=0.0, k=1.0):
    """A curved arrow turning back to the left, in a 20-unit box at (ox, oy) scaled by k."""
    cx, cy = (ox + 11 * k) * s, (oy + 11 * k) * s
    c.ring(cx, cy, 4 * k * s, 7 * k * s, BLUE, 180, 90)
    tip = [(ox + 1 * k, oy + 11 * k), (ox + 9 * k, oy + 11 * k), (ox + 5.5 * k, oy + 16.5 * k)]
    c.polygon(scaled(tip, s), DARK_BLUE)


def draw_disk(c, s, ox=0.0, oy=0.0, k=1.0):
    """A floppy disk in a 20-unit box at (ox, oy) scaled by k."""

    def p(points):
        return [((ox + x * k) * s, (oy + y * k) * s) for x, y in points]

    def box(x0, y0, x1, y1, color):
        (a, b), (c2, d) = p([(x0, y0), (x1, y1)])
        c.rect(a, b, c2, d, color)

    c.outlined_polygon(p([(2, 2), (16, 2), (18, 4), (18, 18), (2, 18)]), BLUE, NAVY)
    box(5, 2.5, 15, 8, LIGHT)
    box(11.5, 3.2, 13.5, 7.2, NAVY)
    box(4.5, 11, 15.5, 17.5, WHITE)
    box(6, 13, 14, 13.6, GREY)
    box(6, 15, 14, 15.6, GREY)


def draw_export(c, s):
    draw_disk(c, s, 0, 0, 0.8)
    c.line(9 * s, 14.5 * s, 15 * s, 14.5 * s, 2.4 * s, DARK_GREEN)
    c.polygon(scaled([(14, 10.5), (19.5, 14.5), (14, 18.5)], s), GREEN)


def draw_clock(c, s, cx, cy, r):
    c.disc(cx * s, cy * s, r * s, DARK)
    c.disc(cx * s, cy * s, (r - 1) * s, WHITE)
    c.line(cx * s, cy * s, cx * s, (cy - r + 2) * s, 1.0 * s, BLACK)
    c.line(cx * s, cy * s, (cx + r - 2.5) * s, cy * s, 1.0 * s, BLACK)


def draw_undo_old(c, s):
    draw_undo_arrow(c, s, -1, -2, 0.85)
    draw_clock(c, s, 14, 14, 5.5)


def draw_disable(c, s):
    """A start sign struck through: the entry does not start."""
    c.ring(10 * s, 10 * s, 5.5 * s, 8.5 * s, DARK_RED)
    c.line(4.5 * s, 15.5 * s, 15.5 * s, 4.5 * s, 3 * s, DARK_RED)
    c.ring(10 * s, 10 * s, 6.3 * s, 7.7 * s, RED)
    c.line(4.5 * s, 15.5 * s, 15.5 * s, 4.5 * s, 1.6 * s, RED)


def draw_enable(c, s):
    """A check mark: the entry starts again."""
    c.line(3.5 * s, 10.5 * s, 8 * s, 15 * s, 4.2 * s, DARK_GREEN)
    c.line(8 * s, 15 * s, 16.5 * s, 4.5 * s, 4.2 * s, DARK_GREEN)
    c.line(3.5 * s, 10.5 * s, 8 * s, 15 * s, 2.6 * s, GREEN)
    c.line(8 * s, 15 * s, 16.5 * s, 4.5 * s, 2.6 * s, GREEN)


# --- Pictures on a 40-unit grid.


def draw_magnifier(c, cx, cy, r, handle_to):
    c.line(cx, cy, handle_to[0], handle_to[1], 6, DARK_BROWN)
    c.line(cx, cy, handle_to[0], handle_to[1], 4, BROWN)
    c.disc(cx, cy, r, DARK)
    c.disc(cx, cy, r - 2, GLASS)
    c.ring(cx, cy, r - 6, r - 4, WHITE, 200, 250)


def draw_check(c):
    draw_magnifier(c, 17, 17, 12, (35, 35))
    c.line(10, 17, 15, 23, 3.2, DARK_GREEN)
    c.line(15, 23, 25, 10, 3.2, DARK_GREEN)


def draw_big_disk(c):
    draw_disk(c, 2, 0, 0, 1.0)


def draw_binoculars(c):
    for cx in (11, 29):
        c.rect(cx - 5, 8, cx + 5, 22, DARK)
        c.disc(cx, 27, 8, BLACK)
        c.disc(cx, 27, 5.5, GLASS)
        c.ring(cx, 27, 2.5, 3.5, WHITE, 200, 260)
    c.rect(15, 12, 25, 20, GREY)
    c.rect(17, 5, 23, 14, DARK)


def draw_refresh(c):
    c.ring(20, 20, 9, 14, GREEN, 200, 340)
    c.polygon([(30, 6), (38, 18), (26, 19)], DARK_GREEN)
    c.ring(20, 20, 9, 14, GREEN, 20, 160)
    c.polygon([(10, 34), (2, 22), (14, 21)], DARK_GREEN)


def draw_help(c):
    c.disc(20, 20, 18, DARK_BLUE)
    c.disc(20, 20, 16, BLUE)
    c.ring(20, 15, 4, 8, WHITE, 160, 80)
    c.rect(18, 21, 22, 26, WHITE)
    c.rect(18, 29, 22, 33, WHITE)


def draw_exit(c):
    c.rect(5, 3, 25, 37, DARK_BROWN)
    c.polygon([(7, 5), (20, 8), (20, 37), (7, 35)], BROWN)
    c.disc(17, 21, 1.5, YELLOW)
    c.rect(24, 17, 31, 23, RED)
    c.polygon([(30, 11), (39, 20), (30, 29)], RED)
    c.line(24, 17, 31, 17, 1, DARK_RED)


# --- Service states, 12 by 12.


def draw_dot(c, color, edge):
    c.disc(6, 6, 5.5, edge)
    c.disc(6, 6, 4.5, color)
    c.disc(4.5, 4.5, 1.2, WHITE)


# --- The program's icon: a shield with a check mark, 32 by 32.


def draw_app(c):
    shield = [(16, 1), (29, 6), (28, 17), (16, 31), (4, 17), (3, 6)]
    c.polygon(shield, NAVY)
    c.polygon([(16, 3), (27, 7.5), (26.2, 16.5), (16, 28.5), (5.8, 16.5), (5, 7.5)], BLUE)
    c.polygon([(16, 3), (27, 7.5), (26.2, 16.5), (16, 28.5)], DARK_BLUE)
    c.line(9, 16, 14, 21, 3.4, WHITE)
    c.line(14, 21, 24, 9, 3.4, WHITE)


def write_bmp(path, canvas):
    size = canvas.size
    row_bytes = (size * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(size)):
        row = bytearray()
        for r, g, b in canvas.pixels[y]:
            row += bytes((b, g, r))
        data += row + bytes(row_bytes - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_ico(path, canvas):
    size = canvas.size
    pixels = bytearray()
    mask = bytearray()
    mask_row_bytes = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        bits = 0
        for x, color in enumerate(canvas.pixels[y]):
            clear = color == CLEAR
            r, g, b = color
            pixels += bytes((b, g, r, 0 if clear else 255))
            if clear:
                bits |= 1 << (mask_row_bytes * 8 - 1 - x)
        mask += bits.to_bytes(mask_row_bytes, "big")
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                       0, 0, 0, 0)
    image = info + pixels + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


def picture(size, draw, *args):
    canvas = Canvas(size)
    draw(canvas, *args)
    return canvas


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    small = {
        "tool_delete": draw_cross,
        "tool_edit": draw_pencil,
        "tool_add": draw_plus,
        "tool_undo": draw_undo_arrow,
        "tool_export": draw_export,
        "tool_undo_old": draw_undo_old,
        "tool_disable": draw_disable,
        "tool_enable": draw_enable,
    }
    for name, draw in small.items():
        write_bmp(os.path.join(here, name + ".bmp"), picture(20, draw, 1.0))
    big = {
        "big_check": draw_check,
        "big_save": draw_big_disk,
        "big_find": draw_binoculars,
        "big_refresh": draw_refresh,
        "big_help": draw_help,
        "big_exit": draw_exit,
    }
    for name, draw in big.items():
        write_bmp(os.path.join(here, name + ".bmp"), picture(40, draw))
    write_bmp(os.path.join(here, "sem_running.bmp"), picture(12, draw_dot, GREEN, DARK_GREEN))
    write_bmp(os.path.join(here, "sem_other.bmp"), picture(12, draw_dot, YELLOW, ORANGE))
    app = picture(32, draw_app)
    write_bmp(os.path.join(here, "app_picture.bmp"), app)
    write_ico(os.path.join(here, "tarnix2.ico"), app)


if __name__ == "__main__":
    main()
