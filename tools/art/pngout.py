"""PNG writers that keep the palette exactly as given.

Recoloured pictures are patched in their PLTE chunk at load time, so every
template colour must be one palette entry of its own and nothing may precede
the chunk that could be mistaken for it.
"""
import os
import zlib
import struct

from PIL import Image


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def save_indexed(path, width, height, indices, palette):
    """indices: flat list of palette indices; palette: list of 0xRRGGBB."""
    assert len(indices) == width * height
    assert len(palette) <= 256 and len(set(palette)) == len(palette), "duplicate palette entries"
    assert max(indices) < len(palette)
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        raw.extend(bytes(indices[y * width:(y + 1) * width]))
    plte = bytearray()
    for c in palette:
        plte.extend(((c >> 16) & 255, (c >> 8) & 255, c & 255))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + _chunk(b"PLTE", bytes(plte)) + \
        _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b"")
    assert png.find(b"PLTE") == 37
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(png)


def save_rgb(path, width, height, pixels):
    """pixels: flat list of 0xRRGGBB; written as a lossless 24-bit PNG."""
    img = Image.new("RGB", (width, height))
    img.putdata([((c >> 16) & 255, (c >> 8) & 255, c & 255) for c in pixels])
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, optimize=False, compress_level=9)


def save_from_rgb(path, width, height, pixels, palette_first=()):
    """Writes an indexed PNG of an RGB picture; the colours in palette_first
    take the first entries in that order (mask first, then templates)."""
    palette = list(palette_first)
    seen = {c: i for i, c in enumerate(palette)}
    indices = []
    for c in pixels:
        i = seen.get(c)
        if i is None:
            i = len(palette)
            seen[c] = i
            palette.append(c)
        indices.append(i)
    save_indexed(path, width, height, indices, palette)


class Grid:
    """A flat RGB picture with bounds-checked writes."""

    def __init__(self, width, height, fill=0):
        self.w = width
        self.h = height
        self.px = [fill] * (width * height)

    def get(self, x, y, default=None):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y * self.w + x]
        return default

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = c

    def rect(self, x0, y0, w, h, c):
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w):
                self.set(x, y, c)

    def blit(self, other, ox, oy, transparent=None):
        for y in range(other.h):
            for x in range(other.w):
                c = other.px[y * other.w + x]
                if c != transparent:
                    self.set(ox + x, oy + y, c)

    def to_image(self):
        img = Image.new("RGB", (self.w, self.h))
        img.putdata([((c >> 16) & 255, (c >> 8) & 255, c & 255) for c in self.px])
        return img
