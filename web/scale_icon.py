#!/usr/bin/env python3
"""Scales a square RGBA PNG icon to another size by area averaging.

    scale_icon.py IN.png OUT.png PIXELS

The web app manifest wants a 192-pixel icon, which the drawn icon set does not
have; it is made from the largest drawing. Only what the icon files use is
read: 8-bit RGBA, not interlaced. Colours are averaged with their alpha
(premultiplied), so the transparent border does not darken the rim.
"""
import struct
import sys
import zlib


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit(f"{path}: expected 8-bit RGBA without interlace")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, prior = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prior[i]
            c = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prior = line
    return width, height, rows


def write_png(path, size, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def spans(source, size):
    """For each output pixel, the source pixels it covers and by how much."""
    scale = source / size
    result = []
    for o in range(size):
        lo, hi = o * scale, (o + 1) * scale
        part = []
        for s in range(int(lo), min(source, int(hi) + 1)):
            weight = min(hi, s + 1) - max(lo, s)
            if weight > 1e-9:
                part.append((s, weight))
        result.append(part)
    return result


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: scale_icon.py IN.png OUT.png PIXELS")
    width, height, rows = read_png(sys.argv[1])
    size = int(sys.argv[3])
    if width != height or size > width:
        sys.exit(f"{sys.argv[1]}: expected a square icon of at least {size} pixels")
    cover = spans(width, size)
    area = (width / size) ** 2
    out = []
    for oy in range(size):
        line = bytearray(size * 4)
        for ox in range(size):
            r = g = b = a = 0.0
            for sy, wy in cover[oy]:
                row = rows[sy]
                for sx, wx in cover[ox]:
                    w = wy * wx
                    alpha = row[sx * 4 + 3] * w
                    r += row[sx * 4] * alpha
                    g += row[sx * 4 + 1] * alpha
                    b += row[sx * 4 + 2] * alpha
                    a += alpha
            if a > 0:
                line[ox * 4:ox * 4 + 4] = bytes(
                    [round(r / a), round(g / a), round(b / a), min(255, round(a / area))])
        out.append(line)
    write_png(sys.argv[2], size, out)


if __name__ == "__main__":
    main()
