"""A tiny sphere-swept renderer for the player sprites.

Bodies are chains of spheres in world space (x right, y down the pitch, z up),
seen by an orthographic camera tilted towards the viewer. Each pixel keeps the
material, a light shade 0..3 and the hit point in the part's own frame, so the
kit patterns can be painted afterwards without redrawing the body.
"""
import math

# Camera: screen y = y * C - z * S, depth towards the viewer = y * S + z * C.
C = 0.6
S = math.sqrt(1.0 - C * C)
LIGHT = (-0.50, -0.62, 0.60)
_l = math.sqrt(sum(v * v for v in LIGHT))
LIGHT = tuple(v / _l for v in LIGHT)

EMPTY, SHIRT, SLEEVE, COLLAR, SHORTS, SOCK, SKIN, BOOT, GLOVE, HEAD, HAIR = range(11)


def add(a, b):
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def mul(a, k):
    return (a[0] * k, a[1] * k, a[2] * k)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def norm(a):
    l = math.sqrt(dot(a, a)) or 1.0
    return (a[0] / l, a[1] / l, a[2] / l)


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def project(p):
    return (p[0], p[1] * C - p[2] * S, p[1] * S + p[2] * C)


def unproject(X, Y, D):
    return (X, Y * C + D * S, -Y * S + D * C)


class Frame:
    """An orientation: local (f, r, u) -> world."""

    def __init__(self, F, R, U, origin=(0.0, 0.0, 0.0)):
        self.F, self.R, self.U, self.o = F, R, U, origin

    def to_world(self, p):
        return add(self.o, add(add(mul(self.F, p[0]), mul(self.R, p[1])), mul(self.U, p[2])))

    def to_local(self, w):
        d = sub(w, self.o)
        return (dot(d, self.F), dot(d, self.R), dot(d, self.U))

    def vec(self, v):
        return add(add(mul(self.F, v[0]), mul(self.R, v[1])), mul(self.U, v[2]))


def facing_frame(angle_deg, lean=0.0):
    """Upright body facing angle (0 = +x, 90 = +y)."""
    a = math.radians(angle_deg)
    F = (math.cos(a), math.sin(a), 0.0)
    R = (-math.sin(a), math.cos(a), 0.0)
    U = (0.0, 0.0, 1.0)
    if lean:
        U = norm(add(U, mul(F, lean)))
        F = norm(cross(R, U))
    return Frame(F, R, U)


class Part:
    def __init__(self, mat, spheres, frame=None, tag=0):
        self.mat = mat
        self.spheres = spheres      # list of (centre, radius) in world space
        self.frame = frame          # for pattern coordinates
        self.tag = tag


def chain(a, b, ra, rb, step=0.3):
    n = max(1, int(math.ceil(math.dist(a, b) / step)))
    return [(lerp(a, b, i / n), ra + (rb - ra) * i / n) for i in range(n + 1)]


class Canvas:
    def __init__(self, w, h, ox, oy):
        self.w, self.h = w, h
        self.ox, self.oy = ox, oy   # screen position of world (0, 0, 0)
        n = w * h
        self.depth = [-1e9] * n
        self.mat = [EMPTY] * n
        self.light = [0.0] * n
        self.local = [None] * n
        self.tag = [0] * n
        self.part = [None] * n

    def draw(self, part):
        for centre, r in part.spheres:
            X, Y, D = project(centre)
            X += self.ox
            Y += self.oy
            x0 = max(0, int(math.floor(X - r)))
            x1 = min(self.w - 1, int(math.ceil(X + r)))
            y0 = max(0, int(math.floor(Y - r)))
            y1 = min(self.h - 1, int(math.ceil(Y + r)))
            rr = r * r
            for py in range(y0, y1 + 1):
                dy = py + 0.5 - Y
                for px in range(x0, x1 + 1):
                    dx = px + 0.5 - X
                    d2 = dx * dx + dy * dy
                    if d2 >= rr:
                        continue
                    dz = math.sqrt(rr - d2)
                    depth = D + dz
                    i = py * self.w + px
                    if depth <= self.depth[i]:
                        continue
                    self.depth[i] = depth
                    self.mat[i] = part.mat
                    self.tag[i] = part.tag
                    self.part[i] = part
                    n = (dx / r, dy / r, dz / r)
                    self.light[i] = dot(n, LIGHT)
                    if part.frame is not None:
                        w = unproject(px + 0.5 - self.ox, py + 0.5 - self.oy, depth)
                        self.local[i] = part.frame.to_local(w)

    def filled(self, x, y):
        return 0 <= x < self.w and 0 <= y < self.h and self.mat[y * self.w + x] != EMPTY

    def bbox(self):
        xs = [i % self.w for i in range(self.w * self.h) if self.mat[i] != EMPTY]
        ys = [i // self.w for i in range(self.w * self.h) if self.mat[i] != EMPTY]
        if not xs:
            return None
        return min(xs), min(ys), max(xs), max(ys)


def shade4(light):
    # Most of a lit shirt stays near the kit colour: a light kit must still
    # read light on an 18 px player, so the darkest shade is kept for the
    # turned-away side.
    if light > 0.40:
        return 0
    if light > 0.02:
        return 1
    if light > -0.40:
        return 2
    return 3


def shade3(light):
    if light > 0.50:
        return 0
    if light > 0.05:
        return 1
    return 2


def edge_pixels(canvas):
    """Pixels lying in front of a clearly deeper neighbour part: they get a
    darker shade so overlapping limbs stay readable."""
    out = set()
    w = canvas.w
    for i in range(w * canvas.h):
        if canvas.mat[i] == EMPTY:
            continue
        x, y = i % w, i // w
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if not (0 <= nx < w and 0 <= ny < canvas.h):
                continue
            j = ny * w + nx
            if canvas.mat[j] != EMPTY and canvas.part[j] is not canvas.part[i] and \
                    canvas.depth[i] < canvas.depth[j] - 1.6:
                out.add(i)
                break
    return out
