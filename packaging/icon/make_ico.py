#!/usr/bin/env python3
"""Draws the program's icon from its two drawings and writes a Windows .ico with every size the
shell asks for: 16, 20 and 24 pixels from the small drawing, 32 to 256 from the large one.

    make_ico.py OUT.ico SMALL.svg LARGE.svg [PNG_FOLDER]

PNG_FOLDER, when given, receives each size as zedez-N.png to look at.

The drawings use a small part of SVG, the part this script understands: rect, circle and line
(round caps) with fill, stroke and stroke-width, in groups that may be clipped by a circle
(clip-path). Edges are smoothed by their distance from each pixel's centre. Only integer
arithmetic, IEEE doubles and zlib go into the bytes, so that the same drawings give the same file.
"""
import math
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

SVG = "{http://www.w3.org/2000/svg}"
SMALL_SIZES = (16, 20, 24)
LARGE_SIZES = (32, 40, 48, 64, 256)


def colour(text):
    if text in (None, "none"):
        return None
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) / 255 for i in (0, 2, 4))


def circle_distance(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def rect_distance(x0, y0, w, h):
    cx, cy, hw, hh = x0 + w / 2, y0 + h / 2, w / 2, h / 2

    def distance(x, y):
        dx, dy = abs(x - cx) - hw, abs(y - cy) - hh
        return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0)
    return distance


def segment_distance(x1, y1, x2, y2):
    vx, vy = x2 - x1, y2 - y1
    length2 = vx * vx + vy * vy

    def distance(x, y):
        t = max(0.0, min(1.0, ((x - x1) * vx + (y - y1) * vy) / length2))
        return math.hypot(x - x1 - t * vx, y - y1 - t * vy)
    return distance


def number(element, name):
    return float(element.get(name, "0"))


def shapes(element, clips, inherited, out):
    """Appends (distance, colour, clip) for every fill and stroke, in painting order."""
    style = dict(inherited)
    for name in ("fill", "stroke", "stroke-width", "clip-path"):
        if element.get(name) is not None:
            style[name] = element.get(name)
    clip = clips.get(style.get("clip-path", "")[5:-1]) if "clip-path" in style else None
    tag = element.tag.replace(SVG, "")
    area = None
    if tag == "rect":
        area = rect_distance(*(number(element, n) for n in ("x", "y", "width", "height")))
    elif tag == "circle":
        area = circle_distance(*(number(element, n) for n in ("cx", "cy", "r")))
    elif tag == "line":
        if element.get("stroke-linecap") != "round":
            raise SystemExit("make_ico.py: lines need stroke-linecap=\"round\"")
        line = segment_distance(*(number(element, n) for n in ("x1", "y1", "x2", "y2")))
    elif tag in ("svg", "g"):
        for child in element:
            shapes(child, clips, style, out)
        return
    elif tag != "defs":
        raise SystemExit(f"make_ico.py: <{tag}> is not understood")
    else:
        return
    half = float(style.get("stroke-width", "1")) / 2
    if area is not None and colour(style.get("fill", "#000000")):
        out.append((area, colour(style.get("fill", "#000000")), clip))
    if colour(style.get("stroke")):
        edge = area if area is not None else line
        ring = (lambda d: lambda x, y: abs(d(x, y)) - half) if area is not None else (
            lambda d: lambda x, y: d(x, y) - half)
        out.append((ring(edge), colour(style["stroke"]), clip))


def load(path):
    root = ET.parse(path).getroot()
    width = float(root.get("viewBox").split()[2])
    clips = {}
    for clip in root.iter(SVG + "clipPath"):
        (circle,) = list(clip)
        clips[clip.get("id")] = circle_distance(*(number(circle, n) for n in ("cx", "cy", "r")))
    painted = []
    shapes(root, clips, {}, painted)
    return width, painted


def render(drawing, size):
    """Straight-alpha RGBA rows, top row first."""
    width, painted = drawing
    scale = size / width
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            x, y = (px + 0.5) / scale, (py + 0.5) / scale
            r = g = b = a = 0.0
            for distance, rgb, clip in painted:
                cover = min(1.0, max(0.0, 0.5 - distance(x, y) * scale))
                if clip is not None and cover > 0:
                    cover *= min(1.0, max(0.0, 0.5 - clip(x, y) * scale))
                r, g, b = (c * cover + old * (1 - cover) for c, old in zip(rgb, (r, g, b)))
                a = cover + a * (1 - cover)
            # r, g, b are premultiplied by a.
            row += bytes(round(c / a * 255) if a > 0 else 0 for c in (r, g, b))
            row.append(round(a * 255))
        rows.append(bytes(row))
    return rows


def png(rows, size):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(rows, size):
    """A 32-bit bitmap with its AND mask, bottom row first, as icons store the small sizes."""
    colours = b"".join(bytes(row[i + j] for i in range(0, len(row), 4) for j in (2, 1, 0, 3))
                       for row in reversed(rows))
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x in range(size):
            if row[4 * x + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(colours) + len(mask),
                         0, 0, 0, 0)
    return header + colours + bytes(mask)


def main(out, small, large, png_folder=None):
    images = []
    for path, sizes in ((small, SMALL_SIZES), (large, LARGE_SIZES)):
        drawing = load(path)
        for size in sizes:
            rows = render(drawing, size)
            images.append((size, png(rows, size) if size >= 256 else dib(rows, size)))
            if png_folder:
                with open(os.path.join(png_folder, f"zedez-{size}.png"), "wb") as file:
                    file.write(png(rows, size))
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for size, image in images:
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(out, "wb") as file:
        file.write(data + b"".join(image for _, image in images))


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
