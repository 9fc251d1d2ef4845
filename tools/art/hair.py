"""Hair styles drawn on a head sphere, for the match sprites and menu faces."""
import math

from . import colours as K
from . import figure as fg
from .figure import Frame, add, mul, sub, dot, norm

CODES = (101, 102, 201, 301, 302, 303, 401, 402, 403,
         501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 514, 515, 516,
         601, 602, 603, 604, 605, 606, 701, 702, 703,
         801, 802, 803, 804, 805, 806, 807, 808)


def _style(front=2.00, side=2.0, back=2.0, grow=0.25, tex=None, extra=(), beard=None,
           top_bald=None, flat=None, mohawk=False, part=None, two=False):
    return dict(front=front, side=side, back=back, grow=grow, tex=tex, extra=extra,
                beard=beard, top_bald=top_bald, flat=flat, mohawk=mohawk, part=part, two=two)


SHORT = dict(front=0.85, side=-0.05, back=-0.45)
HANG_LONG = (("chain", (-1.3, 0.0, -0.6), (-1.5, 0.0, -4.2), 2.0, 1.5),)
HANG_BOB = (("chain", (-1.1, 0.0, -0.4), (-1.2, 0.0, -2.2), 2.1, 1.9),)

STYLES = {
    101: _style(),
    102: _style(front=0.87, side=0.1, back=-0.3, grow=0.02, tex="stubble"),
    201: _style(front=0.82, side=0.05, back=-0.35, grow=0.08, two=True),
    301: _style(**SHORT),
    302: _style(**SHORT, part=0.32),
    303: _style(front=0.52, side=-0.05, back=-0.45, grow=0.3),
    401: _style(front=0.97, side=0.15, back=-0.4),
    402: _style(**SHORT, top_bald=0.8),
    403: _style(front=0.97, side=0.0, back=-0.45, top_bald=0.45),
    501: _style(front=0.62, side=-0.3, back=-0.7, grow=0.4),
    502: _style(front=0.62, side=-0.35, back=-0.7, grow=0.4, part=0.0),
    503: _style(front=0.67, side=0.0, back=-0.4, grow=0.35, tex="spiky"),
    504: _style(front=0.77, side=-0.05, back=-0.45, grow=0.7, flat=0.55),
    505: _style(**SHORT, extra=(("ball", (1.3, 0.0, 1.7), 1.2),)),
    506: _style(front=0.62, side=-0.25, back=-0.6, grow=0.55, tex="curly"),
    507: _style(front=0.77, side=-0.05, back=-0.9, extra=(("chain", (-1.6, 0.0, -0.6), (-1.8, 0.0, -2.8), 1.3, 1.1),)),
    508: _style(front=0.44, side=-0.2, back=-0.55, grow=0.45),
    509: _style(front=0.87, side=-0.05, back=-0.5, grow=0.2, tex="combed"),
    510: _style(front=2.00, side=2.0, back=2.0, mohawk=True),
    511: _style(front=0.77, side=-0.05, back=-0.5, grow=0.1, tex="rows"),
    512: _style(**SHORT, extra=(("ball", (-0.2, 0.0, 2.9), 1.05),)),
    513: _style(front=0.62, side=-0.2, back=-0.55, grow=0.35, tex="band"),
    514: _style(front=0.57, side=-0.3, back=-0.55, grow=0.85, tex="curly"),
    515: _style(front=0.67, side=-0.2, back=-0.6, grow=0.4, tex="locks",
               extra=(("chain", (-1.5, 0.0, -0.5), (-1.7, 0.0, -2.4), 1.4, 1.1),)),
    516: _style(front=0.77, side=0.45, back=0.3, grow=0.45, tex="undercut"),
    601: _style(front=0.67, side=-0.35, back=-0.8, grow=0.35, extra=HANG_LONG),
    602: _style(front=0.62, side=-0.35, back=-0.8, grow=0.5, tex="curly", extra=HANG_LONG),
    603: _style(front=0.77, side=-0.05, back=-0.4, grow=0.2,
               extra=(("chain", (-2.2, 0.0, 0.8), (-3.0, 0.0, -2.4), 0.85, 0.6),)),
    604: _style(front=0.67, side=-0.35, back=-0.8, grow=0.35, tex="band", extra=HANG_LONG),
    605: _style(front=0.52, side=-0.45, back=-0.7, grow=0.45, extra=HANG_BOB),
    606: _style(front=0.52, side=-0.4, back=-0.7, grow=1.45, tex="curly"),
    701: _style(**SHORT, beard=-0.05),
    702: _style(beard=-0.05),
    703: _style(**SHORT, beard=-0.35),
    801: _style(front=0.87, side=0.1, back=-0.3, grow=0.05, tex="stubble", beard=-0.5),
    802: _style(front=0.62, side=-0.3, back=-0.6, grow=0.6, tex="spiky"),
    803: _style(front=0.37, side=-0.1, back=-0.5, grow=0.35, part=-0.35),
    804: _style(front=0.92, side=0.45, back=0.3, grow=0.1, tex="undercut",
               extra=(("ball", (-0.6, 0.0, 2.7), 1.0),)),
    805: _style(front=0.47, side=-0.35, back=-0.65, grow=0.75, tex="curly"),
    806: _style(front=0.77, side=-0.1, back=-0.45, grow=0.25, extra=(("ball", (-1.9, 0.0, 1.3), 1.1),)),
    807: _style(front=0.67, side=-0.35, back=-0.8, grow=0.35, beard=-0.1, extra=HANG_LONG),
    808: _style(front=0.67, side=-0.2, back=-0.55, grow=0.3,
               extra=(("chain", (-0.8, -2.2, -0.2), (-0.9, -2.6, -2.8), 0.75, 0.6),
                      ("chain", (-0.8, 2.2, -0.2), (-0.9, 2.6, -2.8), 0.75, 0.6))),
}


def _hash(x, y, k=0):
    h = (x * 73856093) ^ (y * 19349663) ^ (k * 83492791)
    h &= 0xFFFFFFFF
    h = ((h >> 13) ^ h) * 1274126177 & 0xFFFFFFFF
    return (h >> 8) & 255


def covered(st, n, front_bias=0.0):
    """Whether the head-local unit direction n = (f, r, u) carries hair."""
    nf, nr, nu = n
    if st["mohawk"]:
        return abs(nr) < 0.28 and nu > -0.2 and nf > -0.9
    az = math.atan2(nr, nf)
    k = math.cos(az)
    if k >= 0:
        line = st["side"] + (st["front"] + front_bias - st["side"]) * k ** 0.6
    else:
        line = st["side"] + (st["back"] - st["side"]) * (-k)
    hair = nu > line
    if hair and st["top_bald"] is not None and nu > st["top_bald"] and nf > -0.6:
        hair = False
    if st["tex"] == "undercut" and nu < 0.55 and nf > -0.7:
        hair = False
    if not hair and st["beard"] is not None and nf > 0.25 and nu < st["beard"] and nu > -0.95:
        if st["beard"] < -0.3:      # goatee: chin only
            hair = abs(nr) < 0.45 and nu < -0.55
        else:
            hair = nf > 0.2 and not (abs(nr) < 0.3 and -0.55 < nu < -0.2 and nf > 0.8)
    return hair


def shade_of(st, light, n, px, py):
    """Hair shade 0..2 (0..1 for the two-shade cut)."""
    s = 0 if light > 0.45 else (1 if light > 0.0 else 2)
    tex = st["tex"]
    nf, nr, nu = n
    if tex == "stubble":
        s = max(1, s)
    elif tex == "curly":
        if _hash(px, py) % 3 == 0:
            s = min(2, s + 1)
    elif tex == "spiky":
        if (px + py) % 2 == 0:
            s = min(2, s + 1)
    elif tex == "combed":
        if abs(nr) % 0.5 < 0.12:
            s = min(2, s + 1)
    elif tex == "rows":
        if int((nr + 1.0) * 4.0) % 2 == 0:
            s = min(2, s + 1)
    elif tex == "locks":
        if int((math.atan2(nr, nf) + 3.2) * 2.5) % 2 == 0:
            s = min(2, s + 1)
    elif tex == "band":
        if 0.2 < nu < 0.45 and nf > -0.2:
            s = 2
    if st["part"] is not None and abs(nr - st["part"]) < 0.09 and nu > 0.3 and nf > -0.3:
        s = 2
    if st["two"]:
        s = min(s, 1)
    return s


def render_hair(code, head_frame, head_centre_screen, w, h, head_r, hair_palette=None,
                outline=True, front_bias=0.0):
    """Returns a flat list of colours (0 = empty) of the hair around a head
    centred at screen point head_centre_screen (sub-pixel) on a w x h grid."""
    st = STYLES[code]
    palette = hair_palette or K.HAIR
    cx, cy = head_centre_screen
    centre = fg.unproject(cx, cy, 0.0)
    hf = Frame(head_frame.F, head_frame.R, head_frame.U, centre)
    scale = head_r / 2.35
    grow = st["grow"] * scale
    rh = head_r + grow
    px_out = [K.MASK_BLACK] * (w * h)
    depth = [-1e9] * (w * h)
    head_mask = [False] * (w * h)
    # Shell around the head: the nearest covered hit wins; where only the back
    # of the shell is covered (behind the head's rim) it shows darker.
    for y in range(h):
        for x in range(w):
            dx = x + 0.5 - cx
            dy = y + 0.5 - cy
            d2 = dx * dx + dy * dy
            i = y * w + x
            if d2 < head_r * head_r:
                head_mask[i] = True
            if d2 >= rh * rh:
                continue
            dz = math.sqrt(rh * rh - d2)
            for sign in (1, -1):
                n_cam = (dx / rh, dy / rh, sign * dz / rh)
                wpt = fg.unproject(cx + dx, cy + dy, sign * dz)
                n = tuple(v / rh for v in hf.to_local(wpt))
                if sign == -1 and d2 < head_r * head_r:
                    break
                if covered(st, n, front_bias):
                    light = dot(n_cam, fg.LIGHT) if sign == 1 else -0.3
                    if st["flat"] is not None and n[2] > st["flat"] and sign == 1:
                        light = 0.7
                    px_out[i] = palette[shade_of(st, light, n, x, y)]
                    depth[i] = sign * dz
                    break
                if sign == 1 and d2 < head_r * head_r:
                    # Face or scalp shows here unless an extra part covers it.
                    depth[i] = math.sqrt(max(0.0, head_r * head_r - d2))
                    break
    # Extra pieces: buns, ponytails, hanging hair, quiffs.
    for piece in st["extra"]:
        if piece[0] == "ball":
            spheres = [(piece[1], piece[2])]
        else:
            _, a, b, ra, rb = piece
            spheres = fg.chain(a, b, ra, rb)
        for c_local, r in spheres:
            c_local = tuple(v * scale for v in c_local)
            r *= scale
            X, Y, D = fg.project(hf.to_world(c_local))
            for y in range(max(0, int(Y - r) - 1), min(h, int(Y + r) + 2)):
                for x in range(max(0, int(X - r) - 1), min(w, int(X + r) + 2)):
                    dx = x + 0.5 - X
                    dy = y + 0.5 - Y
                    d2 = dx * dx + dy * dy
                    if d2 >= r * r:
                        continue
                    dz = math.sqrt(r * r - d2)
                    dd = D - fg.project(centre)[2] + dz
                    i = y * w + x
                    if dd <= depth[i]:
                        continue
                    depth[i] = dd
                    n_cam = (dx / r, dy / r, dz / r)
                    light = dot(n_cam, fg.LIGHT)
                    px_out[i] = palette[shade_of(st, light, (0.0, 0.0, 0.0), x, y)]
    if outline:
        # The body outline already rings the head; ring only what sticks out.
        add_px = []
        for y in range(h):
            for x in range(w):
                i = y * w + x
                if px_out[i] != K.MASK_BLACK or head_mask[i]:
                    continue
                near_hair = near_head = False
                for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                    if 0 <= nx < w and 0 <= ny < h:
                        j = ny * w + nx
                        near_hair |= px_out[j] not in (K.MASK_BLACK, K.OUTLINE)
                        near_head |= head_mask[j]
                if near_hair and not near_head:
                    add_px.append(i)
        for i in add_px:
            px_out[i] = K.OUTLINE
    return px_out
