"""The referee: poses of his sheet and his fixed colours (no team recolours him).

Sheet of 8 x 6 cells of 32 x 32, feet at (15, 25) as the outfield players:
column = direction as in the players' running rows; rows 0-2 running,
row 3 standing, row 4 showing a yellow card, row 5 a red card.
"""
from . import body as B
from . import colours as K
from . import figure as fg
from . import frames as FR
from . import hair as H
from . import paint as P

COLUMNS, ROWS = 8, 6
RUN_ROWS, STANDING_ROW, YELLOW_ROW, RED_ROW = 3, 3, 4, 5
HAIR_CODE = 301

# Near black with a little light left in it, so the folds still read on the grass.
SHIRT = (0x4A4A52, 0x36363E, 0x26262C, 0x18181D)
SHORTS = (0x404048, 0x2E2E35, 0x222228, 0x17171B)
SOCKS = (0x3A3A42, 0x2C2C33, 0x202026, 0x151519)
SKIN = (0xF0A474, 0xB8744C, 0x7A4628)
HAIR = (0x4A3A2C, 0x342820, 0x221A14)
# Card: face, shaded edge.
YELLOW_CARD = (0xFFE838, 0xC8AC10)
RED_CARD = (0xF02828, 0xA81414)

COLOURS = {}
for _tpl, _own in ((K.SHIRT1, SHIRT), (K.SHIRT2, SHIRT), (K.SHORTS, SHORTS), (K.SOCKS, SOCKS),
                   (K.SKIN, SKIN), (K.HAIR, HAIR)):
    COLOURS.update(zip(_tpl, _own))
PALETTE = [K.MASK_BLACK, K.OUTLINE, K.BOOT[0], K.BOOT[1]] + list(SHIRT) + list(SHORTS) + list(SOCKS) + \
    list(SKIN) + list(HAIR) + list(YELLOW_CARD) + list(RED_CARD)

# Right arm straight up, the card held above his head.
CARD_ARM = dict(elbR=(0.3, 3.2, 17.6), handR=(0.5, 2.6, 21.2))


def cell(col, row):
    if row < RUN_ROWS:
        return FR.outfield_cell(col, row)
    joints = B.pose(**CARD_ARM) if row in (YELLOW_ROW, RED_ROW) else B.pose()
    return FR.Cell(joints, fg.facing_frame(45 * col), "up", col)


def card_colours(row):
    return {YELLOW_ROW: YELLOW_CARD, RED_ROW: RED_CARD}.get(row)


def paint(rendered, row):
    """Fixed-colour pixels of a rendered cell, his hair and the card included."""
    cv, (ax, ay), hf, T, c = rendered
    w, h = cv.w, cv.h
    px = [COLOURS.get(p, p) for p in P.colourise(cv, "plain")]
    hair = H.render_hair(HAIR_CODE, hf, (ax + 0.5, ay + 0.5), w, h, B.HEAD_R, hair_palette=HAIR)
    for i, p in enumerate(hair):
        if p != K.MASK_BLACK:
            px[i] = p
    card = card_colours(row)
    if card:
        frame = fg.Frame(c.frame.F, c.frame.R, c.frame.U, T)
        hx, hy, _ = fg.project(frame.to_world(c.joints["handR"]))
        x0 = int(hx + FR.OUT_FEET[0] + 0.5) - 1
        y0 = int(hy + FR.OUT_FEET[1] + 0.5) - 4
        # 2 x 3 card in the fingers, lit face and shaded edge, outlined on the grass
        for y in range(y0 - 1, y0 + 4):
            for x in range(x0 - 1, x0 + 3):
                if not (0 <= x < w and 0 <= y < h):
                    continue
                inside = x0 <= x < x0 + 2 and y0 <= y < y0 + 3
                if inside:
                    px[y * w + x] = card[1] if x == x0 + 1 and y > y0 else card[0]
                elif px[y * w + x] == K.MASK_BLACK:
                    px[y * w + x] = K.OUTLINE
    return px
