#!/usr/bin/env python3
"""Draws the window icon: a black tank facing right in front of six coloured bars.

A 32 x 32 picture with the 16 colours of the classic desktop palette, the background transparent,
written as a 4-bit indexed PNG. Usage: make_form1_icon.py OUTPUT.png
"""
import struct
import sys
import zlib

# The classic 16-colour palette; the last entry (white) is the transparent background.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, RED, YELLOW, BLUE, MAGENTA, CYAN, CLEAR = 0, 2, 9, 11, 12, 13, 14, 15
SIZE = 32

# Six bars of different heights: (first column, colour, height), four columns wide each.
BARS = [(1, RED, 22), (6, BLUE, 28), (11, GREEN, 16), (16, YELLOW, 30), (21, CYAN, 19),
        (26, MAGENTA, 25)]


def fill(pixels, left, top, right, bottom, colour):
    """Fills columns left..right-1 and rows top..bottom-1."""
    for y in range(max(top, 0), min(bottom, SIZE)):
        for x in range(max(left, 0), min(right, SIZE)):
            pixels[y][x] = colour


def draw(pixels):
    for left, colour, height in BARS:
        fill(pixels, left, SIZE - height, left + 4, SIZE, colour)
    # Tracks with sloped ends, hull, turret and a barrel pointing right.
    for row, inset in enumerate([2, 1, 0, 0, 1, 2]):
        fill(pixels, 2 + inset, 24 + row, 29 - inset, 25 + row, BLACK)
    fill(pixels, 4, 20, 28, 24, BLACK)
    fill(pixels, 7, 18, 26, 20, BLACK)
    fill(pixels, 10, 14, 20, 18, BLACK)
    fill(pixels, 12, 13, 18, 14, BLACK)
    fill(pixels, 20, 15, 32, 17, BLACK)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode(pixels):
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # no filter
        for x in range(0, SIZE, 2):
            raw.append((row[x] << 4) | row[x + 1])
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(colour) for colour in PALETTE)
    alpha = bytes(0 if index == CLEAR else 255 for index in range(len(PALETTE)))
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"PLTE", palette)
            + png_chunk(b"tRNS", alpha) + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + png_chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_form1_icon.py OUTPUT.png")
    pixels = [[CLEAR] * SIZE for _ in range(SIZE)]
    draw(pixels)
    with open(sys.argv[1], "wb") as output:
        output.write(encode(pixels))


if __name__ == "__main__":
    main()
