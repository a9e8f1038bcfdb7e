#!/usr/bin/python3
# Generates TestPicture.bmp, the bitmap resource of the control tests: 6 x 4 pixels, 24 bits, with
# every pixel's colour known to the tests (see TestPicturePixel in ControlsTestSupport.h).
# Run from the repository root:  /usr/bin/python3 tests/toolkit/controls/resources/make_test_picture.py
# Standard library only; the output is deterministic. Never edit the output by hand.

import os
import struct

WIDTH, HEIGHT = 6, 4


def pixel(x, y):
    """(r, g, b) of the pixel at x, y counted from the top-left corner; never pure black."""
    return (40 * x + 10, 60 * y + 20, 200)


def main():
    stride = (WIDTH * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(HEIGHT)):  # a .bmp stores its bottom row first
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(WIDTH)))
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "TestPicture.bmp")
    with open(path, "wb") as out:
        out.write(header + info + rows)


if __name__ == "__main__":
    main()
