#!/usr/bin/python3
"""Player, goalkeeper, referee, hair and shadow sheets, the goalkeeper
collision map and the hair placement table.

Writes assets/images/player/*.png, player/keeper.png, player/hair/*.png,
player/shadows/*.png, images/referee.png, images/keeper_cd.png and
src/football/colour_hair_table.hpp.
With --contact FILE it also writes a contact sheet for looking at the art.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from art import colours as K          # noqa: E402
from art import figure as fg          # noqa: E402
from art import frames as FR          # noqa: E402
from art import body as B             # noqa: E402
from art import hair as H             # noqa: E402
from art import paint as P            # noqa: E402
from art import referee as R          # noqa: E402
from art.pngout import save_indexed, save_rgb, save_from_rgb, Grid  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
IMG = os.path.join(ROOT, "assets", "images")
OUT_ROWS, KEEP_ROWS = FR.OUT_ROWS, 19
HAIR_COLS, HAIR_ROWS = 8, FR.HAIR_ROWS
LIE_TILT, TILT_TILT = 8, 50


def render_all():
    out, keep = {}, {}
    for row in range(OUT_ROWS):
        for col in range(8):
            cell = FR.outfield_cell(col, row)
            if cell is not None:
                out[col, row] = FR.render_cell(cell, FR.OUT_W, FR.OUT_H, FR.OUT_FEET) + (cell,)
    for row in range(KEEP_ROWS):
        for col in range(8):
            cell, hold = FR.keeper_cell(col, row)
            if cell is not None:
                keep[col, row] = FR.render_cell(cell, FR.KEEP_W, FR.KEEP_H, FR.KEEP_FEET, True) + (cell, hold)
    ref = {}
    for row in range(R.ROWS):
        for col in range(R.COLUMNS):
            cell = R.cell(col, row)
            ref[col, row] = FR.render_cell(cell, FR.OUT_W, FR.OUT_H, FR.OUT_FEET) + (cell,)
    return out, keep, ref


def hair_layout(out):
    """Hair cells: (col, row) -> (head frame, anchor in the cell)."""
    cells = {}
    for d in range(8):
        for r in range(3):
            _, (bx, by), hf, _, _ = out[d, r]
            dx, dy = FR.RUN_HAIR[d]
            cells[d, r] = (hf, (bx - dx + 9, by - dy + 9))
        cells[d, 3] = (FR.bowed_frame(d), (10, 12))
    for o in range(4):
        sx = 1 if o in (0, 2) else -1
        fy = 1 if o in (0, 1) else -1
        cells[o, 4] = (B.dive_frame(sx, fy, LIE_TILT), (10, 10))
        cells[4 + o, 4] = (B.dive_frame(sx, fy, TILT_TILT), (10, 10))
    for (_, _, hf, _, cell) in out.values():
        if cell.hair_cell is not None:
            cells[cell.hair_cell] = (hf, (10, 10))
    return cells


def hair_cell_for(cell):
    if cell.hair_cell is not None:
        return cell.hair_cell
    if cell.head == "up":
        return (cell.head_dir, 1)
    if cell.head == "bow":
        return (cell.head_dir, 3)
    if cell.head == "lie":
        return (cell.head_dir, 4)
    return (4 + cell.head_dir, 4)


def hair_table(out, keep, cells):
    table = [[(0, 0, 0, 0)] * OUT_ROWS for _ in range(16)]
    for (col, row), (_, (bx, by), _, _, cell) in out.items():
        if row in (0, 1, 2):
            table[col][row] = (col, row) + FR.RUN_HAIR[col]
        elif row == 3:
            table[col][row] = (col, 1) + FR.HOP_HAIR[col]
        elif row < 16 or row >= FR.FIRST_EXTRA_ROW:
            hc = hair_cell_for(cell)
            ax, ay = cells[hc][1]
            table[col][row] = hc + (bx - ax + 9, by - ay + 9)
    for (col, row), (_, (bx, by), _, _, cell, _) in keep.items():
        if row in (0, 1, 2):
            table[8 + col][row] = (col, row) + FR.RUN_HAIR[col]
        elif row == 3:
            table[8 + col][row] = (col, 1) + FR.HOP_HAIR[col]
        else:
            hc = hair_cell_for(cell)
            ax, ay = cells[hc][1]
            table[8 + col][row] = hc + (bx - ax, by - ay)
    for c in range(16):
        for r in range(OUT_ROWS):
            assert table[c][r][2:] != (0, 0) or table[c][r] == (0, 0, 0, 0)
    return table


def sheet_pixels(rendered, cols, rows, cw, ch, paint, paint_cell=None):
    """paint colours a canvas; paint_cell, when given, a whole rendered cell and its row instead."""
    g = Grid(cols * cw, rows * ch, K.MASK_BLACK)
    for (col, row), item in rendered.items():
        px = paint_cell(item, row) if paint_cell else paint(item[0])
        for y in range(ch):
            for x in range(cw):
                c = px[y * cw + x]
                if c != K.MASK_BLACK:
                    g.set(col * cw + x, row * ch + y, c)
    return g


BODY_PALETTE = [K.MASK_BLACK, K.OUTLINE, K.BOOT[0], K.BOOT[1]] + list(K.KIT_TEMPLATES) + list(K.SKIN)
KEEPER_PALETTE = BODY_PALETTE[:4] + list(K.KEEPER_SHIRT) + list(K.KEEPER_GLOVE) + \
    list(K.KIT_TEMPLATES) + list(K.SKIN)


def save_palette_sheet(path, grid, palette):
    index = {c: i for i, c in enumerate(palette)}
    save_indexed(path, grid.w, grid.h, [index[c] for c in grid.px], palette)


def hair_sheet(code, cells):
    g = Grid(HAIR_COLS * 21 - 1, HAIR_ROWS * 21 - 1, K.MASK_BLACK)
    if code == 101:
        return g
    for (col, row), (hf, (ax, ay)) in cells.items():
        px = H.render_hair(code, hf, (ax + 0.5, ay + 0.5), 20, 20, B.HEAD_R)
        for y in range(20):
            for x in range(20):
                if px[y * 20 + x] != K.MASK_BLACK:
                    g.set(col * 21 + x, row * 21 + y, px[y * 20 + x])
    return g


SHADOW_DIRS = ((0.62, 0.42), (-0.62, 0.42), (-0.62, -0.42), (0.62, -0.42))


def shadow_cell(cv_item, keeper, sheet):
    """Ground shadow of a cell's body, cast along one diagonal, 50 x 50."""
    _, _, _, T, cell = cv_item[:5]
    parts, head = B.build_parts(cell.joints, fg.Frame(cell.frame.F, cell.frame.R, cell.frame.U, T), keeper)
    spheres = [s for p in parts for s in p.spheres] + [(head, B.HEAD_R)]
    ax, ay = SHADOW_DIRS[sheet]
    sx = cell.shift[0]
    sy = cell.shift[1]
    lift = -sy / fg.S
    px = [False] * 2500
    for (x, y, z), r in spheres:
        z = max(0.0, z + lift)
        cx = 24.5 + sx + x + ax * z
        cy = 34.5 + y + ay * z
        rx, ry = r * 1.0, r * 0.8
        for yy in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for xx in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if 0 <= xx < 50 and 0 <= yy < 50:
                    ex = (xx + 0.5 - cx) / rx
                    ey = (yy + 0.5 - cy) / ry
                    if ex * ex + ey * ey < 1.0:
                        px[yy * 50 + xx] = True
    return px


def shadow_sheet(rendered, rows, keeper, sheet):
    g = Grid(8 * 50, rows * 50, K.MASK_BLACK)
    for (col, row), item in rendered.items():
        px = shadow_cell(item, keeper, sheet)
        for i, on in enumerate(px):
            if on:
                g.set(col * 50 + i % 50, row * 50 + i // 50, K.SHADOW)
    return g


DIVE_THICKNESS = 6
# The ball is not a point: it meets the keeper a ball's radius before its
# centre reaches his outline. Hands catch, the arms and upper body push the
# ball wide, only the legs merely stop it (a stopped ball lies at his feet for
# the next striker).
CATCH_REACH = 5.5
PARRY_REACH = 2.8
BLOCK_REACH = 2.4
UPPER_BODY = (fg.SHIRT, fg.SLEEVE, fg.GLOVE, fg.COLLAR, fg.HEAD, fg.HAIR)
LAST_DIVE_ROW = 15


def collision_cell(cv, hold, thick=0):
    """Catch around the hands, parry at the rim of the arms and gloves, block on
    the rest of the body. A pixel stands for the ball's ground point; the ball's
    centre is 3 pixels above it."""
    w = cv.w
    mats = cv.mat
    px = [K.MASK_BLACK] * (w * cv.h)
    gloves = [(i % w + 0.5, i // w + 0.5) for i in range(w * cv.h) if mats[i] == fg.GLOVE]
    if hold is not None:
        hands = hold
    elif gloves:
        hands = (sum(g[0] for g in gloves) / len(gloves), sum(g[1] for g in gloves) / len(gloves))
    else:
        hands = None
    upright = hold is None
    # A keeper lying in a dive is as thick as his body: a ball passing up to
    # DIVE_THICKNESS px above the drawn body (on the picture) still meets it.
    for y in range(cv.h):
        for x in range(w):
            bx, by = x + 0.5, y - 2.5
            near = None
            best = 99.0
            for yy in range(int(by) - 2, int(by) + 3 + thick):
                for xx in range(int(bx) - 2, int(bx) + 3):
                    if 0 <= xx < w and 0 <= yy < cv.h and mats[yy * w + xx] != fg.EMPTY:
                        below = yy + 0.5 - by
                        if below > 0:
                            below = max(0.0, below - thick)
                        dist = math.hypot(xx + 0.5 - bx, below)
                        if dist < best:
                            best, near = dist, mats[yy * w + xx]
            hand_d = math.hypot(bx - hands[0], by - hands[1]) if hands else 99.0
            c = K.MASK_BLACK
            if hand_d < CATCH_REACH or (upright and best < 0.8 and near in (fg.SHIRT, fg.SLEEVE, fg.GLOVE, fg.COLLAR)):
                c = K.KEEPER_CATCH
            elif best < PARRY_REACH and (near in UPPER_BODY or hand_d < 2 * CATCH_REACH):
                c = K.KEEPER_PARRY
            elif best < BLOCK_REACH:
                c = K.KEEPER_BLOCK
            px[y * w + x] = c
    return px


# Reach of an upright keeper (positioning, walking, the ready crouch), by ball
# height h = 34 - cell row and offset ex from the feet: the sprite is only about
# 17 px tall, but a keeper standing on his line gets his hands to a ball well
# above his head and stretches his arms out to the sides. Each entry is
# (lowest h, highest h, half width), tested in order.
# A ball at his feet arrives up to 4 px below them on the picture (it meets
# him a little in front of or behind his line): he gets down behind it.
UPRIGHT_CATCH = ((-4, 20, 5), (21, 23, 4), (24, 24, 3))
UPRIGHT_PARRY = ((-4, 24, 10), (25, 27, 7), (28, 30, 5))


def _in_reach(table, ex, h):
    return any(lo <= h <= hi and abs(ex) <= half for lo, hi, half in table)


def upright_collision_cell(cv):
    """Catch in front of him from his feet up to the raised hands, parry
    around that as far as the arms and legs reach."""
    w = cv.w
    px = [K.MASK_BLACK] * (w * cv.h)
    for y in range(cv.h):
        for x in range(w):
            ex, h = x - FR.KEEP_FEET[0], FR.KEEP_FEET[1] - y
            if _in_reach(UPRIGHT_CATCH, ex, h):
                c = K.KEEPER_CATCH
            elif _in_reach(UPRIGHT_PARRY, ex, h):
                c = K.KEEPER_PARRY
            else:
                c = K.MASK_BLACK
            px[y * w + x] = c
    return px


def is_upright_keeper_cell(col, row):
    return row <= 7 or (row == 8 and col < 4)


def write_hair_table(table, path):
    lines = ["#pragma once",
             "// The hair table: which hair cell each body frame shows, and where.",
             "// Generated by tools/gen_art_players.py from the sprite poses; do not edit.",
             "// Where each body frame shows the hair sheet: hair cell column and row,",
             "// then the offset (dx, dy) the match drawing adds; (0, 0) shows no hair.",
             "// Columns 0-7 outfield directions, 8-15 goalkeeper; %d rows." % len(table[0]),
             "#include <array>", "", "struct t_hair_cell {", "    int column;", "    int row;",
             "    int dx;", "    int dy;", "};", "",
             "inline constexpr std::array<std::array<t_hair_cell, %d>, 16> hair_table = {{" % len(table[0])]
    for c in range(16):
        entries = ", ".join("{%d, %d, %d, %d}" % e for e in table[c])
        lines.append("    {{%s}}," % entries)
    lines.append("}};")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def contact_sheet(path, out_sheets, keeper_grid, hair_grids, cd_grid, shadow_grid, ref_grid, ref_shadow):
    """Writes path_run.png, path_poses.png, path_keeper.png, path_extra.png (the foul, header and
    fall rows) and path_referee.png for inspection."""
    from PIL import Image
    kits = [(4, 1, 1, 4), (5, 1, 5, 5), (1, 2, 2, 1), (20, 15, 15, 20), (8, 1, 1, 8), (2, 4, 2, 2),
            (12, 9, 12, 12)]
    grass = (0x4C, 0x8C, 0x28)
    table = HAIR_TABLE
    hairs = [301, 501, 601, 606, 510, 402, 702, 514, 201, 603, 808, 506]

    def recol(grid, m, x0, y0, w, h, dst, dx, dy, scale=1, tint=None):
        for y in range(h):
            for x in range(w):
                c = grid.get(x0 + x, y0 + y)
                if c is None or c == K.MASK_BLACK:
                    continue
                c = m.get(c, c)
                rgb = ((c >> 16) & 255, (c >> 8) & 255, c & 255)
                if tint:
                    if not (0 <= dx + x * scale < dst.width and 0 <= dy + y * scale < dst.height):
                        continue
                    base = dst.getpixel((dx + x * scale, dy + y * scale))
                    rgb = tuple((a + b) // 2 for a, b in zip(base, rgb))
                for sy in range(scale):
                    for sx in range(scale):
                        X, Y = dx + x * scale + sx, dy + y * scale + sy
                        if 0 <= X < dst.width and 0 <= Y < dst.height:
                            dst.putpixel((X, Y), rgb)

    def draw_player(grid, m, col, row, dst, px, py, hair_code, scale, keeper=False):
        cw = 50 if keeper else 32
        recol(grid, m, col * cw, row * cw, cw, cw, dst, px, py, scale=scale)
        hc, hr, dx, dy = table[col + (8 if keeper else 0)][row]
        if dx or dy:
            hg = hair_grids[hair_code]
            ox = dx if keeper else dx - 9
            oy = dy if keeper else dy - 9
            recol(hg, m, hc * 21, hr * 21, 20, 20, dst, px + ox * scale, py + oy * scale, scale=scale)

    img = Image.new("RGB", (1200, 1000), grass)
    y = 4
    for si, st in enumerate(K.STYLE_NAMES):
        m = K.recolour_map(*kits[si % len(kits)], skin=si % 7, hair=si % 7)
        for row in range(4):
            for col in range(8):
                draw_player(out_sheets[st], m, col, row, img, 4 + col * 30 + row * 250, y, hairs[si % 12], 1)
        y += 30
    for k in range(3):
        m = K.recolour_map(*kits[k], skin=k * 2, hair=k)
        for row in range(4):
            for col in range(8):
                draw_player(out_sheets[K.STYLE_NAMES[k * 3 + 2]], m, col, row, img, 20 + col * 140,
                            660 + row * 0 + k * 110 - 40 + (row % 2) * 0, hairs[k], 4) if row == 1 else None
    img.save(path + "_run.png")
    img = Image.new("RGB", (8 * 96 + 8, OUT_ROWS * 96), grass)
    m = K.recolour_map(4, 1, 1, 4, skin=0, hair=2)
    for row in range(OUT_ROWS):
        for col in range(8):
            draw_player(out_sheets["horizontal"], m, col, row, img, 4 + col * 96, row * 96, hairs[row % 12], 3)
    img.save(path + "_poses.png")
    img = Image.new("RGB", (8 * 100 * 2 + 20, 19 * 100), grass)
    km = K.recolour_map(2, 2, 2, 2, skin=1, hair=0)
    for row in range(KEEP_ROWS):
        for col in range(8):
            draw_player(keeper_grid, km, col, row, img, col * 100, row * 100, 301, 2, keeper=True)
            draw_player(keeper_grid, km, col, row, img, 820 + col * 100, row * 100, 301, 2, keeper=True)
            recol(cd_grid, {}, col * 50, row * 50, 50, 50, img, 820 + col * 100, row * 100, scale=2, tint=True)
    img.save(path + "_keeper.png")
    # The rows below the original sheet, in two kits, with hair and the first shadow, 4x.
    scale, pitch = 4, 34 * 4
    extra = range(FR.FIRST_EXTRA_ROW, OUT_ROWS)
    img = Image.new("RGB", (8 * pitch * 2 + 16, len(extra) * pitch), grass)
    for k, (style, kit, hair_code) in enumerate((("horizontal", kits[0], 301), ("vertical", kits[5], 606))):
        m = K.recolour_map(*kit, skin=k * 3, hair=k * 2 + 1)
        for i, row in enumerate(extra):
            for col in range(8):
                px, py = k * (8 * pitch + 16) + col * pitch, i * pitch
                recol(shadow_grid, {}, col * 50, row * 50, 50, 50, img, px - 9 * scale, py - 9 * scale, scale, True)
                draw_player(out_sheets[style], m, col, row, img, px, py, hair_code, scale)
    img.save(path + "_extra.png")
    img = Image.new("RGB", (8 * pitch, R.ROWS * pitch), grass)
    for row in range(R.ROWS):
        for col in range(8):
            recol(ref_shadow, {}, col * 50, row * 50, 50, 50, img, col * pitch - 9 * scale, row * pitch - 9 * scale,
                  scale, True)
            recol(ref_grid, {}, col * 32, row * 32, 32, 32, img, col * pitch, row * pitch, scale)
    img.save(path + "_referee.png")


HAIR_TABLE = None


def main():
    global HAIR_TABLE
    out, keep, ref = render_all()
    cells = hair_layout(out)
    HAIR_TABLE = hair_table(out, keep, cells)
    write_hair_table(HAIR_TABLE, os.path.join(ROOT, "src", "football", "colour_hair_table.hpp"))
    sheets = {}
    for style in K.STYLE_NAMES:
        g = sheet_pixels(out, 8, OUT_ROWS, 32, 32, lambda cv, s=style: P.colourise(cv, s))
        save_palette_sheet(os.path.join(IMG, "player", style + ".png"), g, BODY_PALETTE)
        sheets[style] = g
    kg = sheet_pixels(keep, 8, KEEP_ROWS, 50, 50, lambda cv: P.colourise(cv, None, keeper=True))
    save_palette_sheet(os.path.join(IMG, "player", "keeper.png"), kg, KEEPER_PALETTE)
    cd = Grid(400, 950, K.MASK_BLACK)
    for (col, row), item in keep.items():
        px = upright_collision_cell(item[0]) if is_upright_keeper_cell(col, row) else \
            collision_cell(item[0], item[5], DIVE_THICKNESS if row <= LAST_DIVE_ROW else 0)
        for i, c in enumerate(px):
            if c != K.MASK_BLACK:
                cd.set(col * 50 + i % 50, row * 50 + i // 50, c)
    save_rgb(os.path.join(IMG, "keeper_cd.png"), cd.w, cd.h, cd.px)
    hair_grids = {}
    for code in H.CODES:
        g = hair_sheet(code, cells)
        save_palette_sheet(os.path.join(IMG, "player", "hair", "%d.png" % code), g,
                           [K.MASK_BLACK, K.OUTLINE] + list(K.HAIR))
        hair_grids[code] = g
    rg = sheet_pixels(ref, R.COLUMNS, R.ROWS, FR.OUT_W, FR.OUT_H, None, R.paint)
    save_palette_sheet(os.path.join(IMG, "referee.png"), rg, R.PALETTE)
    shadow0 = ref_shadow0 = None
    for n in range(4):
        for name, rendered, rows, keeper in (("player", out, OUT_ROWS, False), ("keeper", keep, KEEP_ROWS, True),
                                             ("referee", ref, R.ROWS, False)):
            g = shadow_sheet(rendered, rows, keeper, n)
            save_palette_sheet(os.path.join(IMG, "player", "shadows", "%s_%d.png" % (name, n)), g,
                               [K.MASK_BLACK, K.SHADOW])
            if n == 0 and name == "player":
                shadow0 = g
            if n == 0 and name == "referee":
                ref_shadow0 = g
    if "--contact" in sys.argv:
        contact_sheet(sys.argv[sys.argv.index("--contact") + 1], sheets, kg, hair_grids, cd, shadow0, rg, ref_shadow0)


if __name__ == "__main__":
    main()
