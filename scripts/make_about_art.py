#!/usr/bin/env python3
"""Writes the game's own picture: resources/about.bmp (32 x 32, 16 colours,
4 bits a pixel) for the About box. The icons, drawn from the same scene, are
data/icons/quadrillo.svg.

The picture is the game in miniature: a seaside scene cut into a 4 x 4 grid of
tiles, with the sun's tile and a tile of the hill swapped.

Run it from anywhere after changing the scene; the file is checked in.
"""

import pathlib
import struct

PALETTE = {
    "K": (0x1D, 0x27, 0x33),  # the cuts between tiles
    "B": (0x3F, 0x7F, 0xD6),  # sky, high
    "b": (0x6E, 0xA8, 0xEC),  # sky
    "l": (0xA9, 0xD3, 0xF7),  # sky at the horizon, foam
    "Y": (0xFF, 0xD9, 0x3D),  # sun
    "O": (0xF3, 0x9C, 0x1F),  # the sun's shaded rim
    "W": (0xFF, 0xFF, 0xFF),  # cloud, sail, the sun's shine
    "c": (0xC7, 0xD5, 0xE6),  # cloud underside
    "G": (0x67, 0xBE, 0x45),  # grass in the light
    "g": (0x2E, 0x8B, 0x3B),  # grass
    "t": (0x1F, 0x5F, 0x2B),  # tree
    "h": (0x8B, 0x5A, 0x2B),  # tree trunk, hull
    "n": (0xE9, 0xD0, 0x8C),  # sand
    "S": (0x2B, 0x72, 0xC0),  # sea
    "s": (0x1B, 0x4F, 0x8F),  # deep sea
    "R": (0xD8, 0x3A, 0x2C),  # flag, flowers
}

# The whole picture before it is cut. Every eighth column and row is covered
# by a cut.
SCENE = [
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBBBYYYBBBBBBBBBBB",
    "BBBBBWWBBWWWBBBBBYWYYYBBBKBBBKBB",
    "BBBWWWWWWWWWWBBBBYYYYOBBBBKBKBBB",
    "BBWWWWWWWWWWWWBBBYYYYOBBBBBKBBBB",
    "BBBccccccccccBBBBBOOOBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbtttbbbbbbbbbbbbbbbbbbb",
    "bGGGGGGbbtttttbbbbbbbbbbbbbbbbbb",
    "GGGGGGGGGbtttbbbbbbbbbbbbbbbbbbb",
    "GggggggGGGGhbbbbbbbbbbbbbbbbbbbb",
    "gggggggggGGhbbbbbbbbbbbbbbbbbbbb",
    "gggggggggggGGGbbbbbbbbbbbbbbbbbb",
    "ggggggggggggGGGlllllllllllllllll",
    "ggggggggggggggGGlllllllllllRllll",
    "gggggggggggggggGGllllllllllhWlll",
    "ggggggggggggggggGGllllllllWhWWll",
    "ggRgggggggRggggggGGnnllllWWhWWWl",
    "ggggggggggggggggggGnnSSSRRRRRRRS",
    "gggggggggggggggggggnnSSSSRRRRRSS",
    "gggggYgggggggYgggggnnSSSSSSSSSSS",
    "gggGggggggggggggggggnnSSSSSllSSS",
    "ggggggggggggggggggggnnlSSlSSSSSS",
    "ggggggggggggggggggggnnSSSSSSSSSS",
    "gggggGggggggYgggggggnnssssssssss",
    "gRgggggggggggggggggggnnssllsssss",
    "gggggggggRgggggggggggnnsssssssss",
    "gggggggggggggggggggggnnsssssssss",
    "ggggYggggggGgggggggggnnsssssllss",
    "ggggggggggggggggggggggnnssssssss",
    "ggggggggggggggggggggggnnssssssss",
]

SIZE = 32
TILE = 8  # 4 x 4 tiles
SWAPPED = ((0, 2), (3, 0))  # (row, column) of the two tiles out of place


def cut_picture():
    rows = [list(row) for row in SCENE]
    assert len(rows) == SIZE and all(len(row) == SIZE for row in rows)
    (r1, c1), (r2, c2) = SWAPPED
    for dy in range(TILE):
        for dx in range(TILE):
            a = (r1 * TILE + dy, c1 * TILE + dx)
            b = (r2 * TILE + dy, c2 * TILE + dx)
            rows[a[0]][a[1]], rows[b[0]][b[1]] = rows[b[0]][b[1]], rows[a[0]][a[1]]
    # Each tile's last row and column is the cut, as the board's grid draws it.
    for y in range(SIZE):
        for x in range(SIZE):
            if x % TILE == TILE - 1 or y % TILE == TILE - 1:
                rows[y][x] = "K"
    return rows


def bmp_bytes(rows):
    keys = list(PALETTE)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE.values())
    stride = SIZE // 2  # already a multiple of four
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        indices = [keys.index(c) for c in row]
        pixels += bytes(indices[i] << 4 | indices[i + 1] for i in range(0, SIZE, 2))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, stride * SIZE, 2835, 2835,
                       len(keys), len(keys))
    return header + info + palette + bytes(pixels)


def main():
    resources = pathlib.Path(__file__).resolve().parent.parent / "resources"
    rows = cut_picture()
    (resources / "about.bmp").write_bytes(bmp_bytes(rows))


if __name__ == "__main__":
    main()
