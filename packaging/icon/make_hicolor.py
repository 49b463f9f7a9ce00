#!/usr/bin/env python3
"""Draws the program's icon for the desktop's icon theme with make_ico.py's renderer: one PNG file
for each size the hicolor theme has, 16 to 24 pixels from the small drawing and 32 to 256 from the
large one, as FOLDER/NxN/apps/zedez.png.

    make_hicolor.py FOLDER SMALL.svg LARGE.svg

The files hold nothing but the picture (IHDR, IDAT, IEND): no time and no text, so that the same
drawings give the same bytes.
"""
import os
import sys

sys.dont_write_bytecode = True  # nothing written beside the drawings
from make_ico import load, png, render  # noqa: E402

SMALL_SIZES = (16, 22, 24)
LARGE_SIZES = (32, 48, 64, 128, 256)


def main(folder, small, large):
    for path, sizes in ((small, SMALL_SIZES), (large, LARGE_SIZES)):
        drawing = load(path)
        for size in sizes:
            apps = os.path.join(folder, f"{size}x{size}", "apps")
            os.makedirs(apps, exist_ok=True)
            with open(os.path.join(apps, "zedez.png"), "wb") as file:
                file.write(png(render(drawing, size), size))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    main(*sys.argv[1:])
