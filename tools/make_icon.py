#!/usr/bin/env python3
"""Draws the Relayo icon (32x32, 16 colours) and writes resources/relayo.ico.

The picture: a scanned page with a blue arrow leaving it, handing the page on.
Run again after changing the drawing; the .ico is committed.
"""
import struct
import sys

W = H = 32
# The standard 16-colour palette (index: colour).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, LIGHT, WHITE, BLUE, NAVY = 0, 8, 7, 15, 12, 4

pixels = [[None] * W for _ in range(H)]  # None is transparent

def rect(x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            pixels[y][x] = colour

# The page, with a folded corner and lines of text.
rect(4, 2, 21, 29, BLACK)
rect(5, 3, 20, 28, WHITE)
for y in range(3, 8):
    for x in range(16 + (y - 3), 21):
        pixels[y][x] = None
for i in range(5):
    pixels[3 + i][15 + i] = BLACK
    pixels[7][15 + i] = BLACK
rect(15, 3, 15, 7, BLACK)
for y in (10, 13, 16, 19, 22, 25):
    rect(7, y, 17, y, GREY)
# The arrow, from the page to the right edge.
rect(12, 15, 24, 19, NAVY)
rect(13, 16, 24, 18, BLUE)
for i in range(7):
    rect(24 + i, 11 + i, 24 + i, 23 - i, NAVY)
    if 0 < i < 6:
        rect(24 + i, 12 + i, 24 + i, 22 - i, BLUE)

def colour_index(c):
    return 0 if c is None else c

# XOR bitmap: 4 bits a pixel, rows bottom-up, each row padded to 4 bytes.
xor = bytearray()
for y in reversed(range(H)):
    row = pixels[y]
    for x in range(0, W, 2):
        xor.append((colour_index(row[x]) << 4) | colour_index(row[x + 1]))
# AND mask: 1 bit a pixel, 1 where transparent, rows padded to 4 bytes.
mask = bytearray()
for y in reversed(range(H)):
    bits = 0
    for x in range(W):
        bits = (bits << 1) | (1 if pixels[y][x] is None else 0)
    mask += struct.pack('>I', bits)

header = struct.pack('<IiiHHIIiiII', 40, W, H * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
palette = b''.join(struct.pack('BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
image = header + palette + bytes(xor) + bytes(mask)
icon = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', W, H, 16, 0, 1, 4, len(image), 22)
out = sys.argv[1] if len(sys.argv) > 1 else 'resources/relayo.ico'
with open(out, 'wb') as f:
    f.write(icon + image)
