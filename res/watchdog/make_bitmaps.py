#!/usr/bin/env python3
"""Draws the watchdog's pictures: the three marks of the change report (red plus, red minus,
empty) and the pictures on its buttons.

Each picture is a 16 by 16, 24-bit BMP; magenta (255, 0, 255) is transparent. The pictures
are drawn from a small character grid, one character per pixel, so that a change is easy to
see in a review. Run it again after a change:
    python3 res/watchdog/make_bitmaps.py
"""

import os
import struct

SIZE = 16
PALETTE = {
    ".": (255, 0, 255),  # transparent
    "r": (220, 20, 20),
    "R": (140, 0, 0),
    "g": (40, 170, 40),
    "G": (0, 100, 0),
    "b": (40, 80, 200),
    "B": (20, 30, 110),
    "w": (255, 255, 255),
    "l": (200, 200, 200),
    "d": (90, 90, 90),
    "k": (0, 0, 0),
    "y": (230, 190, 60),
}

PICTURES = {
    "mark_added": [
        "................",
        "................",
        "................",
        "......RrrR......",
        "......rrrr......",
        "......rrrr......",
        "...RrrrrrrrrR...",
        "...rrrrrrrrrr...",
        "...rrrrrrrrrr...",
        "...RrrrrrrrrR...",
        "......rrrr......",
        "......rrrr......",
        "......RrrR......",
        "................",
        "................",
        "................",
    ],
    "mark_deleted": [
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
        "...RrrrrrrrrR...",
        "...rrrrrrrrrr...",
        "...rrrrrrrrrr...",
        "...RrrrrrrrrR...",
        "................",
        "................",
        "................",
        "................",
        "................",
        "................",
    ],
    "mark_unchanged": ["." * SIZE] * SIZE,
    # A sheet with a red cross over it.
    "btn_delete_line": [
        "................",
        "..dddddddddd....",
        "..dwwwwwwwwd....",
        "..dwlllllllwd...",
        "..dwwwwwwwwwd...",
        "..dwllRr..Rrd...",
        "..dwwwRr.Rrwd...",
        "..dwlllRrRrld...",
        "..dwwwwwRrwwd...",
        "..dwlllRrRrld...",
        "..dwwwRr.Rrwd...",
        "..dwllRr..Rrd...",
        "..dwwwwwwwwwd...",
        "..ddddddddddd...",
        "................",
        "................",
    ],
    # A floppy disk.
    "btn_save_list": [
        "................",
        ".BBBBBBBBBBBBBB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbwllllllwbbB.",
        ".BbbwwwwwwwwbbB.",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbbB.",
        ".BbbllllllllbbB.",
        ".BbblldddlllbbB.",
        ".BbblldddlllbbB.",
        ".BbblldddlllbbB.",
        ".BbbllllllllbbB.",
        ".BBBBBBBBBBBBBB.",
        "................",
        "................",
    ],
    # A green tick.
    "btn_confirm": [
        "................",
        "................",
        "............Gg..",
        "...........Ggg..",
        "..........Ggg...",
        ".........Ggg....",
        "........Ggg.....",
        "..Gg...Ggg......",
        "..ggG.Ggg.......",
        "...gggggg.......",
        "....gggg........",
        ".....gg.........",
        "................",
        "................",
        "................",
        "................",
    ],
    # A blue arrow turning back to the left.
    "btn_change_back": [
        "................",
        "................",
        "....b...........",
        "...bb...........",
        "..bbbbbbbbbB....",
        ".bbbbbbbbbbbB...",
        "..bbbbbbbbbbbB..",
        "...bb......bbb..",
        "....b.......bb..",
        "............bb..",
        "...........bbb..",
        "......bbbbbbbB..",
        "......bbbbbbB...",
        "................",
        "................",
        "................",
    ],
    # An open door.
    "btn_close": [
        "................",
        "..kkkkkkkkkk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyykyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..k..yyyyyyk....",
        "..kkkkkkkkkk....",
        "................",
        "................",
    ],
}


def bmp_bytes(rows):
    """A 24-bit BMP: rows bottom-up, blue-green-red, each row padded to four bytes."""
    assert len(rows) == SIZE and all(len(row) == SIZE for row in rows)
    row_size = (SIZE * 3 + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = b"".join(bytes((b, g, r)) for r, g, b in (PALETTE[c] for c in row))
        pixels += line + b"\0" * (row_size - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, rows in PICTURES.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(bmp_bytes(rows))


if __name__ == "__main__":
    main()
