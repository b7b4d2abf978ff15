#!/usr/bin/env python3
"""Renders the desktop icon's PNG sizes from its hand-drawn scalable picture.

The scalable icon keeps to <rect> and <polygon> elements with a plain "#rrggbb" fill on a square
viewBox, drawn in document order. Each PNG pixel is the average of a grid of samples, so edges
that fall between pixels are smoothed. Python 3 only, no extra modules.

Usage: make_desktop_icons.py ICON.svg HICOLOR_DIR [SIZE ...]
Writes HICOLOR_DIR/NxN/apps/NAME.png for each size (default 16 32 48 128), NAME being the
scalable file's name without its extension.
"""
import os
import struct
import sys
import xml.etree.ElementTree as ElementTree
import zlib

SVG_NAMESPACE = "{http://www.w3.org/2000/svg}"
DEFAULT_SIZES = (16, 32, 48, 128)
SAMPLES_PER_AXIS = 4


class Shape:
    """A filled polygon in viewBox units with its bounding box for quick rejection."""

    def __init__(self, points, colour):
        self.points = points
        self.colour = colour
        xs = [x for x, _ in points]
        ys = [y for _, y in points]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        left, top, right, bottom = self.box
        if x < left or x > right or y < top or y > bottom:
            return False
        inside = False
        previous = self.points[-1]
        for point in self.points:
            (x1, y1), (x2, y2) = previous, point
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
            previous = point
        return inside


def parse_colour(text):
    if len(text) != 7 or not text.startswith("#"):
        raise ValueError("fill must be #rrggbb, not %r" % text)
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def parse_shape(element):
    tag = element.tag.replace(SVG_NAMESPACE, "")
    colour = parse_colour(element.get("fill", ""))
    if tag == "rect":
        x, y = float(element.get("x", 0)), float(element.get("y", 0))
        w, h = float(element.get("width")), float(element.get("height"))
        return Shape([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], colour)
    if tag == "polygon":
        numbers = [float(n) for n in element.get("points").replace(",", " ").split()]
        return Shape(list(zip(numbers[0::2], numbers[1::2])), colour)
    raise ValueError("the icon may only use rect and polygon, found %s" % tag)


def read_icon(path):
    root = ElementTree.parse(path).getroot()
    left, top, width, height = (float(n) for n in root.get("viewBox").split())
    if width != height:
        raise ValueError("the icon's viewBox must be square")
    shapes = [parse_shape(element) for element in root
              if element.tag.replace(SVG_NAMESPACE, "") not in ("title", "desc")]
    return (left, top, width), shapes


def sample(shapes, x, y):
    """The colour of the top-most shape at a point, or None where the icon is transparent."""
    for shape in reversed(shapes):
        if shape.contains(x, y):
            return shape.colour
    return None


def render(view, shapes, size):
    left, top, extent = view
    step = extent / (size * SAMPLES_PER_AXIS)
    offsets = [(i + 0.5) * step for i in range(SAMPLES_PER_AXIS)]
    total = SAMPLES_PER_AXIS * SAMPLES_PER_AXIS
    rows = []
    for row in range(size):
        pixels = bytearray()
        for column in range(size):
            x0 = left + column * extent / size
            y0 = top + row * extent / size
            red = green = blue = covered = 0
            for dy in offsets:
                for dx in offsets:
                    colour = sample(shapes, x0 + dx, y0 + dy)
                    if colour is not None:
                        red, green, blue = red + colour[0], green + colour[1], blue + colour[2]
                        covered += 1
            if covered:
                pixels += bytes((round(red / covered), round(green / covered),
                                 round(blue / covered), round(255 * covered / total)))
            else:
                pixels += bytes(4)
        rows.append(bytes(pixels))
    return rows


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(rows, size):
    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: make_desktop_icons.py ICON.svg HICOLOR_DIR [SIZE ...]")
    source, output = sys.argv[1], sys.argv[2]
    sizes = [int(n) for n in sys.argv[3:]] or DEFAULT_SIZES
    name = os.path.splitext(os.path.basename(source))[0]
    view, shapes = read_icon(source)
    for size in sizes:
        folder = os.path.join(output, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + ".png"), "wb") as png:
            png.write(encode_png(render(view, shapes, size), size))


if __name__ == "__main__":
    main()
