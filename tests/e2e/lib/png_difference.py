#!/usr/bin/python3
"""Share of pixels that differ clearly between two PNG screenshots.

png_difference.py A B [x0,y0,x1,y1 ...] prints the share, leaving out the given
rectangles (areas whose content the football decides); with --inside x0,y0,x1,y1
first, only that rectangle is compared. Plain Python and zlib, so
the tests need no imaging library. Pictures of different sizes differ entirely.
"""
import struct
import sys
import zlib


def chunks(path):
    data = open(path, 'rb').read()
    pos, header, idat = 8, b'', b''
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        if kind == b'IHDR':
            header = data[pos + 8:pos + 8 + n]
        elif kind == b'IDAT':
            idat += data[pos + 8:pos + 8 + n]
        pos += 12 + n
    return header, zlib.decompress(idat)


def pixels(path):
    data = open(path, 'rb').read()
    pos, idat, w, h, ctype = 8, b'', 0, 0, 6
    while pos < len(data):
        n, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + n]
        pos += 12 + n
        if kind == b'IHDR':
            w, h, _, ctype = struct.unpack('>IIBB', body[:10])
        elif kind == b'IDAT':
            idat += body
    bpp = 4 if ctype == 6 else 3
    raw, rows, prev, i = zlib.decompress(idat), [], bytearray(w * bpp), 0
    for _ in range(h):
        f, line = raw[i], bytearray(raw[i + 1:i + 1 + w * bpp])
        i += 1 + w * bpp
        for x in range(len(line)):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if f == 1:
                line[x] = (line[x] + a) & 255
            elif f == 2:
                line[x] = (line[x] + b) & 255
            elif f == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        prev = line
    return w, h, bpp, rows


def main():
    inside = None
    if sys.argv[1] == '--inside':
        inside = tuple(map(int, sys.argv[2].split(',')))
        del sys.argv[1:3]
    # Two shots of the same screen by the same build are byte for byte the same:
    # no need to unfilter them, which takes seconds in plain Python.
    if chunks(sys.argv[1]) == chunks(sys.argv[2]):
        print(0.0)
        return
    wa, ha, ba, ra = pixels(sys.argv[1])
    wb, hb, bb, rb = pixels(sys.argv[2])
    if (wa, ha) != (wb, hb):
        print(1.0)
        return
    masks = [tuple(map(int, m.split(','))) for m in sys.argv[3:]]
    counted = diff = 0
    for y in range(ha):
        spans = [(x0, x1) for x0, y0, x1, y1 in masks if y0 <= y < y1]
        for x in range(wa):
            if any(x0 <= x < x1 for x0, x1 in spans):
                continue
            if inside and not (inside[0] <= x < inside[2] and inside[1] <= y < inside[3]):
                continue
            counted += 1
            # Antialiasing of the software renderer moves shades a little, never this much.
            if max(abs(ra[y][x * ba + k] - rb[y][x * bb + k]) for k in range(3)) > 24:
                diff += 1
    print(diff / max(1, counted))


main()
