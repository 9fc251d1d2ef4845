"""Turns rendered body canvases into template-coloured pixels."""
import math

from . import colours as K
from . import figure as fg


def _stripe(value, width, offset=0.0):
    return int(math.floor((value + offset) / width)) % 2


def shirt_pattern(style, mat, local, tag):
    """1 where the second shirt colour shows."""
    if local is None:
        return 0
    f, r, u = local
    if mat == fg.COLLAR:
        return 1 if style in ("col_sleeves", "big_v") else 0
    if mat == fg.SLEEVE:
        d = math.sqrt(f * f + r * r + u * u)
        if style == "col_sleeves":
            return 1
        if style == "armband":
            return 1 if 0.55 < d < 1.5 else 0
        if style == "vert_halves":
            return 1 if tag > 0 else 0
        if style in ("horizontal", "double_stripe"):
            return 1 if d > 1.0 else 0
        if style == "side_lines":
            return 1 if d > 0.9 else 0
        if style in ("big_check", "diagonal_half"):
            return 1 if tag > 0 else 0
        return 0
    phi = math.degrees(math.atan2(r, f))
    if style == "plain" or style == "col_sleeves" or style == "armband":
        return 0
    if style == "vertical":
        return _stripe(phi + 180.0, 36.0, 18.0)
    if style == "horizontal":
        return _stripe(u, 1.1, 0.2)
    if style == "check":
        return (_stripe(phi + 180.0, 45.0, 22.5) + _stripe(u, 1.5, 0.3)) % 2
    if style == "vert_halves":
        return 1 if r > 0 else 0
    if style == "strip":
        return 1 if abs(r) < 0.95 else 0
    if style == "spice":
        return 1 if (int(math.floor((phi + 180.0) / 30.0)) + 2 * int(math.floor(u / 1.05))) % 4 == 0 else 0
    if style == "large_strips":
        return _stripe(phi + 180.0, 60.0, 30.0)
    if style == "diagonal":
        return 1 if abs(u - 2.4 - 0.95 * r) < 0.75 else 0
    if style == "band":
        return 1 if 2.2 < u < 3.7 else 0
    if style == "line":
        return 1 if 2.75 < u < 3.45 else 0
    if style == "two_stripes":
        return 1 if 0.6 < abs(r) < 1.4 else 0
    if style == "double_stripe":
        return 1 if (1.5 < u < 2.2) or (3.0 < u < 3.7) else 0
    if style == "big_check":
        return 1 if (r > 0) != (u > 2.4) else 0
    if style == "big_v":
        return 1 if f > -0.3 and abs(u - (4.9 - 1.25 * abs(r))) < 0.65 else 0
    if style == "cross":
        return 1 if abs(r) < 0.6 or 2.6 < u < 3.4 else 0
    if style == "diagonal_half":
        return 1 if u > 2.4 + 0.9 * r else 0
    if style == "vert_strip":
        return 1 if -1.5 < r < -0.55 else 0
    if style == "side_lines":
        return 1 if abs(r) > 1.85 else 0
    raise ValueError(style)


def colourise(cv, style=None, keeper=False):
    """Returns a flat list of RGB colours (0 = mask) for a body canvas."""
    out = [K.MASK_BLACK] * (cv.w * cv.h)
    deeper = fg.edge_pixels(cv)
    for i in range(cv.w * cv.h):
        m = cv.mat[i]
        if m == fg.EMPTY:
            continue
        # Shorts and socks face sideways and down; lift them a little so a
        # light kit's shorts do not turn grey.
        s4 = fg.shade4(cv.light[i] + (0.18 if m in (fg.SHORTS, fg.SOCK) else 0.0))
        s3 = fg.shade3(cv.light[i])
        if i in deeper:
            s4 = min(3, s4 + 1)
            s3 = min(2, s3 + 1)
        if m in (fg.SHIRT, fg.SLEEVE, fg.COLLAR):
            if m == fg.COLLAR:
                s4 = min(3, s4 + 1)
            if keeper:
                c = K.KEEPER_SHIRT[s4]
            else:
                c = (K.SHIRT2 if shirt_pattern(style, m, cv.local[i], cv.tag[i]) else K.SHIRT1)[s4]
        elif m == fg.SHORTS:
            c = K.SHORTS[s4]
        elif m == fg.SOCK:
            c = K.SOCKS[s4]
        elif m == fg.SKIN:
            c = K.SKIN[s3]
        elif m == fg.HEAD:
            c = K.SKIN[s3]
            loc = cv.local[i]
            if loc is not None:
                nf, nr, nu = (v / 2.7 for v in loc)
                if nf > 0.62 and 0.0 < nu < 0.42 and 0.22 < abs(nr) < 0.62:
                    c = K.SKIN[2]
        elif m == fg.BOOT:
            c = K.BOOT[0 if cv.light[i] > 0.3 else 1]
        elif m == fg.GLOVE:
            c = K.KEEPER_GLOVE[0 if cv.light[i] > 0.2 else 1]
        else:
            c = K.OUTLINE
        out[i] = c
    kit_outline(out, cv.w, cv.h)
    return out


KIT_FAMILIES = (K.SHIRT1, K.SHIRT2, K.SHORTS, K.SOCKS, K.KEEPER_SHIRT)
DARKEST_OF = {c: fam[-1] for fam in KIT_FAMILIES for c in fam}


def kit_outline(px, w, h):
    """Dark outline on the shadow side (below and right of the body); on the
    lit side a kit part is edged with its own darkest shade, so the outline
    does not swamp a light kit on a small sprite."""
    add = []
    for y in range(h):
        for x in range(w):
            if px[y * w + x] != K.MASK_BLACK:
                continue
            lit_side = None
            dark = False
            for nx, ny, lit in ((x + 1, y, True), (x, y + 1, True), (x - 1, y, False), (x, y - 1, False)):
                if not (0 <= nx < w and 0 <= ny < h):
                    continue
                c = px[ny * w + nx]
                if c in (K.MASK_BLACK, K.OUTLINE):
                    continue
                if lit and c in DARKEST_OF:
                    lit_side = lit_side or DARKEST_OF[c]
                else:
                    dark = True
            if dark:
                add.append((y * w + x, K.OUTLINE))
            elif lit_side is not None:
                add.append((y * w + x, lit_side))
    for i, c in add:
        px[i] = c


def outline(px, w, h, colour=K.OUTLINE, empty=K.MASK_BLACK):
    add = []
    for y in range(h):
        for x in range(w):
            if px[y * w + x] != empty:
                continue
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= nx < w and 0 <= ny < h and px[ny * w + nx] not in (empty, colour):
                    add.append(y * w + x)
                    break
    for i in add:
        px[i] = colour
