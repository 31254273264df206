#!/usr/bin/env python3
"""Draws the toolkit's test pictures as 24-bit BMP files; magenta is the transparent colour."""
import math
import os
import struct

MAGENTA = (255, 0, 255)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[MAGENTA] * width for _ in range(height)]

    def plot(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def fill(self, inside, color):
        """Colours every pixel whose centre satisfies inside(x, y)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.plot(x, y, color)

    def rect(self, left, top, right, bottom, color):
        self.fill(lambda x, y: left <= x < right and top <= y < bottom, color)

    def line(self, points, thickness, color):
        def near(x, y):
            return any(segment_distance(x, y, a, b) <= thickness / 2
                       for a, b in zip(points, points[1:]))
        self.fill(near, color)

    def disc(self, cx, cy, radius, color):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2, color)

    def polygon(self, corners, color):
        self.fill(lambda x, y: inside_polygon(x, y, corners), color)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        size = 54 + stride * self.height
        with open(path, "wb") as out:
            out.write(struct.pack("<2sIHHI", b"BM", size, 0, 0, 54))
            out.write(struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0,
                                  stride * self.height, 3780, 3780, 0, 0))
            for row in reversed(self.pixels):
                data = b"".join(struct.pack("BBB", b, g, r) for r, g, b in row)
                out.write(data + b"\0" * (stride - len(data)))


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0 if length == 0 else max(0, min(1, ((x - ax) * dx + (y - ay) * dy) / length))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def inside_polygon(x, y, corners):
    inside = False
    for (x1, y1), (x2, y2) in zip(corners, corners[1:] + corners[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def plus(size=16):
    c = Canvas(size, size)
    c.rect(6, 2, 10, 14, (128, 0, 0))
    c.rect(2, 6, 14, 10, (128, 0, 0))
    c.rect(7, 3, 9, 13, (230, 20, 20))
    c.rect(3, 7, 13, 9, (230, 20, 20))
    return c


def minus(size=16):
    c = Canvas(size, size)
    c.rect(2, 6, 14, 10, (128, 0, 0))
    c.rect(3, 7, 13, 9, (230, 20, 20))
    return c


def tick(size=16):
    c = Canvas(size, size)
    c.line([(2.5, 8.5), (6.5, 12.5), (13.5, 3.5)], 3.2, (0, 110, 0))
    c.line([(2.5, 8.5), (6.5, 12.5), (13.5, 3.5)], 1.6, (40, 200, 40))
    return c


def arrow(size=20):
    c = Canvas(size, size)
    body = [(3, 8), (11, 8), (11, 3), (18, 10), (11, 17), (11, 12), (3, 12)]
    c.polygon(body, (0, 40, 140))
    c.polygon([(4, 9), (12, 9), (12, 5.5), (16.5, 10), (12, 14.5), (12, 11), (4, 11)],
              (60, 120, 230))
    return c


def cross(size=20):
    c = Canvas(size, size)
    c.line([(4, 4), (16, 16)], 4, (150, 0, 0))
    c.line([(16, 4), (4, 16)], 4, (150, 0, 0))
    c.line([(4.5, 4.5), (15.5, 15.5)], 2, (240, 40, 40))
    c.line([(15.5, 4.5), (4.5, 15.5)], 2, (240, 40, 40))
    return c


def star(size=40):
    c = Canvas(size, size)
    centre, outer, inner = size / 2, size * 0.46, size * 0.19
    corners = []
    for i in range(10):
        radius = outer if i % 2 == 0 else inner
        angle = -math.pi / 2 + i * math.pi / 5
        corners.append((centre + radius * math.cos(angle), centre + 1 + radius * math.sin(angle)))
    c.polygon(corners, (170, 110, 0))
    shrunk = [(centre + (x - centre) * 0.82, centre + 1 + (y - centre - 1) * 0.82)
              for x, y in corners]
    c.polygon(shrunk, (255, 210, 30))
    return c


def dot(color, edge, size=12):
    c = Canvas(size, size)
    c.disc(size / 2, size / 2, size / 2 - 0.5, edge)
    c.disc(size / 2, size / 2, size / 2 - 2, color)
    return c


PICTURES = {
    "plus.bmp": plus(),
    "minus.bmp": minus(),
    "empty.bmp": Canvas(16, 16),
    "tick.bmp": tick(),
    "arrow.bmp": arrow(),
    "cross.bmp": cross(),
    "star.bmp": star(),
    "dot_green.bmp": dot((40, 200, 40), (0, 100, 0)),
    "dot_yellow.bmp": dot((250, 210, 30), (150, 110, 0)),
}

if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, canvas in PICTURES.items():
        canvas.save(os.path.join(here, name))
