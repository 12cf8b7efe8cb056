#!/usr/bin/env python3
"""Packs the icon's PNG sizes into one Windows .ico (PNG entries, as Windows Vista and later
read them): make_ico.py OUT.ico IN-32.png IN-48.png ..."""
import struct
import sys


def png_size(data):
    width, height = struct.unpack(">II", data[16:24])
    return width, height


def main(out, pngs):
    images = [open(path, "rb").read() for path in pngs]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for data in images:
        width, height = png_size(data)
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset)
        offset += len(data)
    with open(out, "wb") as ico:
        ico.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
