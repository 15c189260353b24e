#!/usr/bin/env python3
"""Draws the Quillora window icon: a white "Q" with a quill-like tail on a
rounded blue square. Writes a multi-size .ico (32-bit BMP entries); the
output depends on nothing but this file."""
import math
import struct
import sys

SIZES = (16, 24, 32, 48, 64)
SAMPLES = 4  # supersampling per axis, for smooth edges


def rounded_square(x, y):
    radius, half = 0.2, 0.5
    dx = max(abs(x - half) - (half - radius), 0.0)
    dy = max(abs(y - half) - (half - radius), 0.0)
    return dx * dx + dy * dy <= radius * radius


def letter_q(x, y):
    distance = math.hypot(x - 0.47, y - 0.46)
    if 0.17 <= distance <= 0.29:
        return True
    # The tail: a stroke from the ring's lower right out to the corner.
    ax, ay, bx, by = 0.56, 0.57, 0.80, 0.81
    t = max(0.0, min(1.0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) /
                     ((bx - ax) ** 2 + (by - ay) ** 2)))
    width = 0.075 * (1.0 - 0.55 * t)  # tapers like a pen stroke
    return math.hypot(x - (ax + t * (bx - ax)), y - (ay + t * (by - ay))) <= width


def pixel(size, px, py):
    covered = ink = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if rounded_square(x, y):
                covered += 1
                ink += letter_q(x, y)
    total = SAMPLES * SAMPLES
    alpha = covered / total
    if covered == 0:
        return (0, 0, 0, 0)
    y = (py + 0.5) / size
    background = (int(0x3B + (0x1E - 0x3B) * y), int(0x8A + (0x5A - 0x8A) * y),
                  int(0xD0 + (0x9A - 0xD0) * y))
    mix = ink / covered
    r, g, b = (int(c + (255 - c) * mix) for c in background)
    return (b, g, r, int(round(alpha * 255)))


def bitmap_entry(size):
    rows = []
    for py in reversed(range(size)):  # BMP rows run bottom-up
        rows.append(b"".join(bytes(pixel(size, px, py)) for px in range(size)))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         size * size * 4, 0, 0, 0, 0)
    return header + b"".join(rows) + mask_row * size


def main(path):
    images = [bitmap_entry(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
