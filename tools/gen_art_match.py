#!/usr/bin/python3
"""Match props: ball sheets, goals, corner flags, coach, net stanchions
("jumpers"), rain, snow and fog. Pictures without a named mask colour use
black (000000) as their transparent background.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import colours as K                       # noqa: E402
from art import figure as fg                       # noqa: E402
from art import body as B                          # noqa: E402
from art import hair as H                          # noqa: E402
from art import paint as P                         # noqa: E402
from art.figure import facing_frame                # noqa: E402
from art.pngout import save_from_rgb, Grid         # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
IMG = os.path.join(ROOT, "assets", "images")
BLACK = K.MASK_BLACK


def ball_sheet(colours, path):
    """Columns 0-3: the ball rolling (patches move a quarter turn per frame);
    column 4: its shadow with the two marker colours."""
    light, mid, dark, patch = colours
    g = Grid(40, 8, K.MASK_GREEN)
    for f in range(4):
        for y in range(8):
            for x in range(8):
                dx, dy = x + 0.5 - 3.5, y + 0.5 - 3.5
                d = math.hypot(dx, dy)
                if d > 3.3:
                    continue
                if d > 2.75:
                    c = K.OUTLINE
                else:
                    nz = math.sqrt(max(0.0, 1 - (d / 3.0) ** 2))
                    lit = (-dx * 0.5 - dy * 0.6) / 3.0 + nz * 0.6
                    c = light if lit > 0.55 else (mid if lit > 0.15 else dark)
                    # patches on a rotating sphere
                    a = math.atan2(dy, dx) + f * math.pi / 2.0
                    u = (d / 3.0) * math.cos(a) + f * 0.5
                    v = (d / 3.0) * math.sin(a)
                    if (math.floor(u * 2.2) + math.floor(v * 2.2 + 0.5)) % 3 == 0 and d < 2.6:
                        c = patch
                g.set(f * 8 + x, y, c)
    for y in range(8):
        for x in range(8):
            dx, dy = (x + 0.5 - 3.5) / 3.2, (y + 0.5 - 5.0) / 2.2
            d = dx * dx + dy * dy
            if d < 1.0:
                g.set(32 + x, y, K.BALL_SHADOW_2 if d < 0.45 else K.BALL_SHADOW_1)
    save_from_rgb(path, 40, 8, g.px, [K.MASK_GREEN])


NET = 0xD8DCE0
NET_D = 0xA0A4AC
POST = 0xF8F8F8
POST_D = 0xB8BCC4


def goal_top_a():
    """Frame of the top goal: posts on the goal line (row 49), crossbar 33
    above, the roof net running back up the screen."""
    g = Grid(145, 50, BLACK)
    line_y, bar_y = 49, 16
    for y in range(0, bar_y):
        for x in range(3, 142):
            if (x % 4 == 0) or (y % 4 == 0):
                g.set(x, y, NET_D if y < 4 else NET)
    for y in range(bar_y, line_y + 1):
        for x in (0, 1, 2, 142, 143, 144):
            c = POST if x in (1, 143) else (POST_D if x in (2, 144) else K.OUTLINE)
            g.set(x, y, c)
    for x in range(0, 145):
        g.set(x, bar_y - 1, K.OUTLINE)
        g.set(x, bar_y, POST)
        g.set(x, bar_y + 1, POST_D)
        g.set(x, bar_y + 2, K.OUTLINE)
    return g


def goal_top_b():
    """Back and floor of the top net, drawn behind players on the line."""
    g = Grid(137, 32, BLACK)
    back = 11
    for y in range(0, 32):
        for x in range(0, 137):
            side = x < 2 or x > 134
            if y <= back:
                if x % 4 == 1 or y % 3 == 0 or side:
                    g.set(x, y, NET_D)
            elif side or ((x - (y - back) // 2) % 5 == 0 and (y - back) % 5 == 0):
                g.set(x, y, NET_D)
    for x in range(0, 137):
        g.set(x, back, POST_D)
    return g


def goal_bottom():
    """The bottom goal, drawn over everything: sparse mesh so play shows through."""
    g = Grid(145, 60, BLACK)
    line_y, bar_y, back_y, back_top = 36, 3, 57, 24
    for y in range(bar_y + 3, back_y + 1):
        for x in range(3, 142):
            t = (y - bar_y) / float(back_top - bar_y)
            if y <= back_top:      # roof, seen from above
                if x % 5 == 0 and y % 2 == 0 or y % 5 == 0 and x % 2 == 0:
                    g.set(x, y, NET)
            else:                  # back wall facing the viewer
                if x % 5 == 0 or y % 5 == 0:
                    if (x + y) % 2 == 0:
                        g.set(x, y, NET)
    for x in range(3, 142):
        g.set(x, back_y, NET_D)
        g.set(x, back_top, NET_D)
    for y in range(bar_y, line_y + 1):
        for x in (0, 1, 2, 142, 143, 144):
            c = POST if x in (1, 143) else (POST_D if x in (2, 144) else K.OUTLINE)
            g.set(x, y, c)
    for y in range(line_y, back_y + 1):      # side nets from the posts back
        for x in (2, 142):
            if y % 2 == 0:
                g.set(x, y, NET_D)
    for x in range(0, 145):
        g.set(x, bar_y - 1, K.OUTLINE)
        g.set(x, bar_y, POST)
        g.set(x, bar_y + 1, POST_D)
        g.set(x, bar_y + 2, K.OUTLINE)
    return g


def corner_flags():
    """17 cells of 36 x 30: limp flag, then two flapping frames per wind
    direction. The pole's foot is at (18, 28)."""
    g = Grid(17 * 36, 30, BLACK)
    red, red_d, yel, yel_d = 0xE83828, 0xB02418, 0xF8D838, 0xC0A020
    for cell in range(17):
        ox = cell * 36
        for y in range(8, 29):
            g.set(ox + 17, y, K.OUTLINE)
            g.set(ox + 18, y, 0xF0F0F0 if y < 27 else 0x909090)
            g.set(ox + 19, y, K.OUTLINE)
        g.set(ox + 18, 7, K.OUTLINE)
        if cell == 0:
            pts = [(0, 0), (2, 1), (3, 3), (3, 6), (2, 8), (1, 9)]
            for i, (dx, dy) in enumerate(pts):
                for k in range(3):
                    c = (red if (i + k) % 2 == 0 else yel)
                    g.set(ox + 19 + k - (1 if i > 2 else 0), 8 + dy, c)
            continue
        d = (cell - 1) // 2
        phase = (cell - 1) % 2
        ang = math.radians(45 * d)
        ux, uy = math.cos(ang), math.sin(ang) * 0.7
        # seen end-on the cloth still shows a little of its face
        ux += 0.45 * abs(math.sin(ang)) * (1 if d in (1, 2, 6, 7) else -1)
        for s in range(11):
            for t in range(7):
                wave = math.sin(s * 0.9 + phase * 2.2) * 1.1 * (s / 10.0)
                x = 18 + ux * s * 1.1 - uy * wave * 0.3
                y = 9 + uy * s * 1.1 + t * 0.9 + ux * wave * 0.25
                c = red if ((s // 3) + (t // 3)) % 2 == 0 else yel
                if math.sin(s * 0.9 + phase * 2.2) < -0.3:
                    c = red_d if c == red else yel_d
                g.set(ox + int(round(x)), int(round(y)), c)
    return g


def coach_sheet():
    """Six 29 x 29 cells facing the pitch, feet at (13, 25): still, waving
    (2), pointing, waving both arms (2). Jacket in the first shirt colour."""
    poses = [
        B.pose(),
        B.pose(handR=(0.8, 4.2, 20.4), elbR=(0.4, 3.9, 17.2)),
        B.pose(handR=(1.4, 2.8, 20.8), elbR=(0.7, 3.7, 17.4)),
        B.pose(handR=(5.6, 2.6, 15.2), elbR=(3.0, 3.2, 14.6)),
        B.pose(handR=(0.8, 4.2, 20.4), elbR=(0.4, 3.9, 17.2), handL=(1.4, -2.8, 20.8), elbL=(0.7, -3.7, 17.4)),
        B.pose(handR=(1.4, 2.8, 20.8), elbR=(0.7, 3.7, 17.4), handL=(0.8, -4.2, 20.4), elbL=(0.4, -3.9, 17.2)),
    ]
    g = Grid(6 * 29, 29, BLACK)
    skin = {K.SKIN[0]: 0xE8A070, K.SKIN[1]: 0xB87048, K.SKIN[2]: 0x7A4428}
    trousers = {K.SHORTS[i]: (0x3A3E4C, 0x30343E, 0x262830, 0x1C1E24)[i] for i in range(4)}
    socks = {K.SOCKS[i]: (0x303440, 0x282C36, 0x20222A, 0x181A20)[i] for i in range(4)}
    for c, j in enumerate(poses):
        # long legs of the trousers: socks join the shorts
        cv, (ax, ay), hf = B.render_body(j, facing_frame(20), 29, 29, 13.5, 25.5, keeper=True)
        px = P.colourise(cv, "plain")
        px = [K.SHIRT1[max(0, [K.KEEPER_SHIRT.index(p)][0])] if p in K.KEEPER_SHIRT else p for p in px]
        px = [skin.get(p, trousers.get(p, socks.get(p, p))) for p in px]
        px = [0x2A2A2E if p in K.KEEPER_GLOVE else p for p in px]
        hair = H.render_hair(301, hf, (ax + 0.5, ay + 0.5), 29, 29, B.HEAD_R,
                             hair_palette=(0x5A4A3A, 0x3E3228, 0x2A2018))
        for i, p in enumerate(hair):
            if p != BLACK:
                px[i] = p
        for i, p in enumerate(px):
            if p != BLACK:
                g.set(c * 29 + i % 29, i // 29, p)
    return g


def jumper():
    """Net stanchion behind the goal: 42 high, its foot at the image's left."""
    g = Grid(10, 42, BLACK)
    for y in range(0, 42):
        g.set(0, y, K.OUTLINE)
        g.set(1, y, 0xE8E8EC)
        g.set(2, y, 0xA8ACB4)
        g.set(3, y, K.OUTLINE)
    for x in range(0, 6):
        g.set(x, 40, 0x606068)
        g.set(x, 41, K.OUTLINE)
    for y in range(2, 30, 3):          # net tied to the stanchion
        g.set(4, y, NET_D)
        g.set(5, y + 1, NET_D)
    return g


def rain_sheet():
    g = Grid(4 * 30, 30, BLACK)
    for c in range(3):
        length = 6 + c * 3
        for i in range(length):
            x = 15 - i // 4 + c
            y = 4 + i
            g.set(c * 30 + x, y, 0xC8D8F0 if i > length // 3 else 0x8CA0C8)
    for a in range(0, 360, 30):        # splash ring
        r = 3.5
        x = 15 + r * math.cos(math.radians(a))
        y = 20 + r * math.sin(math.radians(a)) * 0.5
        g.set(90 + int(round(x)), int(round(y)), 0xC8D8F0)
    for dx, dy in ((-1, -3), (1, -4), (0, -5)):
        g.set(90 + 15 + dx, 20 + dy, 0xE0E8F8)
    return g


def snow_sheet():
    g = Grid(9, 3, BLACK)
    for x, y in ((1, 1),):
        g.set(x, y, 0xFFFFFF)
    for x, y in ((4, 0), (3, 1), (4, 1), (5, 1), (4, 2)):
        g.set(x, y, 0xF4F8FF)
    for x, y in ((6, 0), (7, 1), (8, 2), (8, 0), (6, 2)):
        g.set(x, y, 0xE8F0FC)
    g.set(7, 1, 0xFFFFFF)
    return g


def fog_picture(size=256):
    """Tileable soft noise in greys: fully opaque, so the blend alone thins it."""
    rnd = random.Random(5)
    grids = []
    for cells in (4, 8, 16):
        grids.append((cells, [[rnd.random() for _ in range(cells)] for _ in range(cells)]))

    def smooth(t):
        return t * t * (3 - 2 * t)
    g = Grid(size, size, 0)
    for y in range(size):
        for x in range(size):
            v = 0.0
            amp = 0.55
            for cells, vals in grids:
                fx = x * cells / size
                fy = y * cells / size
                x0, y0 = int(fx) % cells, int(fy) % cells
                x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
                tx, ty = smooth(fx - int(fx)), smooth(fy - int(fy))
                a = vals[y0][x0] * (1 - tx) + vals[y0][x1] * tx
                b = vals[y1][x0] * (1 - tx) + vals[y1][x1] * tx
                v += amp * (a * (1 - ty) + b * ty)
                amp *= 0.5
            level = int(max(0, min(7, v * 8)))
            c = 0x90 + level * 12
            g.set(x, y, (c << 16) | (c << 8) | min(255, c + 8))
    return g


def main():
    ball_sheet((0xF8F8F8, 0xD0D0D8, 0x9898A4, 0x303038), os.path.join(IMG, "ball.png"))
    ball_sheet((0xF89038, 0xE06818, 0xA84810, 0x402018), os.path.join(IMG, "ballsnow.png"))
    for name, grid in (("goal-top-a.png", goal_top_a()), ("goal-top-b.png", goal_top_b()),
                       ("goal-btm.png", goal_bottom()), ("flag.png", corner_flags()),
                       ("jumper.png", jumper()), ("rain.png", rain_sheet()),
                       ("snow.png", snow_sheet()), ("fog.png", fog_picture())):
        save_from_rgb(os.path.join(IMG, name), grid.w, grid.h, grid.px, [BLACK])
    g = coach_sheet()
    save_from_rgb(os.path.join(IMG, "coach.png"), g.w, g.h, g.px, [BLACK] + list(K.KIT_TEMPLATES))


if __name__ == "__main__":
    main()
