#!/usr/bin/env python3
"""Draws the program's icon (a popup menu of text lines) as a multi-size .ico."""
import struct
import sys


def pixel(size, x, y):
    """BGRA colour of one pixel: a blue card with white text lines and a highlighted row."""
    margin = max(1, size // 16)
    if x < margin or y < margin or x >= size - margin or y >= size - margin:
        return (0, 0, 0, 0)
    row_height = max(2, size // 8)
    row = (y - margin) // row_height
    inside = (y - margin) % row_height
    if row == 2:  # the highlighted line
        return (0xD8, 0x78, 0x00, 0xFF) if inside < row_height - 1 else (0xF4, 0xEC, 0xE6, 0xFF)
    line_start, line_end = margin + size // 8, size - margin - size // 8 - (row % 3) * size // 10
    if inside in (row_height // 2 - 1, row_height // 2) and line_start <= x < line_end:
        return (0x40, 0x30, 0x20, 0xFF)
    return (0xF4, 0xEC, 0xE6, 0xFF)


def bitmap(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(bytes(pixel(size, x, y)) for x in range(size)))
    mask_row = b"\x00" * (((size + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * size


def main(path):
    sizes = [16, 32, 48]
    images = [bitmap(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/Qivora.ico")
