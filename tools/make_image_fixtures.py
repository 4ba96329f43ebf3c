#!/usr/bin/env python3
"""Writes the small picture files the loader tests read.

Every file shows the same 16 x 16 pattern: four 8 x 8 quadrants, red (top
left), green (top right), blue (bottom left) and white (bottom right). The
GIF and the icon make the top-left quadrant transparent instead of red, so
the tests can see the background colour behind it. The JPEG uses blocks of
one colour each, which its encoder below stores exactly (DC terms only).
"""
import struct
import sys
from pathlib import Path

W = H = 16
RED, GREEN, BLUE, WHITE = (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)


def colour(x, y):
    if y < 8:
        return RED if x < 8 else GREEN
    return BLUE if x < 8 else WHITE


def bmp():
    # 24-bit, bottom-up rows padded to four bytes.
    rows = []
    for y in reversed(range(H)):
        row = b"".join(bytes((c[2], c[1], c[0])) for c in (colour(x, y) for x in range(W)))
        rows.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def gif():
    # Palette index 0 is transparent; 1 green, 2 blue, 3 white.
    palette = [(0, 0, 0), GREEN, BLUE, WHITE]
    index = {RED: 0, GREEN: 1, BLUE: 2, WHITE: 3}
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", W, H, 0x81, 0, 0)  # global table of 4 entries
    for c in palette:
        data += bytes(c)
    data += bytes((0x21, 0xF9, 4, 0x01, 0, 0, 0, 0))  # transparent index 0
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, W, H, 0)
    # LZW with 3-bit codes: a clear code before every pixel keeps the table
    # from growing, so each pixel is one fixed-width code.
    min_code = 2
    clear, end = 1 << min_code, (1 << min_code) + 1
    codes = []
    for y in range(H):
        for x in range(W):
            codes += [clear, index[colour(x, y)]]
    codes.append(end)
    bits = 0
    nbits = 0
    stream = bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += min_code + 1
        while nbits >= 8:
            stream.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        stream.append(bits & 0xFF)
    data.append(min_code)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3b"
    return bytes(data)


def ico():
    # One 16 x 16 image: 24-bit colours plus an AND mask that makes the
    # top-left quadrant transparent.
    xor_rows = []
    and_rows = []
    for y in reversed(range(H)):
        xor_rows.append(b"".join(
            bytes((0, 0, 0)) if (x < 8 and y < 8) else bytes((colour(x, y)[2], colour(x, y)[1], colour(x, y)[0]))
            for x in range(W)))
        mask = 0
        for x in range(W):
            if x < 8 and y < 8:
                mask |= 1 << (15 - x)
        and_rows.append(struct.pack(">H", mask) + b"\0\0")  # rows padded to 32 bits
    image = struct.pack("<IiiHHIIiiII", 40, W, H * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    image += b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", W, H, 0, 0, 1, 24, len(image), 6 + 16)
    return header + entry + image


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.n = 0

    def put(self, value, length):
        for i in reversed(range(length)):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.acc = 0
                self.n = 0

    def flush(self):
        while self.n:
            self.put(1, 1)
        return bytes(self.out)


def jpeg():
    """Baseline JPEG, 4:4:4, quantisation 1, blocks of one colour each.

    A constant block has only a DC coefficient (8 x the level-shifted
    value), so the encoder needs no DCT: each block is a DC difference and
    an end-of-block. Our own Huffman tables: DC categories 0-11 as 4-bit
    codes, and a lone end-of-block code for AC.
    """
    def ycc(c):
        r, g, b = c
        y = 0.299 * r + 0.587 * g + 0.114 * b
        cb = -0.168736 * r - 0.331264 * g + 0.5 * b + 128
        cr = 0.5 * r - 0.418688 * g - 0.081312 * b + 128
        return [min(255, max(0, round(v))) for v in (y, cb, cr)]

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload

    out = bytearray(b"\xff\xd8")
    out += segment(0xE0, b"JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    out += segment(0xDB, b"\x00" + bytes([1] * 64))
    out += segment(0xC0, struct.pack(">BHHB", 8, H, W, 3) + bytes((1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0)))
    dc_bits = [0, 0, 0, 12] + [0] * 12
    out += segment(0xC4, b"\x00" + bytes(dc_bits) + bytes(range(12)))
    ac_bits = [1] + [0] * 15
    out += segment(0xC4, b"\x10" + bytes(ac_bits) + b"\x00")
    out += segment(0xDA, bytes((3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0)))
    bw = BitWriter()
    pred = [0, 0, 0]
    for by in range(0, H, 8):
        for bx in range(0, W, 8):
            comps = ycc(colour(bx, by))
            for i, v in enumerate(comps):
                dc = 8 * (v - 128)
                diff = dc - pred[i]
                pred[i] = dc
                size = abs(diff).bit_length()
                bw.put(size, 4)
                if size:
                    bw.put(diff if diff > 0 else diff + (1 << size) - 1, size)
                bw.put(0, 1)  # end of block
    out += bw.flush()
    out += b"\xff\xd9"
    return bytes(out)


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in (("pattern.bmp", bmp()), ("pattern.gif", gif()), ("pattern.ico", ico()),
                       ("pattern.jpg", jpeg())):
        (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
