#!/usr/bin/env python3
"""Draws the Quorvel icon as 24-bit PNGs: a back bar (blue) and a lay bar (pink) balanced on a
beam over its pivot, on a dark rounded square. Run from this folder to redraw the images."""
import struct
import sys
import zlib

NAVY = (28, 43, 74)
BACK = (117, 186, 242)
LAY = (245, 160, 186)
BEAM = (240, 240, 240)
EDGE = (200, 204, 212)  # the corner pixels outside the rounded square


def inside_round_rect(x, y, size, radius):
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def colour_at(u, v):
    """u, v in 0..1: the design, independent of the pixel size."""
    if not inside_round_rect(u, v, 1.0, 0.16):
        return EDGE
    if 0.14 <= u <= 0.86 and 0.60 <= v <= 0.66:
        return BEAM  # the beam
    # the pivot: a triangle under the middle of the beam
    if 0.66 < v <= 0.84 and abs(u - 0.5) <= (v - 0.66) * 0.7:
        return BEAM
    if 0.20 <= u <= 0.42 and 0.22 <= v < 0.60:
        return BACK
    if 0.58 <= u <= 0.80 and 0.22 <= v < 0.60:
        return LAY
    return NAVY


def pixel(x, y, size, samples=4):
    # Supersample each pixel so the edges stay smooth at every size.
    total = [0, 0, 0]
    for i in range(samples):
        for j in range(samples):
            c = colour_at((x + (i + 0.5) / samples) / size, (y + (j + 0.5) / samples) / size)
            for k in range(3):
                total[k] += c[k]
    return bytes(round(t / samples ** 2) for t in total)


def png(size):
    rows = b"".join(b"\x00" + b"".join(pixel(x, y, size) for x in range(size)) for y in range(size))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)  # 8 bits, RGB: 24-bit colour
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    for size in [int(a) for a in sys.argv[1:]] or [32, 48, 64, 128, 256]:
        with open(f"quorvel-{size}.png", "wb") as out:
            out.write(png(size))
