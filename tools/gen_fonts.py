#!/usr/bin/python3
"""Renders the game's bitmap fonts from DejaVu.

Outputs:
  assets/images/ucode_10.png, ucode_10.txt   menu/match font (DejaVu Sans)
  assets/images/ucode_14.png, ucode_14.txt   large font (DejaVu Sans Bold)
  src/platform/builtin_font_glyphs.inc       fixed-width 8x12 font (DejaVu Sans Mono)

Glyphs are rasterised by FreeType in monochrome mode (hinted for 1-bit
output), so they are crisp without any grey fringe.  The sheets are indexed
PNGs with palette entry 0 = 0000FF (the mask) and entry 1 = FCFCFC (the
glyph colour the game recolours by patching the palette).

Usage: gen_fonts.py [--preview DIR]   (the preview is a debugging aid)
"""
import os
import unicodedata

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
BLUE = (0, 0, 255)
WHITE = (252, 252, 252)
CODES = 1024
WIDTH_DIGITS = "0123456789ABCDEFGHIJKLMN"

# One entry per sheet.  `fonts` is a fall-back chain tried in order until the
# glyph's ink fits into the cell with one pixel of spacing; the first font
# sets the look, the later ones only rescue over-wide letters (W, Æ, Œ...).
SHEETS = [
    {
        "name": "ucode_10",
        "cell": (12, 16),
        "pitch": (13, 17),
        "baseline": 12,
        "space": 4,
        "compose_capitals": True,
        "fonts": [("DejaVuSans.ttf", 11), ("DejaVuSansCondensed.ttf", 11),
                  ("DejaVuSansCondensed.ttf", 10)],
    },
    {
        "name": "ucode_14",
        "cell": (16, 22),
        "pitch": (16, 23),
        "baseline": 16,
        "space": 5,
        "compose_capitals": False,
        "fonts": [("DejaVuSans-Bold.ttf", 16), ("DejaVuSansCondensed-Bold.ttf", 16),
                  ("DejaVuSansCondensed-Bold.ttf", 15), ("DejaVuSansCondensed-Bold.ttf", 14)],
    },
]

# A code point no DejaVu face covers: what it renders is the .notdef box.
MISSING_PROBE = "\U000FFFFD"


class Glyph:
    """A rendered glyph: ink bitmap, its left bearing and the pen advance."""

    def __init__(self, bitmap, left, top, advance):
        self.bitmap = bitmap  # mode "1" image, cropped to the ink, or None
        self.left = left      # ink left edge relative to the pen
        self.top = top        # ink top relative to the baseline (negative = above)
        self.advance = advance

    @property
    def ink_width(self):
        return self.bitmap.width if self.bitmap else 0


def render_glyph(font, ch):
    pad = 32
    canvas = Image.new("1", (pad * 3, pad * 3), 0)
    draw = ImageDraw.Draw(canvas)
    draw.fontmode = "1"
    draw.text((pad, pad * 2), ch, font=font, fill=1, anchor="ls")
    box = canvas.getbbox()
    advance = font.getlength(ch, mode="1")
    if box is None:
        return Glyph(None, 0, 0, advance)
    return Glyph(canvas.crop(box), box[0] - pad, box[1] - pad * 2, advance)


def same_bitmap(a, b):
    if a.bitmap is None or b.bitmap is None:
        return a.bitmap is b.bitmap
    return (a.left, a.top, a.bitmap.size) == (b.left, b.top, b.bitmap.size) and \
        a.bitmap.tobytes() == b.bitmap.tobytes()


def load_chain(specs):
    chain = []
    for file_name, size in specs:
        font = ImageFont.truetype(os.path.join(FONT_DIR, file_name), size,
                                  layout_engine=ImageFont.Layout.BASIC)
        chain.append((font, render_glyph(font, MISSING_PROBE)))
    return chain


def pick_glyph(chain, ch, cell_w):
    """First rendering in the chain that fits the cell; None when uncovered."""
    best = None
    for font, notdef in chain:
        glyph = render_glyph(font, ch)
        if same_bitmap(glyph, notdef):
            continue  # this face lacks the character
        if best is None:
            best = glyph
        if glyph.ink_width <= cell_w - 1:
            return glyph
    if best is None:
        return None
    # still too wide (digraphs): shrink the last face until it fits
    font = chain[-1][0]
    for size in range(font.size - 1, font.size // 2, -1):
        glyph = render_glyph(font.font_variant(size=size), ch)
        if glyph.ink_width <= cell_w - 1:
            return glyph
    return best


# At 8 px capitals the hinter squeezes these accents into one pixel, which
# makes A-grave and A-acute identical; the lower-case accents keep their slant.
SLANTED_MARKS = {"0300", "0301", "030B"}


def compose_capital(chain, ch):
    """Capital + the accent of its lower-case twin, or None if not applicable."""
    parts = unicodedata.decomposition(ch).split()
    if len(parts) != 2 or parts[1] not in SLANTED_MARKS:
        return None
    base = chr(int(parts[0], 16))
    if not base.isupper():
        return None
    lower = unicodedata.normalize("NFC", base.lower() + chr(int(parts[1], 16)))
    if len(lower) != 1:
        return None
    plain = "\u0131" if base.lower() == "i" else base.lower()  # dotless i
    font, notdef = chain[0]
    capital, small, small_plain = (render_glyph(font, c) for c in (base, lower, plain))
    if any(g.bitmap is None or same_bitmap(g, notdef) for g in (capital, small, small_plain)):
        return None
    accent_rows = small_plain.top - small.top - 1  # rows above the x-height gap
    if accent_rows <= 0:
        return None
    accent = small.bitmap.crop((0, 0, small.bitmap.width, accent_rows))
    box = accent.getbbox()
    if box is None:
        return None
    accent = accent.crop(box)
    top = capital.top - 1 - accent.height
    # centre the accent over the capital's ink
    ax = capital.left + (capital.ink_width - accent.width + 1) // 2
    left = min(capital.left, ax)
    right = max(capital.left + capital.ink_width, ax + accent.width)
    bitmap = Image.new("1", (right - left, capital.top + capital.bitmap.height - top), 0)
    bitmap.paste(capital.bitmap, (capital.left - left, capital.top - top))
    bitmap.paste(accent, (ax - left, 0))
    return Glyph(bitmap, left, top, capital.advance)


def place(glyph, cell_w, space):
    """Pen-relative ink x offset inside the cell and the advance in pixels."""
    if glyph.bitmap is None:
        # blank but real characters (spaces) only advance the pen
        if space is not None:
            return 0, space
        return 0, min(int(round(glyph.advance)), cell_w)
    offset = min(max(glyph.left, 0), 1)
    shift = glyph.left - offset
    advance = int(round(glyph.advance)) - shift
    advance = max(advance, offset + glyph.ink_width + 1)
    return offset, min(advance, cell_w)


def build_sheet(sheet):
    cell_w, cell_h = sheet["cell"]
    pitch_x, pitch_y = sheet["pitch"]
    baseline = sheet["baseline"]
    chain = load_chain(sheet["fonts"])
    image = Image.new("P", (64 * pitch_x, 16 * pitch_y), 0)
    image.putpalette(list(BLUE) + list(WHITE))
    widths = [0] * CODES
    clipped = []
    for code in range(32, CODES):
        if 127 <= code < 160:
            continue  # C0/C1 controls and DEL stay empty
        ch = chr(code)
        glyph = None
        if sheet["compose_capitals"]:
            glyph = compose_capital(chain, ch)
        if glyph is None:
            glyph = pick_glyph(chain, ch, cell_w)
        if glyph is None:
            continue
        space = sheet["space"] if ch in (" ", "\u00a0") else None
        offset, advance = place(glyph, cell_w, space)
        widths[code] = advance
        if glyph.bitmap is None:
            continue
        cx, cy = (code % 64) * pitch_x, (code // 64) * pitch_y
        x0 = offset
        y0 = baseline + glyph.top
        ink = glyph.bitmap
        # clip the ink to the cell (only a few tall stacked accents lose rows)
        sx0, sy0 = max(0, -x0), max(0, -y0)
        sx1 = min(ink.width, cell_w - x0)
        sy1 = min(ink.height, cell_h - y0)
        if (sx0, sy0, sx1, sy1) != (0, 0, ink.width, ink.height):
            clipped.append(ch)
        part = ink.crop((sx0, sy0, sx1, sy1))
        image.paste(1, (cx + x0 + sx0, cy + y0 + sy0), part)
    return image, widths, clipped


def width_table(widths):
    lines = []
    for base in range(0, CODES, 8):
        lines.append("".join(WIDTH_DIGITS[w] for w in widths[base:base + 8]) + "\n")
    return "".join(lines)


def builtin_font():
    """8x12 fixed-width Latin-1 font as rows of bytes, bit 7 leftmost."""
    font = ImageFont.truetype(os.path.join(FONT_DIR, "DejaVuSansMono.ttf"), 11,
                              layout_engine=ImageFont.Layout.BASIC)
    notdef = render_glyph(font, MISSING_PROBE)
    baseline = 10  # accented capitals reach row 0, descenders row 11
    rows = []
    for code in range(256):
        cell = [0] * 12
        if 32 <= code < 127 or code >= 160:
            glyph = render_glyph(font, chr(code))
            if glyph.bitmap is not None and not same_bitmap(glyph, notdef):
                bits = [[glyph.bitmap.getpixel((x, y)) != 0 for x in range(glyph.bitmap.width)]
                        for y in range(glyph.bitmap.height)]
                y0 = baseline + glyph.top
                # accented capitals are one row too tall: drop the gap under the accent
                while y0 < 0 and not all(any(r) for r in bits):
                    bits.remove([False] * glyph.bitmap.width)
                    y0 += 1
                y0 = max(min(y0, 12 - len(bits)), 0)  # the underscore rides one row up
                x0 = max(glyph.left, 0)
                x0 = min(x0, 8 - glyph.ink_width) if glyph.ink_width <= 8 else 0
                for y, line in enumerate(bits[:12 - y0]):
                    for x, on in enumerate(line):
                        if on and 0 <= x0 + x < 8:
                            cell[y0 + y] |= 0x80 >> (x0 + x)
        rows.append(cell)
    return rows


def write_builtin(rows, path):
    out = ["// Generated by tools/gen_fonts.py from DejaVu Sans Mono; do not edit.\n",
           "constexpr int BUILTIN_GLYPH_W = 8;\n",
           "constexpr int BUILTIN_GLYPH_H = 12;\n",
           "constexpr unsigned char BUILTIN_GLYPHS[256][12] = {\n"]
    for code, cell in enumerate(rows):
        body = ", ".join(f"0x{b:02X}" for b in cell)
        out.append(f"    {{{body}}},  // {code}\n")
    out.append("};\n")
    with open(path, "w", newline="\n") as f:
        f.write("".join(out))


def main():
    images_dir = os.path.join(ROOT, "assets", "images")
    os.makedirs(images_dir, exist_ok=True)
    for sheet in SHEETS:
        image, widths, clipped = build_sheet(sheet)
        image.save(os.path.join(images_dir, sheet["name"] + ".png"), bits=8, optimize=True)
        with open(os.path.join(images_dir, sheet["name"] + ".txt"), "w", newline="\n") as f:
            f.write(width_table(widths))
        covered = sum(1 for w in widths if w)
        print(f"{sheet['name']}: {covered} glyphs, clipped: {''.join(clipped) or 'none'}")
    write_builtin(builtin_font(), os.path.join(ROOT, "src", "platform", "builtin_font_glyphs.inc"))


if __name__ == "__main__":
    main()
