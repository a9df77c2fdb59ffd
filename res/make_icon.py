#!/usr/bin/env python3
"""Writes the window icon: one icon group with 16-colour images of 16 x 16,
32 x 32 and 48 x 48 pixels, drawn from the 16 x 16 picture below."""
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
COLOURS = {"N": 4, "W": 15, "Y": 11}  # "." is transparent

# A backslash and a u on navy: the start of an escape.
PICTURE = [
    "................",
    ".NNNNNNNNNNNNNN.",
    ".NWNNNNNNNNNNNN.",
    ".NNWNNNNNNNNNNN.",
    ".NNNWNNNNNNNNNN.",
    ".NNNNWNNNNNNNNN.",
    ".NNNNNWNWNNNWNN.",
    ".NNNNNNWWNNNWNN.",
    ".NNNNNNNWNNNWNN.",
    ".NNNNNNNWNNNWNN.",
    ".NNNNNNNWNNWWNN.",
    ".NNNNNNNNWWNWWN.",
    ".NNNNNNNNNNNNNN.",
    ".NYYYYYYYYYYYYN.",
    ".NNNNNNNNNNNNNN.",
    "................",
]


def image(size):
    scale = size // 16
    rows = [[PICTURE[y // scale][x // scale] for x in range(size)] for y in range(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", r, g, b, 0) for (r, g, b) in PALETTE)
    colour_row = (size // 2 + 3) // 4 * 4
    mask_row = (size // 8 + 3) // 4 * 4
    colours, mask = b"", b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [COLOURS.get(c, 0) for c in row]
        packed = bytes(indices[i] << 4 | indices[i + 1] for i in range(0, size, 2))
        colours += packed.ljust(colour_row, b"\0")
        bits = 0
        for c in row:
            bits = bits << 1 | (c == ".")
        mask += bits.to_bytes(size // 8, "big").ljust(mask_row, b"\0")
    return header + palette + colours + mask


def main(path):
    sizes = (16, 32, 48)
    images = [image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, data in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
