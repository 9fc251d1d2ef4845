"""Every outfield and goalkeeper animation cell: pose, orientation, placement.

A cell is described by Cell; render_cell draws it and reports where its head
sits so the hair cells and the hair table can be derived from the same data.
"""
import math

from . import body as B
from . import figure as fg
from .figure import Frame, facing_frame, lerp, add

OUT_W, OUT_H, OUT_FEET = 32, 32, (15, 25)
KEEP_W, KEEP_H, KEEP_FEET = 50, 50, (24, 34)

# Hair placement fixed for the running rows (dx, dy per direction).
RUN_HAIR = ((15, 3), (16, 3), (14, 4), (13, 3), (11, 3), (12, 1), (12, 2), (15, 1))
HOP_HAIR = ((14, 2), (16, 2), (14, 3), (13, 2), (11, 2), (12, 1), (12, 0), (14, 0))
RUN_LEAN = 0.22


class Cell:
    def __init__(self, joints, frame, head="up", head_dir=0, shift=(0, 0), hands_at=None,
                 head_frame=None, lie=None, origin=(0.0, 0.0, 0.0), hair_cell=None):
        self.joints = joints
        self.frame = frame
        self.head = head              # "up", "bow", "lie", "tilt"
        self.head_dir = head_dir      # direction for "up"/"bow", orientation for "lie"/"tilt"
        self.shift = shift            # whole-cell pixel shift (hop frame)
        self.hands_at = hands_at      # cell point the hands' centre must reach
        self.head_frame = head_frame
        self.origin = origin          # world offset of the body when no hands_at places it
        self.hair_cell = hair_cell    # own hair cell (column, row) instead of one by head kind


def bowed_frame(d):
    return facing_frame(45 * d, lean=1.3)


def _upright(d, joints, lean=0.0, shift=(0, 0)):
    return Cell(joints, facing_frame(45 * d, lean), "up", d, shift)


def outfield_cell(col, row):
    d = col
    if row in (0, 1, 2):
        return _upright(d, B.running((1, 0, -1)[row]), RUN_LEAN)
    if row == 3:
        dx = HOP_HAIR[d][0] - RUN_HAIR[d][0]
        dy = HOP_HAIR[d][1] - RUN_HAIR[d][1]
        return _upright(d, B.running(0), RUN_LEAN, (dx, dy))
    if row in (4, 5, 6, 7, 10):
        return _upright(d, B.running(0), RUN_LEAN)
    if row == 8:        # throw-in: ball held behind the head
        j = B.pose(handL=(-0.6, -2.0, 22.6), handR=(-0.6, 2.0, 22.6),
                   elbL=(-0.3, -3.4, 19.2), elbR=(-0.3, 3.4, 19.2))
        B.leg(j, -1, 0.6)
        return _upright(d, j, -0.12)
    if row == 9:        # throw-in: arms coming forward
        j = B.pose(handL=(2.2, -1.9, 21.4), handR=(2.2, 1.9, 21.4),
                   elbL=(1.1, -3.3, 18.4), elbR=(1.1, 3.3, 18.4))
        B.leg(j, -1, 0.6)
        return _upright(d, j, 0.16)
    if row == 11:       # celebration: both arms up
        j = B.pose(handL=(0.4, -5.0, 21.8), handR=(0.4, 5.0, 21.8),
                   elbL=(0.2, -4.2, 18.2), elbR=(0.2, 4.2, 18.2))
        return _upright(d, j)
    if row == 12:       # celebration: jump
        j = B.pose(handL=(0.6, -4.6, 22.2), handR=(0.6, 4.6, 22.2),
                   elbL=(0.3, -4.0, 18.4), elbR=(0.3, 4.0, 18.4),
                   kneeL=(1.4, -1.3, 5.6), kneeR=(1.4, 1.3, 5.6),
                   ankleL=(-0.4, -1.3, 2.6), ankleR=(-0.4, 1.3, 2.6),
                   toeL=(0.9, -1.35, 2.0), toeR=(0.9, 1.35, 2.0))
        return _upright(d, j, 0.0, (0, -2))
    if row == 13:       # celebration: aeroplane arms
        j = B.pose(handL=(-0.3, -6.2, 14.2), handR=(-0.3, 6.2, 14.2),
                   elbL=(-0.1, -4.5, 14.5), elbR=(-0.1, 4.5, 14.5))
        B.leg(j, 1, 0.5)
        return _upright(d, j, 0.1)
    if row == 14:
        if col == 3:    # own goal: head hung, hands on hips
            j = B.pose(handL=(-0.3, -2.3, 10.4), handR=(-0.3, 2.3, 10.4),
                       elbL=(-0.8, -3.7, 12.2), elbR=(-0.8, 3.7, 12.2),
                       head=(1.3, 0.0, 17.6))
            c = Cell(j, facing_frame(45 * 3, 0.12), "bow", 3)
            c.head_frame = bowed_frame(3)
            return c
        # walk-on line-up, facing the main stand
        if col == 0:    # hands behind the back
            j = B.pose(handL=(-1.6, -1.2, 10.2), handR=(-1.6, 1.2, 10.2),
                       elbL=(-1.1, -3.0, 12.1), elbR=(-1.1, 3.0, 12.1))
        elif col == 2:  # waving
            j = B.pose(handR=(0.6, 4.3, 19.8), elbR=(0.3, 3.9, 16.8))
        else:
            j = B.pose()
        return _upright(2, j)
    if row == 15:       # own goal: hands on the head
        j = B.pose(handL=(0.2, -1.6, 20.3), handR=(0.2, 1.6, 20.3),
                   elbL=(0.5, -3.6, 18.3), elbR=(0.5, 3.6, 18.3),
                   head=(1.2, 0.0, 17.7))
        c = Cell(j, facing_frame(45 * d, 0.12), "bow", d)
        c.head_frame = bowed_frame(d)
        return c
    if FIRST_EXTRA_ROW <= row < OUT_ROWS:
        return extra_outfield_cell(d, row)
    return None



# Rows below the original sheet: fouls, headers and falls.
FIRST_EXTRA_ROW = 20
SLIDE_ROW, HEADER_ROW, DIVING_HEADER_ROW, FALLEN_ROW = 20, 22, 24, 26
OUT_ROWS = 27
# Hair sheet rows of the heads these rows turn (the first five rows are the original ones).
SLIDE_HAIR_ROW, DIVE_HAIR_ROW, FALLEN_HAIR_ROW = 5, 7, 9
HAIR_ROWS = 10
UPPER_BODY = ("chest", "neck", "head", "shL", "shR", "elbL", "elbR", "handL", "handR", "hipL", "hipR")


def _reclined(pelvis, back_deg, legs, **upper):
    """A body leaning back by back_deg about its pelvis, set down at pelvis.
    Arms are given as if standing and lean with the torso; legs are given
    where they end up."""
    p = B.pose(**upper)
    base = B.STAND["pelvis"]
    a = math.radians(back_deg)
    for k in UPPER_BODY:
        f, r, u = p[k][0] - base[0], p[k][1] - base[1], p[k][2] - base[2]
        p[k] = (pelvis[0] + f * math.cos(a) - u * math.sin(a), pelvis[1] + r,
                pelvis[2] + f * math.sin(a) + u * math.cos(a))
    p["pelvis"] = pelvis
    p.update(legs)
    return p


def _slide(d, frame):
    if frame == 0:      # going down: leading leg reaching, trailing knee folding
        j = _reclined((0.3, 0.0, 5.4), 22, dict(
            kneeR=(4.2, 1.3, 3.6), ankleR=(7.6, 1.3, 1.3), toeR=(8.4, 1.35, 2.2),
            kneeL=(2.2, -1.5, 1.8), ankleL=(-1.6, -1.3, 0.9), toeL=(-0.6, -1.35, 0.4)),
            elbL=(-0.6, -4.3, 12.6), handL=(-1.2, -5.4, 10.8),
            elbR=(0.8, 4.2, 12.8), handR=(1.8, 5.0, 11.6))
        back = 22
    else:               # on the grass: leading leg out straight, studs up, a hand behind
        j = _reclined((0.0, 0.0, 2.4), 50, dict(
            kneeR=(4.1, 1.3, 1.3), ankleR=(8.2, 1.3, 0.9), toeR=(8.8, 1.35, 2.0),
            kneeL=(3.6, -2.2, 2.6), ankleL=(0.6, -1.4, 0.9), toeL=(1.6, -1.2, 0.5)),
            elbL=(-1.6, -3.4, 11.6), handL=(-2.4, -3.6, 9.4),
            elbR=(1.2, 4.0, 13.0), handR=(2.8, 4.6, 14.5))
        back = 50
    c = Cell(j, facing_frame(45 * d), "up", d, hair_cell=(d, SLIDE_HAIR_ROW + frame))
    # the head stays more upright than the torso
    c.head_frame = facing_frame(45 * d, -math.tan(math.radians(0.7 * back)))
    return c


def _header(d, frame):
    if frame == 0:      # rising, head drawn back
        j = B.pose(elbL=(0.6, -4.0, 13.6), handL=(1.4, -4.6, 15.6),
                   elbR=(0.6, 4.0, 13.6), handR=(1.4, 4.6, 15.6),
                   kneeL=(1.4, -1.3, 5.6), kneeR=(1.4, 1.3, 5.6),
                   ankleL=(-0.4, -1.3, 2.6), ankleR=(-0.4, 1.3, 2.6),
                   toeL=(0.9, -1.35, 2.0), toeR=(0.9, 1.35, 2.0))
        return _upright(d, j, -0.12, (0, -2))
    # at the top: head snapped forward, arms out, legs trailing
    j = B.pose(elbL=(-0.8, -4.2, 12.8), handL=(-2.0, -4.8, 11.6),
               elbR=(-0.8, 4.2, 12.8), handR=(-2.0, 4.8, 11.6),
               kneeL=(0.9, -1.3, 5.8), kneeR=(0.6, 1.3, 5.6),
               ankleL=(-1.9, -1.3, 3.6), ankleR=(-2.1, 1.3, 3.2),
               toeL=(-1.0, -1.35, 3.0), toeR=(-1.2, 1.35, 2.6))
    return _upright(d, j, 0.35, (0, -3))


def _flat_frame(d, tilt_deg, face_down):
    """Body along direction d, head end raised tilt_deg, chest towards the
    grass (face_down) or the sky."""
    a, t = math.radians(45 * d), math.radians(tilt_deg)
    U = (math.cos(a) * math.cos(t), math.sin(a) * math.cos(t), math.sin(t))
    s = 1.0 if face_down else -1.0
    F = (s * math.cos(a) * math.sin(t), s * math.sin(a) * math.sin(t), -s * math.cos(t))
    return Frame(F, fg.cross(U, F), U)


def _placed(frame, point, at):
    """Origin that puts the body's local point at world point at."""
    w = frame.to_world(point)
    return (at[0] - w[0], at[1] - w[1], at[2] - w[2])


def _diving_header(d, frame):
    if frame == 0:      # launch: rising off the grass, arms swept back
        tilt, height = 12, 5.0
        j = B.pose(elbL=(-0.6, -3.7, 12.0), handL=(-1.2, -3.9, 9.6),
                   elbR=(-0.6, 3.7, 12.0), handR=(-1.2, 3.9, 9.6),
                   kneeL=(0.9, -1.25, 5.6), ankleL=(-0.6, -1.3, 1.8), toeL=(-0.6, -1.35, 0.4),
                   kneeR=(-0.3, 1.25, 5.3), ankleR=(-0.8, 1.3, 1.0), toeR=(-0.9, 1.35, -0.4))
    else:               # flat in the air, arms coming forward under the head
        tilt, height = 2, 5.5
        j = B.pose(elbL=(1.2, -4.0, 14.2), handL=(1.8, -4.2, 16.6),
                   elbR=(1.2, 4.0, 14.2), handR=(1.8, 4.2, 16.6),
                   kneeL=(-0.5, -1.25, 5.3), ankleL=(-1.3, -1.3, 1.2), toeL=(-1.2, -1.35, -0.3),
                   kneeR=(-0.8, 1.25, 5.4), ankleR=(-1.8, 1.3, 1.5), toeR=(-1.8, 1.35, 0.0))
    body = _flat_frame(d, tilt, True)
    c = Cell(j, body, "up", d, origin=_placed(body, (0.0, 0.0, 12.0), (0.0, 0.0, height)),
             hair_cell=(d, DIVE_HAIR_ROW + frame))
    c.head_frame = _flat_frame(d, tilt + 45, True)     # looking ahead, not at the grass
    return c


def _fallen(d):
    """On his back where he fell, head towards his direction, one knee up."""
    j = B.pose(kneeR=(2.6, 1.5, 6.4), ankleR=(-0.9, 1.5, 3.6), toeR=(-1.2, 1.5, 2.3),
               kneeL=(-0.3, -1.25, 5.3), ankleL=(-0.7, -1.3, 1.0), toeL=(0.6, -1.35, 0.0),
               elbR=(2.0, 3.4, 11.0), handR=(2.2, 1.9, 7.4),
               elbL=(-0.6, -4.4, 12.6), handL=(-0.9, -6.0, 11.0))
    body = _flat_frame(d, 4, False)
    c = Cell(j, body, "up", d, origin=_placed(body, (0.0, 0.0, 10.0), (0.0, 0.0, 2.1)),
             hair_cell=(d, FALLEN_HAIR_ROW))
    c.head_frame = _flat_frame(d, 25, False)            # head lifted a little off the grass
    return c


def extra_outfield_cell(d, row):
    if row < HEADER_ROW:
        return _slide(d, row - SLIDE_ROW)
    if row < DIVING_HEADER_ROW:
        return _header(d, row - HEADER_ROW)
    if row < FALLEN_ROW:
        return _diving_header(d, row - DIVING_HEADER_ROW)
    return _fallen(d)

# Goalkeeper dives: (joints kind, tilt, offx per orientation, offz).
DIVES = {
    (8, 1): ("spring", 62, (16, -13, 16, -12), 18),
    (9, 0): ("stretch", 42, (10, -8, 13, -9), 24),
    (10, 0): ("stretch", 14, (10, -8, 13, -9), 24),
    (11, 0): ("stretch", 4, (8, -5, 10, -8), 10),
    (9, 1): ("stretch", 40, (16, -13, 16, -12), 18),
    (10, 1): ("stretch", 12, (16, -13, 16, -12), 18),
    (11, 1): ("stretch", 3, (16, -13, 18, -14), 15),
    (12, 0): ("hold_chest", 2, (8, -5, 15, -11), 0),
    (12, 1): ("stretch", 2, (13, -10, 17, -13), 0),
    (13, 0): ("stretch", 55, (13, -11, 10, -10), 26),
    (13, 1): ("hold_head", 2, (12, -9, 17, -13), 0),
    (14, 0): ("stretch", 24, (13, -11, 10, -10), 26),
    (14, 1): ("stretch", 0, (16, -15, 14, -10), 0),
    (15, 0): ("stretch", 10, (14, -12, 10, -10), 20),
}


# Where the hands are drawn, as a height above the feet anchor, when it is not
# the height at which the ball is held. In the two-handed middle dive the keeper
# is in the air: the ball meets him a few pixels above his own height, not at
# the holding height (logged arrivals: rows 10 and 11 at 0..6 and 6..16 px).
DIVE_REACH = {
    (9, 1): 10,
    (10, 1): 3,
    (11, 1): 10,
}


def dive_joints(kind):
    if kind == "stretch":
        j = B.pose(handL=(0.7, -1.2, 21.4), handR=(0.7, 1.2, 21.4),
                   elbL=(0.5, -2.0, 18.6), elbR=(0.5, 2.0, 18.6),
                   kneeL=(0.2, -1.4, 5.3), ankleL=(-0.2, -1.6, 1.0), toeL=(1.1, -1.7, 0.4),
                   kneeR=(1.5, 1.5, 5.8), ankleR=(0.6, 1.9, 1.8), toeR=(1.8, 2.0, 1.2))
    elif kind == "spring":
        j = B.pose(handL=(1.0, -1.6, 20.2), handR=(1.0, 1.6, 20.2),
                   elbL=(0.7, -2.6, 17.6), elbR=(0.7, 2.6, 17.6),
                   kneeL=(1.4, -1.6, 5.2), ankleL=(0.0, -1.9, 1.0),
                   kneeR=(1.0, 1.5, 5.6), ankleR=(0.2, 1.7, 1.2))
    elif kind == "hold_chest":
        j = B.pose(handL=(2.1, -0.8, 13.6), handR=(2.1, 0.8, 13.6),
                   elbL=(1.2, -2.8, 12.3), elbR=(1.2, 2.8, 12.3),
                   kneeL=(1.8, -1.3, 5.8), ankleL=(0.4, -1.4, 1.6),
                   kneeR=(1.2, 1.3, 5.4), ankleR=(-0.2, 1.4, 1.2))
    elif kind == "hold_head":
        j = B.pose(handL=(1.9, -0.9, 17.8), handR=(1.9, 0.9, 17.8),
                   elbL=(1.5, -2.9, 15.6), elbR=(1.5, 2.9, 15.6),
                   kneeL=(1.6, -1.3, 5.6), ankleL=(0.3, -1.4, 1.4))
    elif kind == "crouch":
        j = B.pose(pelvis=(0.0, 0.0, 8.3), chest=(0.9, 0.0, 12.5), neck=(1.2, 0.0, 14.1),
                   head=(1.55, 0.0, 16.5), hipL=(0.0, -1.3, 8.1), hipR=(0.0, 1.3, 8.1),
                   kneeL=(1.6, -1.9, 4.8), kneeR=(1.6, 1.9, 4.8),
                   ankleL=(0.0, -2.1, 1.0), ankleR=(0.0, 2.1, 1.0),
                   toeL=(1.3, -2.3, 0.5), toeR=(1.3, 2.3, 0.5),
                   shL=(0.8, -2.55, 13.1), shR=(0.8, 2.55, 13.1),
                   elbL=(1.6, -4.1, 11.6), elbR=(1.6, 4.1, 11.6),
                   handL=(3.2, -3.1, 13.6), handR=(3.2, 3.1, 13.6))
    elif kind == "reach_up":
        j = B.pose(handL=(0.8, -1.1, 22.2), handR=(0.8, 1.1, 22.2),
                   elbL=(0.5, -2.2, 19.0), elbR=(0.5, 2.2, 19.0))
    elif kind == "jump_up":
        j = B.pose(handL=(0.9, -1.1, 22.0), handR=(0.9, 1.1, 22.0),
                   elbL=(0.6, -2.2, 18.8), elbR=(0.6, 2.2, 18.8),
                   kneeL=(1.6, -1.3, 5.6), kneeR=(0.8, 1.3, 5.2),
                   ankleL=(0.4, -1.3, 2.2), ankleR=(-0.6, 1.3, 1.8),
                   toeL=(1.6, -1.35, 1.8), toeR=(0.6, 1.35, 1.2))
    elif kind == "hold_high_chest":
        j = B.pose(handL=(2.1, -0.8, 14.2), handR=(2.1, 0.8, 14.2),
                   elbL=(1.0, -2.8, 12.6), elbR=(1.0, 2.8, 12.6))
    else:
        raise ValueError(kind)
    return j


def ball_centre_in_keeper_cell(offx, offz):
    return (KEEP_FEET[0] + offx + 0.5, KEEP_FEET[1] - offz - 2.5)


def keeper_cell(col, row):
    """Returns (Cell, hold point or None)."""
    if row <= 7:
        c = outfield_cell(col, row)
        return c, None
    o = col % 4
    sx = 1 if o in (0, 2) else -1
    fy = 1 if o in (0, 1) else -1
    if row == 8 and col < 4:
        # shared first frame of the low dives and the high catch: neutral crouch
        d = 2 if fy > 0 else 6
        return Cell(dive_joints("crouch"), facing_frame(45 * d), "up", d), None
    if row == 16 and col == 2:
        j = B.pose(handL=(0.9, -1.0, 12.2), handR=(0.9, 1.0, 12.2),
                   elbL=(0.3, -3.0, 12.0), elbR=(0.3, 3.0, 12.0))
        return Cell(j, facing_frame(90), "up", 2), None
    if row in (16, 17, 18) and col in (0, 1):
        d = 2 if col == 0 else 6
        kind, offz = {16: ("hold_high_chest", 15), 17: ("jump_up", 30), 18: ("reach_up", 30)}[row]
        offx = 1 if col == 0 else 0
        target = ball_centre_in_keeper_cell(offx, offz)
        c = Cell(dive_joints(kind), facing_frame(45 * d), "up", d, hands_at=target)
        return c, target
    key = (row, col // 4)
    if key not in DIVES:
        return None, None
    kind, tilt, offx, offz = DIVES[key]
    target = ball_centre_in_keeper_cell(offx[o], DIVE_REACH.get(key, offz))
    frame = B.dive_frame(sx, fy, tilt)
    head = "lie" if tilt < 30 else "tilt"
    if kind == "spring":
        head = "tilt"
    return Cell(dive_joints(kind), frame, head, o, hands_at=target), target


def render_cell(cell, w, h, feet, keeper=False):
    """Draws a cell. Returns (canvas, head anchor, head frame, world offset)."""
    ox = feet[0] + 0.5 + cell.shift[0]
    oy = feet[1] + 0.5 + cell.shift[1]
    T = cell.origin
    if cell.hands_at is not None:
        hx, hy, _ = fg.project(B.hands_world(cell.joints, cell.frame))
        dX = cell.hands_at[0] - (hx + ox)
        dY = cell.hands_at[1] - (hy + oy)
        T = (dX, 0.0, -dY / fg.S)
    frame = Frame(cell.frame.F, cell.frame.R, cell.frame.U, T)
    hf = cell.head_frame or cell.frame
    cv, anchor, hf = B.render_body(cell.joints, frame, w, h, ox, oy, keeper, hf)
    return cv, anchor, hf, T
