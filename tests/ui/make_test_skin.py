#!/usr/bin/env python3
"""Lays out the test skin in OUT_DIR: the layouts of SKIN_DIR, small PNG
images drawn here (deterministic, stdlib only) and layout files at the store's
size limits. The build packs OUT_DIR into the test programs' skin archive."""

import shutil
import struct
import sys
import zlib
from pathlib import Path

LAYOUT_LIMIT = 4 * 1024 * 1024


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(width, height, rows, colour_type, palette=None, transparency=None):
    """rows: a list of byte strings, one per pixel row (without filter byte)."""
    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    if palette is not None:
        data += chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparency is not None:
        data += chunk(b"tRNS", bytes(transparency))
    return data + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def rgba(width, height, pixel):
    rows = [b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height)]
    return png(width, height, rows, 6)


def nine_patch_source(x, y):
    """6 x 6: red 2 x 2 corners, green top and bottom edges, yellow left and
    right edges, blue centre."""
    edge_x = x < 2 or x > 3
    edge_y = y < 2 or y > 3
    if edge_x and edge_y:
        return (255, 0, 0, 255)
    if edge_y:
        return (0, 255, 0, 255)
    if edge_x:
        return (255, 255, 0, 255)
    return (0, 0, 255, 255)


def images():
    yield "res/test/half.png", rgba(8, 8, lambda x, y: (0, 0, 255, 255) if x < 4 else (255, 0, 0, 128))
    yield "res/test/corner.png", rgba(6, 6, nine_patch_source)
    yield "res/test/white.png", rgba(2, 2, lambda x, y: (255, 255, 255, 255))
    yield "res/test/mask.png", png(4, 4, [bytes((255, 0, 0)) * 4] * 4, 2)
    # Palette image: index 0 opaque red, index 1 fully transparent green.
    yield "res/test/palette.png", png(
        4, 4, [bytes((0, 1, 0, 1))] * 4, 3, palette=[(255, 0, 0), (0, 255, 0)], transparency=[255, 0]
    )
    yield "res/test/logo.png", rgba(
        96, 24, lambda x, y: (22, 117, 254, 255) if (x // 12 + y // 12) % 2 == 0 else (90, 157, 253, 255)
    )


def main():
    skin_dir, out_dir = Path(sys.argv[1]), Path(sys.argv[2])
    if out_dir.exists():
        shutil.rmtree(out_dir)
    out_dir.mkdir(parents=True)
    for layout in skin_dir.glob("*.xml"):
        shutil.copyfile(layout, out_dir / layout.name)
    for name, data in images():
        path = out_dir / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
    (out_dir / "empty.xml").write_bytes(b"")
    (out_dir / "limit.xml").write_bytes(b" " * LAYOUT_LIMIT)
    (out_dir / "big.xml").write_bytes(b" " * (LAYOUT_LIMIT + 1))


if __name__ == "__main__":
    main()
