"""Player and goalkeeper bodies: skeleton poses turned into sphere parts."""
import math

from . import figure as fg
from .figure import Frame, Part, chain, lerp, add, mul, sub, norm, cross

HEAD_R = 2.7

STAND = {
    "pelvis": (0.0, 0.0, 9.7), "chest": (0.1, 0.0, 14.0), "neck": (0.2, 0.0, 15.6),
    "head": (0.35, 0.0, 18.3),
    "hipL": (0.0, -1.2, 9.5), "hipR": (0.0, 1.2, 9.5),
    "kneeL": (0.35, -1.25, 5.3), "kneeR": (0.35, 1.25, 5.3),
    "ankleL": (0.0, -1.3, 1.0), "ankleR": (0.0, 1.3, 1.0),
    "toeL": (1.4, -1.35, 0.55), "toeR": (1.4, 1.35, 0.55),
    "shL": (0.0, -2.9, 14.5), "shR": (0.0, 2.9, 14.5),
    "elbL": (-0.2, -3.45, 12.0), "elbR": (-0.2, 3.45, 12.0),
    "handL": (0.3, -3.4, 9.9), "handR": (0.3, 3.4, 9.9),
}


def pose(**changes):
    p = dict(STAND)
    for k, v in changes.items():
        p[k] = v
    return p


def side(name, s):
    return name + ("L" if s < 0 else "R")


def leg(p, s, swing):
    """swing +1 forward (reaching), -1 back (kicking up), 0 neutral; s = -1 left, +1 right."""
    r = 1.25 * s
    if swing > 0:
        p[side("knee", s)] = (2.0 * swing, r, 5.3 + 0.6 * swing)
        p[side("ankle", s)] = (2.7 * swing, r * 1.04, 1.0 + 0.5 * swing)
        p[side("toe", s)] = (2.7 * swing + 1.3, r * 1.08, 0.6 + 0.5 * swing)
    elif swing < 0:
        w = -swing
        p[side("knee", s)] = (-0.7 * w, r, 5.3 - 0.3 * w)
        p[side("ankle", s)] = (-2.7 * w, r * 1.04, 1.0 + 1.9 * w)
        p[side("toe", s)] = (-2.7 * w + 0.6, r * 1.08, 1.0 + 0.8 * w)


def arm(p, s, swing):
    r = 3.35 * s
    if swing > 0:
        p[side("elb", s)] = (1.1 * swing, r * 1.04, 12.4)
        p[side("hand", s)] = (2.3 * swing, r * 0.9, 12.6)
    elif swing < 0:
        w = -swing
        p[side("elb", s)] = (-1.3 * w, r * 1.06, 12.6)
        p[side("hand", s)] = (-2.0 * w, r * 1.04, 10.8)


def running(phase):
    """phase +1: left leg forward; -1: right leg forward; 0: passing (standing)."""
    p = pose()
    if phase:
        leg(p, -1, phase)
        leg(p, 1, -phase)
        arm(p, -1, -phase)
        arm(p, 1, phase)
    return p


def build_parts(j, frame, keeper=False):
    """Sphere parts of a body; returns (parts, world head centre)."""
    W = frame.to_world
    parts = []
    torso_frame = Frame(frame.F, frame.R, frame.U, W(j["pelvis"]))
    shirt = fg.SHIRT
    # Torso: two columns of spheres give a body wider than it is deep.
    spheres = []
    for lat in (-1.05, 0.0, 1.05):
        a = add(j["pelvis"], (0.0, lat, 0.3))
        b = add(j["chest"], (0.0, lat * 1.08, 0.0))
        spheres += [(W(c), r) for c, r in chain(a, b, 1.85, 2.1)]
    parts.append(Part(shirt, spheres, torso_frame))
    for s in (-1, 1):
        sh = j[side("sh", s)]
        parts.append(Part(shirt, [(W(sh), 1.45)], torso_frame, tag=s))
    neck = j["neck"]
    parts.append(Part(fg.COLLAR, [(W(add(neck, (0.0, 0.0, -0.6))), 1.05)], torso_frame))
    # Shorts and legs.
    parts.append(Part(fg.SHORTS, [(W(add(j["pelvis"], (0.0, 0.0, -0.2))), 2.15)], torso_frame))
    for s in (-1, 1):
        hip, knee = j[side("hip", s)], j[side("knee", s)]
        ankle, toe = j[side("ankle", s)], j[side("toe", s)]
        mid = lerp(hip, knee, 0.45)
        parts.append(Part(fg.SHORTS, [(W(c), r) for c, r in chain(hip, mid, 1.55, 1.4)], torso_frame, s))
        parts.append(Part(fg.SKIN, [(W(c), r) for c, r in chain(mid, knee, 1.15, 1.0)]))
        sock = lerp(knee, ankle, 0.28)
        parts.append(Part(fg.SKIN if not keeper else fg.SOCK,
                          [(W(c), r) for c, r in chain(knee, sock, 0.98, 0.95)]))
        parts.append(Part(fg.SOCK, [(W(c), r) for c, r in chain(sock, ankle, 0.95, 0.85)]))
        parts.append(Part(fg.BOOT, [(W(c), r) for c, r in chain(ankle, toe, 0.9, 0.8)]))
    # Arms: short sleeves, or long sleeves and gloves for goalkeepers.
    for s in (-1, 1):
        sh, elb, hand = j[side("sh", s)], j[side("elb", s)], j[side("hand", s)]
        arm_frame = Frame(frame.F, frame.R, frame.U, W(sh))
        if keeper:
            parts.append(Part(fg.SLEEVE, [(W(c), r) for c, r in chain(sh, elb, 1.15, 1.0)], arm_frame, s))
            parts.append(Part(fg.SLEEVE, [(W(c), r) for c, r in chain(elb, hand, 0.98, 0.9)], arm_frame, s))
            parts.append(Part(fg.GLOVE, [(W(hand), 1.15)]))
        else:
            mid = lerp(sh, elb, 0.6)
            parts.append(Part(fg.SLEEVE, [(W(c), r) for c, r in chain(sh, mid, 1.18, 1.1)], arm_frame, s))
            parts.append(Part(fg.SKIN, [(W(c), r) for c, r in chain(mid, elb, 0.9, 0.85)]))
            parts.append(Part(fg.SKIN, [(W(c), r) for c, r in chain(elb, hand, 0.85, 0.8)]))
            parts.append(Part(fg.SKIN, [(W(hand), 0.95)]))
    head = W(j["head"])
    parts.append(Part(fg.SKIN, [(W(c), r) for c, r in chain(neck, lerp(neck, j["head"], 0.5), 1.0, 1.05)]))
    return parts, head


def render_body(j, frame, w, h, ox, oy, keeper=False, head_frame=None, head_shift=(0, 0)):
    """Renders a body; the head is put on a pixel centre so the separate hair
    cells line up with it. Returns (canvas, head anchor pixel, head frame)."""
    parts, head = build_parts(j, frame, keeper)
    X, Y, _ = fg.project(head)
    X += ox
    Y += oy
    ax = int(math.floor(X)) + head_shift[0]
    ay = int(math.floor(Y)) + head_shift[1]
    dX = ax + 0.5 - X
    dY = ay + 0.5 - Y
    head = add(head, (dX, dY * fg.C, -dY * fg.S))
    hf = head_frame or frame
    parts.append(Part(fg.HEAD, [(head, HEAD_R)], Frame(hf.F, hf.R, hf.U, head)))
    cv = fg.Canvas(w, h, ox, oy)
    for part in parts:
        cv.draw(part)
    return cv, (ax, ay), hf


def hands_world(j, frame):
    return frame.to_world(lerp(j["handL"], j["handR"], 0.5))


def dive_frame(sx, fy, tilt_deg):
    """Body whose head points towards sx (+1 = +x) tilted tilt degrees above
    the ground, front towards fy (+1 = down the screen)."""
    t = math.radians(tilt_deg)
    U = norm((sx * math.cos(t), 0.0, math.sin(t)))
    F0 = (0.0, float(fy), 0.0)
    R = norm(cross(U, F0))
    F = norm(cross(R, U))
    return Frame(F, R, U)
