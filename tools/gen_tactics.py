#!/usr/bin/python3
"""Writes the twelve preset tactics, assets/tactics/preset/*.TAC (370 bytes each).

Every outfield player gets a target for each of the 35 ball zones: his place in
the formation, shifted towards the ball across the pitch and along it, so the
side keeps its shape, the back line drops when the ball nears its own goal and
the forwards push up when it is near the other. Players on mirrored spots of
the formation are paired, and their targets mirror each other zone for zone.
File frame: own goal at negative y; x = 68h - 476, y = 80l - 600.
"""
import math
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "tactics", "preset")

PRESETS = [  # file, name, layout (column, row) of players 0..10
    ("T442", "4-4-2", [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 6), (0, 4), (0, 5), (2, 6), (-1, 8), (1, 8)]),
    ("T541", "5-4-1", [(0, 0), (-2, 3), (0, 1), (1, 2), (2, 3), (-1, 5), (-1, 2), (0, 4), (1, 5), (0, 6), (0, 8)]),
    ("T451", "4-5-1", [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 6), (0, 4), (1, 5), (2, 6), (-1, 5), (0, 8)]),
    ("T532", "5-3-2", [(0, 0), (-2, 3), (0, 1), (1, 2), (2, 3), (-2, 5), (-1, 2), (0, 6), (2, 5), (-1, 8), (1, 8)]),
    ("T352", "3-5-2", [(0, 0), (-1, 2), (0, 1), (1, 4), (1, 2), (-2, 5), (-1, 4), (0, 6), (2, 5), (-1, 8), (1, 8)]),
    ("T433", "4-3-3", [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 5), (0, 4), (1, 7), (2, 5), (-1, 7), (0, 8)]),
    ("T424", "4-2-4", [(0, 0), (-2, 2), (-1, 1), (1, 1), (2, 2), (-2, 6), (-1, 4), (1, 4), (2, 6), (0, 7), (0, 8)]),
    ("T343", "3-4-3", [(0, 0), (-1, 2), (0, 1), (0, 4), (1, 2), (-2, 5), (0, 6), (1, 7), (2, 5), (-1, 7), (0, 8)]),
    ("TLIBERO", "SWEEPER", [(0, 0), (-2, 3), (0, 1), (0, 2), (2, 3), (-2, 6), (0, 4), (0, 5), (2, 6), (-1, 8), (1, 8)]),
    ("T523", "5-2-3", [(0, 0), (-2, 3), (0, 1), (1, 2), (2, 3), (-2, 7), (-1, 2), (1, 5), (2, 7), (-1, 5), (0, 8)]),
    ("TATTACK", "ATTACK", [(0, 0), (-1, 2), (0, 1), (-1, 5), (1, 2), (-2, 7), (1, 5), (0, 6), (2, 7), (-1, 8), (1, 8)]),
    ("TDEFEND", "DEFEND", [(0, 0), (-1, 2), (-1, 1), (1, 1), (1, 2), (-2, 3), (-1, 5), (1, 5), (2, 3), (0, 6), (0, 8)]),
]

ZONE_W, ZONE_H = 206, 184


def half_up(v):
    return int(math.floor(v + 0.5))


def lattice(x, y):
    """Nearest lattice point, symmetric about x = 0 so mirrored targets stay mirrored."""
    h = 7 + (1 if x >= 0 else -1) * half_up(abs(x) / 68)
    l = half_up((y + 600) / 80)
    return max(0, min(14, h)), max(0, min(15, l))


def target(col, row, zx, zy, style):
    bx, by = zx * ZONE_W, zy * ZONE_H
    width = 150 if style != "DEFEND" else 135
    x = col * width
    y = -470 + row * 75
    if style == "ATTACK":
        y += 50
    elif style == "DEFEND":
        y -= 50
    if row <= 3:  # back line: follows the ball, drops and narrows near its goal
        pull_y = 0.55
        narrow = 0.75 if zy <= -2 else 0.9
        pull_x = 0.45
        low = -560
        if style == "SWEEPER" and row == 1:
            pull_y, low = 0.45, -600
    elif row <= 6:  # midfield: the most mobile line
        pull_y = 0.7
        narrow = 0.85
        pull_x = 0.55
        low = -540
    else:  # forwards: push up, stay higher when defending for the counter
        pull_y = 0.8 if zy > 0 else 0.45
        narrow = 0.85
        pull_x = 0.5
        low = -300
    tx = x * narrow + bx * pull_x
    ty = y + by * pull_y
    # Nobody goes past the ball's line towards the other goal by much when defending deep.
    ty = max(low, min(560, ty))
    tx = max(-476, min(476, tx))
    return lattice(tx, ty)


def pairs_of(layout):
    pairs = [255] * 11
    next_id = 0
    for a in range(1, 11):
        if pairs[a] != 255:
            continue
        col, row = layout[a]
        if col == 0:
            continue
        for b in range(a + 1, 11):
            if pairs[b] == 255 and layout[b] == (-col, row):
                pairs[a] = pairs[b] = next_id
                next_id += 1
                break
    return pairs


def preset_bytes(slot, name, layout):
    data = bytearray(name.encode("latin-1")[:9].ljust(9, b"\0"))
    for p in range(1, 11):
        col, row = layout[p]
        for z in range(35):
            zx, zy = z % 5 - 2, z // 5 - 3
            h, l = target(col, row, zx, zy, name)
            data.append(16 * h + l)
    pairs = pairs_of(layout)
    data += bytes(pairs[1:])
    data.append(slot)
    assert len(data) == 370
    return data


def check_mirrors(data, layout):
    pairs = pairs_of(layout)
    cell = lambda p, z: data[9 + 35 * (p - 1) + z]
    for a in range(1, 11):
        if pairs[a] == 255:
            continue
        b = next(q for q in range(1, 11) if q != a and pairs[q] == pairs[a])
        for z in range(35):
            zx, zy = z % 5 - 2, z // 5 - 3
            mz = 17 + (-zx) + 5 * zy
            ha, la = divmod(cell(a, z), 16)
            hb, lb = divmod(cell(b, mz), 16)
            assert ha == 14 - hb and la == lb, (a, b, z)


def main():
    os.makedirs(OUT, exist_ok=True)
    for slot, (file, name, layout) in enumerate(PRESETS):
        data = preset_bytes(slot, name, layout)
        check_mirrors(data, layout)
        with open(os.path.join(OUT, file + ".TAC"), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
