#!/usr/bin/env python3
"""Draws the program icon: a magnifying glass over a page, in 16 colours,
at 16x16, 32x32 and 48x48, and writes it as a Windows .ico file.

    tools/make_icon.py resources/linkfinder.ico
"""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CLEAR, BLACK, NAVY, GREY, SILVER, BLUE, CYAN, WHITE = None, 0, 4, 8, 7, 12, 14, 15


def draw(n):
    """Returns n rows of n palette indices (None where transparent)."""
    s = n / 16.0
    img = [[CLEAR] * n for _ in range(n)]
    # The page: a white sheet with a grey edge and a few lines of text.
    left, top, right, bottom = int(1 * s), int(0 * s), int(11 * s), int(15 * s)
    for y in range(top, bottom):
        for x in range(left, right):
            edge = x in (left, right - 1) or y in (top, bottom - 1)
            img[y][x] = GREY if edge else WHITE
    for line in range(3, 14, 2):
        y = int(line * s)
        for x in range(left + max(1, int(2 * s)), right - max(1, int(2 * s))):
            if y < bottom - 1:
                img[y][x] = NAVY if line % 4 == 1 else SILVER
    # The glass: a blue ring with a light lens, and a dark handle.
    cx, cy, r_out, r_in = 9.5 * s, 8.5 * s, 4.6 * s, 3.2 * s
    for y in range(n):
        for x in range(n):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= r_in:
                img[y][x] = CYAN if (x + y) % 5 else WHITE
            elif d <= r_out:
                img[y][x] = BLUE
    for i in range(int(4.5 * s)):
        for w in range(max(1, int(1.5 * s))):
            x, y = int(12.6 * s) + i + w, int(11.6 * s) + i
            if x < n and y < n:
                img[y][x] = BLACK
    return img


def dib(img):
    n = len(img)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((n * 4 + 31) // 32) * 4
    and_stride = ((n + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(img):  # bottom-up
        bits = bytearray(xor_stride)
        andbits = bytearray(and_stride)
        for x, c in enumerate(row):
            if c is None:
                andbits[x // 8] |= 0x80 >> (x % 8)
                c = 0
            bits[x // 2] |= c << (4 if x % 2 == 0 else 0)
        xor += bytes(bits)
        mask += bytes(andbits)
    return header + palette + xor + mask


def main(path):
    images = [(n, dib(draw(n))) for n in (16, 32, 48)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack("<BBBBHHII", n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/linkfinder.ico")
