#!/usr/bin/env python3
"""Writes the program's icon: a black, red and yellow horizontal tricolour,
32 x 32 pixels, 16 colours, framed in black, transparent above and below."""
import struct
import sys

SIZE = 32
# The standard 16-colour palette (blue, green, red, reserved); the picture
# uses black, red and yellow from it.
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]  # as (red, green, blue)
BLACK, RED, YELLOW = PALETTE.index((0, 0, 0)), PALETTE.index((255, 0, 0)), PALETTE.index((255, 255, 0))
TRANSPARENT = None


def pixel(row, column):
    """The colour index at a row counted from the top, or TRANSPARENT."""
    if row < 6 or row > 25:
        return TRANSPARENT
    if row <= 11 or row == 25 or column in (0, SIZE - 1):
        return BLACK
    return RED if row <= 18 else YELLOW


def image():
    colour_rows, mask_rows = [], []
    for row in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        indices = [pixel(row, column) for column in range(SIZE)]
        colour = [BLACK if index is TRANSPARENT else index for index in indices]
        colour_rows.append(bytes((colour[i] << 4) | colour[i + 1] for i in range(0, SIZE, 2)))
        mask_bits = 0
        for index in indices:
            mask_bits = (mask_bits << 1) | (index is TRANSPARENT)
        mask_rows.append(mask_bits.to_bytes(SIZE // 8, "big"))
    colour_bits, mask = b"".join(colour_rows), b"".join(mask_rows)
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(colour_bits) + len(mask), 0, 0, 0, 0)
    palette = b"".join(bytes((blue, green, red, 0)) for red, green, blue in PALETTE)
    return header + palette + colour_bits + mask


def icon_file():
    data = image()
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(data), 6 + 16)
    return directory + entry + data


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_file())
