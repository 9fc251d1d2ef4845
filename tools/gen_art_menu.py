#!/usr/bin/python3
"""Menu and HUD pictures: faces, kit previews, standard crests, flag sheets,
and the icons, digits and boards of the menus and the match overlay.
Reads assets/images/flags_t.txt and the team-file codes under assets/data.
"""
import math
import os
import random
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw, ImageFont     # noqa: E402

from art import colours as K                    # noqa: E402
from art import flags as FL                     # noqa: E402
from art import figure as fg                    # noqa: E402
from art import hair as H                       # noqa: E402
from art import paint as P                      # noqa: E402
from art.figure import Frame, Part, norm, cross  # noqa: E402
from art.pngout import save_from_rgb, save_rgb, Grid  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
ASSETS = os.path.join(ROOT, "assets")
IMG = os.path.join(ASSETS, "images")
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
PANEL = (0x18, 0x20, 0x34)
PANEL_EDGE = (0x50, 0x60, 0x88)


def rgbi(t):
    return (t[0] << 16) | (t[1] << 8) | t[2]


def save_image(path, im, first=()):
    im = im.convert("RGB")
    px = [rgbi(p) for p in im.getdata()]
    if len(set(px) | set(first)) <= 256:
        save_from_rgb(path, im.width, im.height, px, list(first))
    else:
        save_rgb(path, im.width, im.height, px)


# ------------------------------------------------------------ menu faces

def face(code):
    w, h = 16, 18
    F = (0.0, fg.S, fg.C)
    U = (0.0, -fg.C, fg.S)
    R = norm(cross(U, F))
    hr = 6.0
    centre_s = (8.0, 8.0)
    centre = fg.unproject(centre_s[0], centre_s[1], 0.0)
    cv = fg.Canvas(w, h, 0.0, 0.0)
    hf = Frame(F, R, U, centre)
    cv.draw(Part(fg.HEAD, [(centre, hr)], hf))
    cv.draw(Part(fg.SKIN, [(fg.unproject(x, 14.6, -3.0), 2.3) for x in (6.6, 8.0, 9.4)]))
    shirt = [(fg.unproject(x, 18.5, -4.0), 3.2) for x in (2.5, 5.5, 8.0, 10.5, 13.5)]
    cv.draw(Part(fg.SHIRT, shirt))
    out = [K.MASK_BLACK] * (w * h)
    for i in range(w * h):
        m = cv.mat[i]
        if m == fg.EMPTY:
            continue
        s3 = fg.shade3(cv.light[i] + 0.15)
        if m == fg.SHIRT:
            out[i] = (0x7880A0, 0x5C6484, 0x444A66)[s3]
        else:
            out[i] = K.SKIN[s3]
    # features
    for x, y, c in ((5, 8, 0xF0F0EC), (6, 8, 0x2A2A34), (10, 8, 0x2A2A34), (11, 8, 0xF0F0EC),
                    (8, 10, K.SKIN[1]), (7, 12, 0x9C3C30), (8, 12, 0x9C3C30), (9, 12, 0x9C3C30),
                    (5, 7, K.HAIR[2]), (6, 7, K.HAIR[2]), (10, 7, K.HAIR[2]), (11, 7, K.HAIR[2])):
        out[y * w + x] = c
    if code == 201:
        for i, c in enumerate(out):
            if c == K.HAIR[2]:
                out[i] = K.HAIR[1]
    hair = H.render_hair(code, hf, centre_s, w, h, hr,
                         hair_palette=(K.HAIR[0], K.HAIR[1], K.HAIR[1] if code == 201 else K.HAIR[2]),
                         outline=False, front_bias=-0.5) if code != 101 else [K.MASK_BLACK] * (w * h)
    for i, c in enumerate(hair):
        if c != K.MASK_BLACK:
            out[i] = c
    P.outline(out, w, h)
    return out


# ------------------------------------------------------------ kit previews and crests

def kit_preview(style):
    """Shirt, shorts and socks laid flat, 40 x 56."""
    w, h = 40, 56
    out = [K.MASK_BLACK] * (w * h)
    for y in range(h):
        for x in range(w):
            lat = (x + 0.5 - 20) / 9.0
            c = None
            if 2 <= y < 30:
                body = abs(x + 0.5 - 20) < 10 - (1 if y < 4 else 0)
                sleeve = 4 <= y < 14 and abs(x + 0.5 - 20) < 19 - (y - 4) * 0.2 and not body
                if body or sleeve:
                    u = (30 - y) / 28.0 * 5.0
                    if sleeve:
                        side = 1 if x > 20 else -1
                        d = (abs(x + 0.5 - 20) - 10) / 9.0 * 1.6
                        pat = P.shirt_pattern(style, fg.SLEEVE, (0.0, d, 0.0), side)
                    elif y < 4 and abs(x + 0.5 - 20) < 4:
                        pat = P.shirt_pattern(style, fg.COLLAR, (1.0, 0.0, 5.0), 0)
                    else:
                        pat = P.shirt_pattern(style, fg.SHIRT, (1.8 * math.cos(lat * 1.2), lat * 2.6, u), 0)
                    shade = 0 if x < 16 else (1 if x < 26 else 2)
                    c = (K.SHIRT2 if pat else K.SHIRT1)[shade]
            elif 31 <= y < 42 and abs(x + 0.5 - 20) < 10 and not (y > 35 and abs(x + 0.5 - 20) < 1.5):
                c = K.SHORTS[0 if x < 18 else 1]
            elif 43 <= y < 55 and (9 <= x < 16 or 24 <= x < 31):
                c = K.SOCKS[0 if (x < 13 or 24 <= x < 28) else 1]
                if y == 45:
                    c = K.SOCKS[3]
            if c is not None:
                out[y * w + x] = c
    P.outline(out, w, h)
    return w, h, out


def crest(style):
    """Shield in the kit's colours on the crest mask colour, 40 x 48."""
    w, h = 40, 48
    out = [K.MASK_CREST] * (w * h)
    inside = []
    for y in range(h):
        for x in range(w):
            cx = x + 0.5 - 20
            if y < 3 or y > 46:
                continue
            half = 17 if y < 26 else 17 * math.sqrt(max(0.0, 1 - ((y - 26) / 21.0) ** 2))
            if abs(cx) < half:
                inside.append((x, y))
    ins = set(inside)
    for x, y in inside:
        edge = any((x + dx, y + dy) not in ins for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        near = any((x + dx, y + dy) not in ins for dx in (-2, 0, 2) for dy in (-2, 0, 2))
        if edge:
            c = K.OUTLINE
        elif near:
            c = K.SHORTS[1]
        else:
            u = (44 - y) / 40.0 * 5.0
            lat = (x + 0.5 - 20) / 15.0
            pat = P.shirt_pattern(style, fg.SHIRT, (1.8, lat * 2.6, u), 0)
            c = (K.SHIRT2 if pat else K.SHIRT1)[0 if x < 20 else 1]
            if 7 <= y <= 11 and abs(x + 0.5 - 20) < 11:
                c = K.SOCKS[0 if y < 10 else 1]
        out[y * w + x] = c
    # a ball on the shield
    for y in range(h):
        for x in range(w):
            d = math.hypot(x + 0.5 - 20, y + 0.5 - 27)
            if d < 6.5:
                out[y * w + x] = K.OUTLINE if d > 5.5 else (0xF4F4F4 if (x + y) % 5 else 0x303038)
    return w, h, out


# ------------------------------------------------------------ flags

FLAG_COLOURS = [(0xD0, 0x18, 0x20), (0xF0, 0xF0, 0xF0), (0x10, 0x30, 0x90), (0x10, 0x80, 0x30),
                (0xF8, 0xC8, 0x10), (0x18, 0x18, 0x18), (0x40, 0x90, 0xD8), (0xE0, 0x70, 0x10),
                (0x80, 0x10, 0x30)]


def flag_emblem(code, w, h):
    """The country's flag, simplified; for a code without a drawn design (the
    confederations, the rarer countries) an emblem chosen from the code:
    stripes, crosses, cantons and discs in two or three colours."""
    if FL.has_design(code):
        im = Image.new("RGB", (w, h))
        im.putdata([c for row in FL.draw_flag(code, w, h) for c in row])
        return im
    seed = zlib.crc32(code.encode("ascii"))
    rnd = random.Random(seed)
    cols = rnd.sample(FLAG_COLOURS, 3)
    kind = rnd.randrange(8)
    im = Image.new("RGB", (w, h), cols[0])
    d = ImageDraw.Draw(im)
    if kind == 0:
        for i in range(3):
            d.rectangle((0, i * h // 3, w, (i + 1) * h // 3), fill=cols[i])
    elif kind == 1:
        for i in range(3):
            d.rectangle((i * w // 3, 0, (i + 1) * w // 3, h), fill=cols[i])
    elif kind == 2:
        d.rectangle((0, h // 2, w, h), fill=cols[1])
    elif kind == 3:
        t = max(1, h // 5)
        d.rectangle((0, h // 2 - t // 2 - 1, w, h // 2 + t // 2), fill=cols[1])
        d.rectangle((w // 3 - t // 2 - 1, 0, w // 3 + t // 2, h), fill=cols[1])
    elif kind == 4:
        r = h // 3
        d.ellipse((w // 2 - r, h // 2 - r, w // 2 + r, h // 2 + r), fill=cols[1])
    elif kind == 5:
        d.polygon([(0, 0), (w * 2 // 5, h // 2), (0, h)], fill=cols[1])
        d.rectangle((0, 0, 0, h), fill=cols[1])
        d.rectangle((w * 2 // 5, 0, w, h // 2), fill=cols[2])
    elif kind == 6:
        for i in range(5):
            if i % 2:
                d.rectangle((0, i * h // 5, w, (i + 1) * h // 5), fill=cols[1])
        d.rectangle((0, 0, w * 2 // 5, h * 3 // 5), fill=cols[2])
        d.point((w // 5, h * 3 // 10), fill=(0xF0, 0xF0, 0xF0))
    else:
        d.polygon([(0, h), (w, 0), (w, h)], fill=cols[1])
    return im


def team_codes():
    codes = set()
    data = os.path.join(ASSETS, "data")
    if os.path.isdir(data):
        for name in os.listdir(data):
            if name.startswith("team_") and name.endswith(".qst"):
                codes.add(name[5:-4].lower())
    table = os.path.join(data, "tables", "en.qsc")
    if os.path.exists(table):
        text = open(table, "rb").read().decode("utf-16-le").lstrip("\ufeff")
        for line in text.splitlines():
            if len(line) >= 3 and line[0] not in "> " and line[:3].isalpha():
                codes.add(line[:3].lower())
    codes.add("cus")
    return sorted(codes)


def flag_sheets():
    path = os.path.join(IMG, "flags_t.txt")
    if not os.path.exists(path):
        sys.exit("gen_art_menu: images/flags_t.txt is missing; generate the text data first")
    codes = [l.strip() for l in open(path, encoding="latin-1").read().splitlines() if l.strip()]
    sheet = Image.new("RGB", (336, 187), (0xFF, 0x33, 0x99))
    for i, code in enumerate(codes[:256]):
        im = flag_emblem(code, 20, 10)
        sheet.paste(im, ((i % 16) * 21, (i // 16) * 11))
    save_image(os.path.join(IMG, "flags", "small", "flags_t.png"), sheet, [K.MASK_CREST])
    for code in team_codes():
        im = Image.new("RGB", (30, 20), (0x20, 0x20, 0x28))
        if code == "cus":
            d = ImageDraw.Draw(im)
            d.rectangle((1, 1, 28, 18), fill=(0x60, 0x60, 0x70))
            d.text((4, 3), "CUS", font=ImageFont.truetype(FONT, 10), fill=(0xF8, 0xE0, 0x40))
        else:
            im.paste(flag_emblem(code.upper(), 28, 18), (1, 1))
        save_image(os.path.join(IMG, "flags", "small", code + ".png"), im)


# ------------------------------------------------------------ HUD and menu icons

def font(size):
    return ImageFont.truetype(FONT, size)


def outlined_text(d, xy, text, fnt, fill, edge=(0x10, 0x10, 0x18)):
    x, y = xy
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            if dx or dy:
                d.text((x + dx, y + dy), text, font=fnt, fill=edge)
    d.text((x, y), text, font=fnt, fill=fill)


DIGITS_5X7 = {
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["010", "110", "010", "010", "010", "010", "111"],
    "2": ["01110", "10001", "00001", "00110", "01000", "10000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
}


def number_png():
    im = Image.new("RGB", (80, 10), (0, 0, 0xFF))
    for dgt in range(10):
        rows = DIGITS_5X7[str(dgt)]
        ox = dgt * 8 + 1
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                if ch == "1":
                    for dx in (-1, 0, 1):
                        for dy in (-1, 0, 1):
                            px, py = ox + x + dx, 1 + y + dy
                            if im.getpixel((px, py)) == (0, 0, 0xFF):
                                im.putpixel((px, py), (0x18, 0x18, 0x20))
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                if ch == "1":
                    im.putpixel((ox + x, 1 + y), (0xF8, 0xF8, 0xF0))
    save_image(os.path.join(IMG, "number.png"), im, [K.MASK_BLUE])


def digit_strip(cell_w, cell_h, size, extra_w, extra, path, colour):
    im = Image.new("RGB", (cell_w * 10 + extra_w, cell_h), PANEL)
    d = ImageDraw.Draw(im)
    f = font(size)
    for dgt in range(10):
        box = d.textbbox((0, 0), str(dgt), font=f)
        tw, th = box[2] - box[0], box[3] - box[1]
        outlined_text(d, (dgt * cell_w + (cell_w - tw) // 2 - box[0], (cell_h - th) // 2 - box[1]),
                      str(dgt), f, colour)
    extra(d, cell_w * 10)
    save_image(path, im)


def time_png():
    def label(d, x):
        d.rectangle((x, 0, x + 47, 19), fill=PANEL)
        d.ellipse((x + 3, 2, x + 18, 17), outline=(0xF0, 0xF0, 0xF0), width=2)
        d.line((x + 10, 9, x + 10, 5), fill=(0xF8, 0xD8, 0x40), width=2)
        d.line((x + 10, 10, x + 14, 10), fill=(0xF8, 0xD8, 0x40), width=2)
        outlined_text(d, (x + 21, 3), "MIN", font(10), (0xF0, 0xF0, 0xF0))
    digit_strip(12, 20, 16, 48, label, os.path.join(IMG, "time.png"), (0xF8, 0xF8, 0xF0))


def score_png():
    def sep(d, x):
        d.rectangle((x + 8, 14, x + 15, 19), fill=(0xF8, 0xD8, 0x40))
        d.rectangle((x + 8, 14, x + 15, 14), fill=(0xFF, 0xF0, 0x90))
    digit_strip(24, 36, 30, 24, sep, os.path.join(IMG, "score.png"), (0xF8, 0xD8, 0x40))


def arrow(d, cx, cy, ang, length, fill, width=3):
    a = math.radians(ang)
    ux, uy = math.cos(a), math.sin(a)
    x0, y0 = cx - ux * length / 2, cy - uy * length / 2
    x1, y1 = cx + ux * length / 2, cy + uy * length / 2
    d.line((x0, y0, x1, y1), fill=fill, width=width)
    px, py = -uy, ux
    head = length * 0.35
    d.polygon([(x1 + ux * 2, y1 + uy * 2), (x1 - ux * head + px * head * 0.7, y1 - uy * head + py * head * 0.7),
               (x1 - ux * head - px * head * 0.7, y1 - uy * head - py * head * 0.7)], fill=fill)


def wind_png():
    im = Image.new("RGB", (240, 60), PANEL)
    d = ImageDraw.Draw(im)
    for speed in (1, 2):
        for direction in range(8):
            x, y = direction * 30, (speed - 1) * 30
            d.rectangle((x, y, x + 29, y + 29), outline=PANEL_EDGE)
            col = (0x90, 0xD0, 0xF8) if speed == 1 else (0xF8, 0x70, 0x40)
            arrow(d, x + 15, y + 15, 45 * direction, 12 + speed * 4, col, 2 + speed)
    save_image(os.path.join(IMG, "wind.png"), im)


def replay_png():
    im = Image.new("RGB", (640, 92), PANEL)
    d = ImageDraw.Draw(im)
    f = font(26)
    for a in range(32):
        x, y = (a % 16) * 40, (a // 16) * 46
        d.rectangle((x + 1, y + 1, x + 38, y + 44), fill=(0x20, 0x28, 0x40), outline=PANEL_EDGE)
        for k in range(8):
            ang = math.radians(k * 45 + a * 360 / 32)
            cx, cy = x + 20 + 13 * math.cos(ang), y + 23 + 13 * math.sin(ang)
            on = (k == 0)
            d.ellipse((cx - 2, cy - 2, cx + 2, cy + 2), fill=(0xF8, 0x40, 0x30) if on else (0x60, 0x70, 0x90))
        outlined_text(d, (x + 12, y + 8), "R", f, (0xF8, 0xF8, 0xF0))
    save_image(os.path.join(IMG, "replay.png"), im)


def rspeed_png():
    im = Image.new("RGB", (87, 87), PANEL)
    d = ImageDraw.Draw(im)
    for sx in range(3):
        for sy in range(3):
            x, y = sx * 29, sy * 29
            d.rectangle((x, y, x + 28, y + 28), outline=PANEL_EDGE)
            n = sx + 1
            for k in range(n):
                ox = x + 6 + k * 6
                d.polygon([(ox, y + 8), (ox + 6, y + 14), (ox, y + 20)], fill=(0xF8, 0xD8, 0x40))
            for k in range(sy):
                d.rectangle((x + 4 + k * 5, y + 23, x + 7 + k * 5, y + 25), fill=(0x90, 0xD0, 0xF8))
    save_image(os.path.join(IMG, "rspeed.png"), im)


def icon_panel(n, w=47, h=46):
    im = Image.new("RGB", (n * w, h), PANEL)
    return im, ImageDraw.Draw(im)


def sun(d, cx, cy, r, col=(0xF8, 0xD0, 0x30)):
    for k in range(8):
        a = math.radians(k * 45)
        d.line((cx + math.cos(a) * (r + 2), cy + math.sin(a) * (r + 2),
                cx + math.cos(a) * (r + 6), cy + math.sin(a) * (r + 6)), fill=col, width=2)
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=col)


def cloud(d, cx, cy, s=1.0, col=(0xD8, 0xDC, 0xE4)):
    for dx, dy, r in ((-7, 2, 6), (0, -2, 8), (8, 2, 6), (0, 4, 6)):
        d.ellipse((cx + (dx - r) * s, cy + (dy - r) * s, cx + (dx + r) * s, cy + (dy + r) * s), fill=col)


def question(d, x, w, h):
    outlined_text(d, (x + w // 2 - 9, h // 2 - 16), "?", font(28), (0xF8, 0xD8, 0x40))


def light_png():
    im, d = icon_panel(3)
    sun(d, 23, 23, 8)
    d.ellipse((47 + 12, 10, 47 + 34, 32), fill=(0xF0, 0xF0, 0xD8))
    d.ellipse((47 + 19, 6, 47 + 39, 28), fill=PANEL)
    for sx, sy in ((47 + 10, 36), (47 + 36, 34), (47 + 32, 12)):
        d.point((sx, sy), fill=(0xF8, 0xF8, 0xF8))
    question(d, 94, 47, 46)
    save_image(os.path.join(IMG, "light.png"), im)


def pitches_png():
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import gen_art_stadium as S
    im, d = icon_panel(10)
    for i, name in enumerate(S.PITCHES):
        pal = S.palette_for(name, "sunny")
        x = i * 47
        for y in range(4, 42):
            stripe = ((y - 4) // 5) % 2
            d.line((x + 5, y, x + 41, y), fill=pal[S.grass_index(stripe, 1 if (y < 9 or y > 37) else 0, 0)])
        line = pal[S.LINE]
        d.rectangle((x + 8, 7, x + 38, 38), outline=line)
        d.line((x + 8, 23, x + 38, 23), fill=line)
        d.ellipse((x + 18, 18, x + 28, 28), outline=line)
        d.rectangle((x + 16, 7, x + 30, 12), outline=line)
        d.rectangle((x + 16, 33, x + 30, 38), outline=line)
    question(d, 9 * 47, 47, 46)
    save_image(os.path.join(IMG, "pitches.png"), im)


def weather_png():
    im, d = icon_panel(11)
    blue = (0x70, 0xB0, 0xF8)
    for i in range(11):
        x = i * 47
        cx = x + 23
        if i == 0:
            sun(d, cx, 23, 8)
        elif i == 1:
            sun(d, cx + 6, 16, 6)
            cloud(d, cx - 2, 26)
        elif i in (2, 3):
            for k in range(i - 1 + 1):
                y = 14 + k * 9
                d.arc((cx - 14, y - 4, cx + 14, y + 8), 200, 340, fill=(0xD8, 0xE8, 0xF0), width=2)
                d.line((cx - 14, y + 2, cx + 8, y + 2), fill=(0xD8, 0xE8, 0xF0), width=2)
            if i == 3:
                d.line((cx - 12, 34, cx + 12, 34), fill=(0xF8, 0x80, 0x50), width=2)
        elif i in (4, 5):
            cloud(d, cx, 16, col=(0xA8, 0xB0, 0xC0))
            for k in range(3 if i == 4 else 6):
                rx = cx - 12 + k * (24 // (3 if i == 4 else 6)) + 2
                d.line((rx, 26, rx - 3, 36), fill=blue, width=2)
        elif i in (6, 7):
            cloud(d, cx, 16, col=(0xC8, 0xCC, 0xD8))
            for k in range(3 if i == 6 else 6):
                fx = cx - 12 + k * (24 // (3 if i == 6 else 6)) + 2
                fy = 30 + (k % 2) * 5
                d.line((fx - 2, fy, fx + 2, fy), fill=(0xF8, 0xF8, 0xF8))
                d.line((fx, fy - 2, fx, fy + 2), fill=(0xF8, 0xF8, 0xF8))
        elif i in (8, 9):
            n = 3 if i == 8 else 5
            for k in range(n):
                y = 10 + k * (26 // n) + 3
                d.line((cx - 15 + (k % 2) * 3, y, cx + 15 - (k % 2) * 3, y),
                       fill=(0xC0, 0xC4, 0xCC), width=3 if i == 9 else 2)
        else:
            question(d, x, 47, 46)
    save_image(os.path.join(IMG, "weather.png"), im)


def controls_png():
    im = Image.new("RGB", (144, 36), PANEL)
    d = ImageDraw.Draw(im)
    f = font(11)
    for k in range(4):
        x = k * 36
        d.rectangle((x, 0, x + 35, 35), outline=PANEL_EDGE)
        if k < 2:
            d.rectangle((x + 4, 10, x + 31, 27), fill=(0xC8, 0xC8, 0xD0), outline=(0x40, 0x40, 0x48))
            for r in range(3):
                for c in range(6):
                    d.rectangle((x + 6 + c * 4, 12 + r * 5, x + 8 + c * 4, 14 + r * 5), fill=(0x50, 0x50, 0x58))
        else:
            d.rectangle((x + 8, 22, x + 28, 30), fill=(0x30, 0x30, 0x38), outline=(0x90, 0x90, 0x98))
            d.line((x + 18, 22, x + 18, 8), fill=(0x90, 0x90, 0x98), width=3)
            d.ellipse((x + 14, 4, x + 22, 12), fill=(0xE0, 0x30, 0x30))
        outlined_text(d, (x + 26, 1), str(k % 2 + 1), f, (0xF8, 0xD8, 0x40))
    save_image(os.path.join(IMG, "controls.png"), im)


def mini_pitch(d, x0, y0, w, h):
    d.rectangle((x0, y0, x0 + w - 1, y0 + h - 1), fill=(0x3C, 0x84, 0x28), outline=(0xE8, 0xF0, 0xE0))
    d.line((x0, y0 + h // 2, x0 + w - 1, y0 + h // 2), fill=(0xE8, 0xF0, 0xE0))
    d.rectangle((x0 + w // 4, y0, x0 + 3 * w // 4, y0 + h // 6), outline=(0xE8, 0xF0, 0xE0))
    d.rectangle((x0 + w // 4, y0 + h - 1 - h // 6, x0 + 3 * w // 4, y0 + h - 1), outline=(0xE8, 0xF0, 0xE0))


def tactics_png():
    im = Image.new("RGB", (164, 66), PANEL)
    d = ImageDraw.Draw(im)
    mini_pitch(d, 20, 3, 42, 60)
    for px, py in ((41, 58), (27, 48), (36, 48), (46, 48), (55, 48), (27, 34), (36, 36), (46, 36),
                   (55, 34), (35, 18), (47, 18)):
        d.rectangle((px - 1, py - 1, px + 1, py + 1), fill=(0xF8, 0xD8, 0x40))
    d.rectangle((82 + 14, 4, 82 + 68, 62), fill=(0xE8, 0xE0, 0xC8), outline=(0x60, 0x48, 0x30))
    d.rectangle((82 + 32, 1, 82 + 50, 7), fill=(0x90, 0x90, 0x98))
    for k in range(3):
        arrow(d, 82 + 30 + k * 10, 36, -90 + (k - 1) * 30, 20, (0xC8, 0x20, 0x20), 2)
    for px, py in ((82 + 24, 52), (82 + 41, 52), (82 + 58, 52)):
        d.ellipse((px - 3, py - 3, px + 3, py + 3), outline=(0x20, 0x30, 0x90), width=2)
    save_image(os.path.join(IMG, "tactics.png"), im)


def stars_png():
    im = Image.new("RGB", (64, 160), (0, 0, 0xCC))
    d = ImageDraw.Draw(im)
    for row in range(10):
        for k in range(row):
            cx, cy = 3 + k * 7, row * 16 + 8
            pts = []
            for j in range(10):
                r = 3.4 if j % 2 == 0 else 1.5
                a = math.radians(-90 + j * 36)
                pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
            d.polygon(pts, fill=(0xF8, 0xD0, 0x30), outline=(0x80, 0x50, 0x10))
    save_image(os.path.join(IMG, "stars.png"), im, [K.MASK_STARS])


def pieces_png():
    im = Image.new("RGB", (40, 28), (0, 0xFF, 0))
    d = ImageDraw.Draw(im)
    for col, (body, edge) in enumerate((((0x30, 0x50, 0xC8), (0x10, 0x18, 0x50)),
                                        ((0xD0, 0x30, 0x28), (0x50, 0x10, 0x10)))):
        for row in range(2):
            x, y = col * 20, row * 14
            fill = body if row else tuple(min(255, c + 80) for c in body)
            d.rounded_rectangle((x + 1, y + 1, x + 18, y + 12), radius=4, fill=fill, outline=edge)
    save_image(os.path.join(IMG, "pieces.png"), im, [K.MASK_GREEN])


def board_png():
    w, h = 270, 320
    im = Image.new("RGB", (w, h), (0x2E, 0x6C, 0x22))
    d = ImageDraw.Draw(im)
    for y in range(0, h, 28):
        d.rectangle((0, y, w, y + 13), fill=(0x34, 0x76, 0x26))
    white = (0xE0, 0xEC, 0xD8)
    d.rectangle((4, 4, w - 5, h - 5), outline=white)
    d.line((4, h // 2, w - 5, h // 2), fill=white)
    d.ellipse((w // 2 - 30, h // 2 - 30, w // 2 + 30, h // 2 + 30), outline=white)
    d.rectangle((w // 2 - 70, 4, w // 2 + 70, 52), outline=white)
    d.rectangle((w // 2 - 70, h - 53, w // 2 + 70, h - 5), outline=white)
    d.rectangle((w // 2 - 30, 4, w // 2 + 30, 20), outline=white)
    d.rectangle((w // 2 - 30, h - 21, w // 2 + 30, h - 5), outline=white)
    save_image(os.path.join(IMG, "board.png"), im)


def tactics_board_png():
    w, h = 396, 576
    im = Image.new("RGB", (w, h), (0x24, 0x50, 0x1C))
    d = ImageDraw.Draw(im)
    for y in range(10, 566, 40):
        d.rectangle((2, y, 392, y + 19), fill=(0x2A, 0x5C, 0x20))
    zone = (0x3A, 0x74, 0x2E)
    for x in (79, 158, 236, 315):
        d.line((x, 10, x, 566), fill=zone)
    for y in (88, 168, 248, 328, 408, 488):
        d.line((2, y, 392, y), fill=zone)
    white = (0xE4, 0xEE, 0xDC)
    d.rectangle((2, 10, 392, 566), outline=white, width=2)
    d.line((2, 288, 392, 288), fill=white, width=2)
    d.ellipse((197 - 48, 288 - 48, 197 + 48, 288 + 48), outline=white, width=2)
    d.rectangle((197 - 105, 10, 197 + 105, 90), outline=white, width=2)
    d.rectangle((197 - 105, 486, 197 + 105, 566), outline=white, width=2)
    d.rectangle((197 - 45, 10, 197 + 45, 36), outline=white, width=2)
    d.rectangle((197 - 45, 540, 197 + 45, 566), outline=white, width=2)
    d.rectangle((197 - 30, 2, 197 + 30, 9), fill=(0xD8, 0xD8, 0xD8))
    d.rectangle((197 - 30, 567, 197 + 30, 574), fill=(0xD8, 0xD8, 0xD8))
    save_image(os.path.join(IMG, "tactics_board.png"), im)


def skill_png():
    """Two 12 x 12 cells: skill not marked, skill marked (a diamond)."""
    im = Image.new("RGB", (24, 12), PANEL)
    d = ImageDraw.Draw(im)
    d.polygon([(6, 2), (10, 6), (6, 10), (2, 6)], outline=(0x60, 0x70, 0x90))
    d.polygon([(18, 1), (23, 6), (18, 11), (13, 6)], fill=(0x50, 0xD8, 0xF8), outline=(0x18, 0x40, 0x70))
    save_image(os.path.join(IMG, "skill.png"), im)


def scroll_png():
    """Two 16 x 16 cells: scroll up, scroll down."""
    im = Image.new("RGB", (32, 16), PANEL)
    d = ImageDraw.Draw(im)
    d.polygon([(8, 3), (14, 12), (2, 12)], fill=(0xF8, 0xD8, 0x40), outline=(0x60, 0x40, 0x10))
    d.polygon([(24, 12), (30, 3), (18, 3)], fill=(0xF8, 0xD8, 0x40), outline=(0x60, 0x40, 0x10))
    save_image(os.path.join(IMG, "scroll.png"), im)


def main():
    for code in H.CODES:
        px = face(code)
        save_rgb(os.path.join(IMG, "player", "menu", "%d.png" % code), 16, 18, px)
    for style in K.STYLE_NAMES:
        w, h, px = kit_preview(style)
        save_rgb(os.path.join(IMG, "kit", style + ".png"), w, h, px)
        w, h, px = crest(style)
        save_rgb(os.path.join(IMG, "logos", "std", style + ".png"), w, h, px)
    flag_sheets()
    number_png()
    time_png()
    score_png()
    wind_png()
    replay_png()
    rspeed_png()
    light_png()
    pitches_png()
    weather_png()
    controls_png()
    tactics_png()
    stars_png()
    pieces_png()
    board_png()
    tactics_board_png()
    skill_png()
    scroll_png()


if __name__ == "__main__":
    main()
