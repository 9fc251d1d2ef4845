#!/usr/bin/python3
"""Stadium picture (16 indexed tiles), its 27 palettes, crowd pieces and layout.

The tiles carry palette indices with fixed meanings (grass stripe, wear,
speckle, chalk, stands ...); each palette file gives every index its colour
for one pitch type and light, so one picture serves every pitch.
Writes assets/images/stadium/. --preview DIR writes scaled-down previews.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import colours as K                      # noqa: E402
from art.pngout import save_indexed, Grid         # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
OUT = os.path.join(ROOT, "assets", "images", "stadium")
SIZE = 2048

# Pitch geometry in picture pixels.
TL_X0, TL_X1 = 336, 1356
GL_Y0, GL_Y1 = 278, 1558
HALF_Y = 918
CX = 846
WALL_X0, WALL_X1, WALL_Y0, WALL_Y1 = 281, 1418, 218, 1616
PEN_X0, PEN_X1, PEN_D = 560, 1132, 174
GA_X0, GA_X1, GA_D = 720, 972, 58
CIRCLE_R = 96
SPOT_D = 116
CORNER_R = 10

# Palette index layout.
GRASS = 0            # 0..23: stripe (2) x wear (4) x speckle (3)
LINE = 24            # 24..27: chalk on light / dark stripe, worn chalk light / dark
SURROUND = 28        # 28..30: grass outside the lines, by speckle
TRACK = 31           # 31..32: strip at the foot of the boards
BOARD = 33           # 33..40: advertising boards
STAND = 41           # 41..52: terraces
DUGOUT = 53          # 53..54
VOID = 55
N_COLOURS = 56


def grass_index(stripe, wear, speck):
    return GRASS + stripe * 12 + wear * 3 + speck


def chalk(x, y):
    """True on a chalk line (3 px wide, centred on the geometry)."""
    def near(v, c):
        return abs(v - c) <= 1
    inside_x = TL_X0 - 1 <= x <= TL_X1 + 1
    inside_y = GL_Y0 - 1 <= y <= GL_Y1 + 1
    if inside_y and (near(x, TL_X0) or near(x, TL_X1)):
        return True
    if inside_x and (near(y, GL_Y0) or near(y, GL_Y1) or near(y, HALF_Y)):
        return True
    d = math.hypot(x - CX, y - HALF_Y)
    if abs(d - CIRCLE_R) <= 1.2:
        return True
    if d <= 3.0:
        return True
    for gy, s in ((GL_Y0, 1), (GL_Y1, -1)):
        py = gy + s * PEN_D
        gay = gy + s * GA_D
        lo, hi = min(gy, py), max(gy, py)
        if lo - 1 <= y <= hi + 1 and (near(x, PEN_X0) or near(x, PEN_X1)):
            return True
        if PEN_X0 - 1 <= x <= PEN_X1 + 1 and near(y, py):
            return True
        lo, hi = min(gy, gay), max(gy, gay)
        if lo - 1 <= y <= hi + 1 and (near(x, GA_X0) or near(x, GA_X1)):
            return True
        if GA_X0 - 1 <= x <= GA_X1 + 1 and near(y, gay):
            return True
        sy = gy + s * SPOT_D
        if math.hypot(x - CX, y - sy) <= 2.6:
            return True
        # arc outside the penalty area
        da = math.hypot(x - CX, y - sy)
        if abs(da - CIRCLE_R) <= 1.2 and (y - py) * s > 1:
            return True
    for cx in (TL_X0, TL_X1):
        for cy in (GL_Y0, GL_Y1):
            if (x - cx) * (CX - cx) >= 0 and (y - cy) * (HALF_Y - cy) >= 0:
                if abs(math.hypot(x - cx, y - cy) - CORNER_R) <= 1.0:
                    return True
    return False


def wear(x, y, rnd):
    """0..3: how worn the grass is (goalmouths, the centre, the wings' runs)."""
    w = 0.0
    for gy in (GL_Y0, GL_Y1):
        d = math.hypot((x - CX) / 1.5, (y - gy) / 1.0)
        w = max(w, 3.2 - d / 26.0)
        d = math.hypot((x - CX) / 3.0, (y - gy) / 1.6)
        w = max(w, 1.9 - d / 60.0)
    d = math.hypot(x - CX, y - HALF_Y)
    w = max(w, 2.0 - d / 55.0)
    w += rnd.random() * 0.9 - 0.45
    return max(0, min(3, int(w)))


def build_picture():
    rnd = random.Random(1966)
    px = bytearray([VOID]) * (SIZE * SIZE)
    for y in range(SIZE):
        row = y * SIZE
        for x in range(SIZE):
            if x >= 1700 or y >= 1800:
                px[row + x] = VOID
                continue
            if WALL_X0 + 6 <= x <= WALL_X1 - 6 and WALL_Y0 + 6 <= y <= WALL_Y1 - 6:
                speck = 0 if rnd.random() < 0.6 else (1 if rnd.random() < 0.6 else 2)
                on_pitch = TL_X0 - 3 <= x <= TL_X1 + 3 and GL_Y0 - 3 <= y <= GL_Y1 + 3
                if on_pitch:
                    stripe = ((y - HALF_Y) // 64) % 2
                    wv = wear(x, y, rnd) if (abs(y - GL_Y0) < 140 or abs(y - GL_Y1) < 140 or
                                            math.hypot(x - CX, y - HALF_Y) < 120) else 0
                    if chalk(x, y):
                        px[row + x] = LINE + stripe + (2 if wv >= 2 and rnd.random() < 0.5 else 0)
                    else:
                        px[row + x] = grass_index(stripe, wv, speck)
                else:
                    px[row + x] = SURROUND + speck
                    if WALL_X0 + 6 <= x <= WALL_X0 + 44 and 752 <= y <= 1000:
                        px[row + x] = DUGOUT + (1 if x < WALL_X0 + 12 or y in (752, 1000) else 0)
                continue
            px[row + x] = stand_pixel(x, y, rnd)
    return px


def stand_pixel(x, y, rnd):
    # Boards: a 6-pixel band just inside the wall line.
    inner = WALL_X0 <= x <= WALL_X1 and WALL_Y0 <= y <= WALL_Y1
    if inner:
        along = y if (x < WALL_X0 + 6 or x > WALL_X1 - 6) else x
        panel = (along // 96) % 4
        edge = along % 96 < 2
        mid = 2 <= (x - WALL_X0 if x < WALL_X0 + 6 else WALL_X1 - x if x > WALL_X1 - 6 else
                     y - WALL_Y0 if y < WALL_Y0 + 6 else WALL_Y1 - y) <= 3
        if edge:
            return BOARD + 7
        if mid and (along // 6) % 3 != 0:
            return BOARD + 4 + (panel % 3)
        return BOARD + panel
    # Terraces: steps parallel to the pitch, with aisles.
    if y < WALL_Y0 or y > WALL_Y1:
        depth = WALL_Y0 - y if y < WALL_Y0 else y - WALL_Y1
        along = x
    else:
        depth = WALL_X0 - x if x < WALL_X0 else x - WALL_X1
        along = y
    if depth < 4:
        return TRACK + (depth // 2)
    if along % 160 < 6:
        return STAND + 10 + (depth % 4 == 0)          # aisle steps
    step = (depth - 4) % 8
    if step == 0:
        return STAND + 9                              # riser shadow
    if step < 3:
        return STAND + 6 + (along % 4 == 0)           # step edge
    seat = (along // 3 + depth // 8) % 2
    return STAND + seat * 3 + (1 if step > 5 else 0) + (1 if along % 3 == 0 else 0)


# ---------------------------------------------------------------- palettes

def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def rgb(c):
    return ((c >> 16) & 255, (c >> 8) & 255, c & 255)


PITCHES = {
    # name: (light stripe, dark stripe, worn, speckle, chalk, surround)
    "frozen": ((0x9C, 0xB4, 0x98), (0x8A, 0xA4, 0x8A), (0xA8, 0xA8, 0x98), (0xD8, 0xE4, 0xE4), (0xF4, 0xF8, 0xFC), (0x80, 0x98, 0x84)),
    "muddy": ((0x5A, 0x78, 0x1C), (0x4C, 0x6A, 0x18), (0x6A, 0x48, 0x18), (0x50, 0x40, 0x18), (0xD8, 0xD0, 0xB8), (0x48, 0x60, 0x18)),
    "wet": ((0x34, 0x8C, 0x22), (0x28, 0x7A, 0x1C), (0x4C, 0x6E, 0x20), (0x5A, 0xA8, 0x48), (0xEC, 0xF4, 0xEC), (0x2C, 0x70, 0x1C)),
    "soft": ((0x3C, 0x80, 0x1C), (0x30, 0x70, 0x16), (0x5E, 0x64, 0x1E), (0x4C, 0x8C, 0x2C), (0xEC, 0xF0, 0xE4), (0x34, 0x68, 0x18)),
    "normal": ((0x5E, 0x9C, 0x24), (0x4E, 0x8A, 0x1E), (0x84, 0x8A, 0x34), (0x6C, 0xA8, 0x30), (0xF0, 0xF4, 0xE8), (0x4A, 0x80, 0x1E)),
    "dry": ((0x80, 0xA0, 0x30), (0x70, 0x90, 0x2A), (0xA8, 0x98, 0x4C), (0x94, 0xA8, 0x44), (0xF4, 0xF4, 0xE4), (0x6C, 0x88, 0x2A)),
    "hard": ((0x94, 0x94, 0x38), (0x84, 0x84, 0x30), (0xB0, 0x94, 0x50), (0xA6, 0x9C, 0x4C), (0xF8, 0xF4, 0xE0), (0x7C, 0x7C, 0x30)),
    "snowed": ((0xE4, 0xEC, 0xF0), (0xD8, 0xE2, 0xEA), (0x7C, 0x94, 0x5C), (0xA4, 0xBC, 0x8C), (0x3C, 0x5C, 0xC8), (0xDC, 0xE4, 0xEC)),
    "white": ((0xF4, 0xF8, 0xFC), (0xEA, 0xF0, 0xF6), (0xD8, 0xE0, 0xEA), (0xFC, 0xFC, 0xFC), (0xD0, 0x30, 0x30), (0xEC, 0xF0, 0xF6)),
}
BOARDS = [(0x20, 0x40, 0xA0), (0xC8, 0x20, 0x20), (0x18, 0x78, 0x30), (0xE0, 0xB0, 0x10),
          (0xF0, 0xF0, 0xF0), (0xF8, 0xE8, 0x40), (0x10, 0x10, 0x28), (0x30, 0x30, 0x34)]
STANDS = [(0x9C, 0x3C, 0x34), (0x88, 0x32, 0x2C), (0x74, 0x2A, 0x26),
          (0x3C, 0x4C, 0x8C), (0x34, 0x42, 0x7A), (0x2C, 0x38, 0x68),
          (0xA8, 0xA4, 0x9C), (0x94, 0x90, 0x88), (0x70, 0x6C, 0x68),
          (0x40, 0x3C, 0x3C), (0x84, 0x80, 0x7C), (0x6C, 0x68, 0x64)]


def palette_for(name, light):
    ls, ds, worn, speck, line, sur = PITCHES[name]
    cols = [None] * N_COLOURS
    for stripe, base in ((0, ls), (1, ds)):
        for w in range(4):
            tw = (0.0, 0.3, 0.6, 0.9)[w]
            b = mix(base, worn, tw)
            for s in range(3):
                ts = (0.0, 0.35, 0.7)[s] if name not in ("snowed",) else (0.0, 0.15, 0.3)[s]
                c = mix(b, speck, ts * (0.5 if name in ("normal", "soft", "wet", "dry", "hard") else 1.0))
                if s == 0 and name not in ("snowed", "white"):
                    c = mix(c, (0, 0, 0), 0.03)
                cols[grass_index(stripe, w, s)] = c
    cols[LINE] = line
    cols[LINE + 1] = mix(line, ds, 0.06)
    cols[LINE + 2] = mix(line, worn, 0.45)
    cols[LINE + 3] = mix(line, worn, 0.5)
    for s in range(3):
        cols[SURROUND + s] = mix(sur, speck, (0.0, 0.25, 0.5)[s] * 0.6)
    track = (0x8A, 0x74, 0x5C) if name not in ("snowed", "white") else (0xD0, 0xD8, 0xE0)
    cols[TRACK] = track
    cols[TRACK + 1] = mix(track, (0, 0, 0), 0.25)
    for i, c in enumerate(BOARDS):
        cols[BOARD + i] = c
    snow = name in ("snowed", "white", "frozen")
    for i, c in enumerate(STANDS):
        cols[STAND + i] = mix(c, (0xE8, 0xEE, 0xF4), 0.35) if snow and i >= 6 else c
    cols[DUGOUT] = (0x58, 0x60, 0x6C)
    cols[DUGOUT + 1] = (0x30, 0x34, 0x3C)
    cols[VOID] = (0x10, 0x12, 0x16)
    out = []
    for i, c in enumerate(cols):
        if light == "cloudy":
            g = sum(c) / 3.0
            c = tuple(int((v * 0.8 + g * 0.2) * 0.86) for v in c)
        elif light == "night":
            pitch = i < TRACK
            k = 0.78 if pitch else 0.5
            c = (int(c[0] * k * 0.92), int(c[1] * k * 0.97), int(min(255, c[2] * k * 1.08 + 6)))
        c = tuple(max(0, min(255, v)) for v in c)
        if c == (0x00, 0xF7, 0x00):
            c = (0x00, 0xF6, 0x00)
        out.append(c)
    return out


def write_palette(path, name, light, cols):
    lines = ["QUILBO ROVUDO STADIUM PALETTE", "%s %s" % (name, light), str(len(cols))]
    lines += ["%d %d %d" % c for c in cols]
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------- crowd

CROWD_W, CROWD_H = 64, 32


def crowd_piece(kind):
    """A block of spectators; home fans wear the kit templates, the rest
    plain clothes. kind 0-1 behind the goals, 2-3 along the sides, 4 mixed."""
    rnd = random.Random(100 + kind)
    w, h = (CROWD_W, CROWD_H) if kind in (0, 1, 4) else (CROWD_H, CROWD_W)
    g = Grid(w, h, 0x6C6864)
    clothes = [0x5A4A3A, 0x3A4A6A, 0x7A7A76, 0x2E2E30, 0x8C6A3C, 0x4E6A4A]
    skins = [0xE8A878, 0xC08058, 0x8A5A3A, 0xF0C098, 0x5A3A28]
    home = kind != 4
    # Rows of heads and shoulders every 4 px, facing the pitch.
    step = 4
    for r in range(0, (h if kind in (0, 1, 4) else w), step):
        for a in range(1, (w if kind in (0, 1, 4) else h) - 1, 3):
            if rnd.random() < 0.12:
                continue
            fan = home and rnd.random() < 0.7
            if fan:
                shirt = rnd.choice((K.SHIRT1, K.SHIRT1, K.SHIRT2, K.SHORTS))
                body = shirt[1 + rnd.randrange(2)]
                top = shirt[0]
            else:
                body = rnd.choice(clothes)
                top = body
            skin = rnd.choice(skins)
            jitter = rnd.randrange(2)
            if kind in (0, 1, 4):
                x, y = a, r + jitter
                g.set(x, y, skin)
                g.set(x + 1, y, skin)
                g.set(x, y + 1, top)
                g.set(x + 1, y + 1, body)
                g.set(x, y + 2, body)
                g.set(x + 1, y + 2, body)
                if fan and rnd.random() < 0.15:       # scarf or raised arm
                    g.set(x + 2, y - 1, top)
            else:
                x, y = r + jitter, a
                g.set(x, y, skin)
                g.set(x, y + 1, skin)
                g.set(x + 1, y, top)
                g.set(x + 1, y + 1, body)
                g.set(x + 2, y, body)
                g.set(x + 2, y + 1, body)
                if fan and rnd.random() < 0.15:
                    g.set(x - 1, y + 2, top)
    return g


def crowd_layout():
    """Pieces over the terraces; rank grows away from the centre so bigger
    matches fill more seats."""
    rnd = random.Random(77)
    lines = ["     X     Y  TYPE  RANK"]
    # behind the goals (a: top stand, b: bottom stand)
    for stand, letter, y0 in (("top", "a", WALL_Y0 - 4 - 3 * CROWD_H), ("btm", "b", WALL_Y1 + 5)):
        for ring in range(3):
            y = y0 + ring * CROWD_H
            for x in range(WALL_X0 - 40, WALL_X1 + 40 - CROWD_W, CROWD_W + 2):
                off = abs(x + CROWD_W / 2 - CX) / 560.0
                near = ring if stand == "btm" else 2 - ring
                rank = min(10, int(off * 5 + near * 1.6 + rnd.random() * 2))
                ltr = letter if rnd.random() < 0.85 else "e"
                if y < 0 or y + CROWD_H > 1800:
                    continue
                lines.append("%6d%6d%6s%6d" % (x, y, ltr, rank))
    # along the sides (c: left, d: right)
    for letter, x0 in (("c", WALL_X0 - 4 - 3 * CROWD_H), ("d", WALL_X1 + 5)):
        for ring in range(3):
            x = x0 + ring * CROWD_H
            for y in range(WALL_Y0, WALL_Y1 - CROWD_W, CROWD_W + 2):
                off = abs(y + CROWD_W / 2 - HALF_Y) / 700.0
                near = ring if letter == "d" else 2 - ring
                rank = min(10, int(off * 5 + near * 1.6 + rnd.random() * 2))
                if x < 0 or x + CROWD_H > 1700:
                    continue
                lines.append("%6d%6d%6s%6d" % (x, y, letter, rank))
    return lines


def main():
    px = build_picture()
    for r in range(4):
        for c in range(4):
            tile = []
            for y in range(512):
                row = (r * 512 + y) * SIZE + c * 512
                tile.extend(px[row:row + 512])
            # Pre-palette: a neutral normal day palette keeps the files viewable.
            pal = [(a << 16) | (b << 8) | d for a, b, d in palette_for("normal", "sunny")]
            save_indexed(os.path.join(OUT, "generic_%d%d.png" % (r, c)), 512, 512, tile, pal)
    for name in PITCHES:
        for light in ("sunny", "cloudy", "night"):
            write_palette(os.path.join(OUT, "palettes", "%s_%s.pal" % (name, light)), name, light,
                          palette_for(name, light))
    crowd_pal = [0x000000] + list(K.KIT_TEMPLATES)
    for k, letter in enumerate("abcde"):
        g = crowd_piece(k)
        pal = list(crowd_pal)
        for c in g.px:
            if c not in pal:
                pal.append(c)
        idx = {c: i for i, c in enumerate(pal)}
        save_indexed(os.path.join(OUT, "tile_%s.png" % letter), g.w, g.h, [idx[c] for c in g.px], pal)
    with open(os.path.join(OUT, "crowd.txt"), "w", newline="\n") as f:
        f.write("\n".join(crowd_layout()) + "\n")
    if "--preview" in sys.argv:
        preview(px, sys.argv[sys.argv.index("--preview") + 1])


def preview(px, folder):
    from PIL import Image
    os.makedirs(folder, exist_ok=True)
    small = [px[(y * 4) * SIZE + x * 4] for y in range(450) for x in range(425)]
    sheet = Image.new("RGB", (425 * 9, 450 * 3))
    for i, name in enumerate(PITCHES):
        for j, light in enumerate(("sunny", "cloudy", "night")):
            pal = palette_for(name, light)
            im = Image.new("RGB", (425, 450))
            im.putdata([pal[v] for v in small])
            sheet.paste(im, (i * 425, j * 450))
    sheet.save(os.path.join(folder, "pitches.png"))
    pal = palette_for("normal", "sunny")
    im = Image.new("RGB", (600, 400))
    im.putdata([pal[px[(y + 150) * SIZE + x + 540]] for y in range(400) for x in range(600)])
    im.save(os.path.join(folder, "pitch_goal.png"))


if __name__ == "__main__":
    main()
