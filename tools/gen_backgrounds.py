#!/usr/bin/python3
"""Paints the eleven menu backgrounds, assets/images/backgrounds/*.jpg.

Every picture is a football scene built from the same parts: mown grass
with stripes, chalk lines, stands full of crowd, floodlight towers with
their glow and a night or dusk sky.  Scenes are painted at half size and
doubled with hard pixel edges, with a reduced palette, for the look of a
16-bit game.  The centre of each picture, where the menu buttons sit, is
kept calm and darker.
"""
import math
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
OUT_SIZE = (1024, 768)
W, H = 512, 384     # painting size; doubled on output
SS = 4              # supersampling of the chalk and stripe masks

PITCH_LENGTH, PITCH_WIDTH = 105.0, 68.0


# ---------------------------------------------------------------- cameras

class Perspective:
    """Camera standing above the near touchline, looking across the pitch.

    World X runs along the pitch (0 = halfway line), world Z away from the
    camera; the far touchline is at Z = far.
    """

    def __init__(self, far_row, centre_row, focal=300.0, height=14.0, pan=0.0):
        self.focal = focal
        self.height = height
        self.pan = pan
        self.far_row = far_row
        # find the horizon that puts the centre spot on `centre_row`
        low, high = far_row - 400.0, far_row - 1.0
        for _ in range(60):
            self.horizon = (low + high) / 2
            self.far = focal * height / (far_row - self.horizon)
            if self(pan, self.centre_z())[1] > centre_row:
                low = self.horizon
            else:
                high = self.horizon

    def __call__(self, x, z):
        z = max(z, 0.5)
        return (W / 2 + self.focal * (x - self.pan) / z, self.horizon + self.focal * self.height / z)

    def centre_z(self):
        return self.far - PITCH_WIDTH / 2


class TopDown:
    """Camera straight above the pitch; `angle` turns the pitch on screen."""

    def __init__(self, centre, scale, angle=0.0, far_row=None):
        self.cx, self.cz = centre
        self.scale = scale
        self.cos = math.cos(math.radians(angle))
        self.sin = math.sin(math.radians(angle))
        self.far_row = far_row

    def __call__(self, x, z):
        dx, dz = x - self.cx, z - self.cz
        return (W / 2 + self.scale * (dx * self.cos - dz * self.sin),
                H / 2 + self.scale * (dx * self.sin + dz * self.cos))

    def centre_z(self):
        return 0.0


# ---------------------------------------------------------------- helpers

def mask_canvas():
    image = Image.new("L", (W * SS, H * SS), 0)
    return image, ImageDraw.Draw(image)


def finish_mask(image):
    return image.resize((W, H), Image.BOX)


def to_canvas(cam, points):
    return [(x * SS, y * SS) for x, y in (cam(px, pz) for px, pz in points)]


def subdivide(points, steps=24):
    """Denser polyline so that curves stay curved under projection."""
    out = []
    for (x0, z0), (x1, z1) in zip(points, points[1:]):
        for i in range(steps):
            t = i / steps
            out.append((x0 + (x1 - x0) * t, z0 + (z1 - z0) * t))
    out.append(points[-1])
    return out


def thick_polyline(draw, cam, points, width):
    """Chalk line of `width` metres along world points, drawn as quads."""
    half = width / 2
    pts = subdivide(points, 8)
    for (x0, z0), (x1, z1) in zip(pts, pts[1:]):
        dx, dz = x1 - x0, z1 - z0
        length = math.hypot(dx, dz) or 1.0
        nx, nz = -dz / length * half, dx / length * half
        quad = [(x0 + nx, z0 + nz), (x1 + nx, z1 + nz), (x1 - nx, z1 - nz), (x0 - nx, z0 - nz)]
        draw.polygon(to_canvas(cam, quad), fill=255)


def arc(cx, cz, radius, start, end, steps=64):
    return [(cx + radius * math.cos(math.radians(start + (end - start) * i / steps)),
             cz + radius * math.sin(math.radians(start + (end - start) * i / steps)))
            for i in range(steps + 1)]


def pitch_lines(cam, line_width):
    """Coverage mask of the chalk markings of a full-size pitch."""
    image, draw = mask_canvas()
    cz = cam.centre_z()
    hl, hw = PITCH_LENGTH / 2, PITCH_WIDTH / 2
    z0, z1 = cz - hw, cz + hw
    lines = [
        [(-hl, z0), (hl, z0)], [(-hl, z1), (hl, z1)],
        [(-hl, z0), (-hl, z1)], [(hl, z0), (hl, z1)],
        [(0, z0), (0, z1)],
        arc(0, cz, 9.15, 0, 360, 96),
    ]
    spots = [0.0]
    for side in (-1, 1):
        gx = side * hl
        box = [(gx, cz - 20.16), (gx - side * 16.5, cz - 20.16),
               (gx - side * 16.5, cz + 20.16), (gx, cz + 20.16)]
        six = [(gx, cz - 9.16), (gx - side * 5.5, cz - 9.16),
               (gx - side * 5.5, cz + 9.16), (gx, cz + 9.16)]
        spot = gx - side * 11.0
        # the arc is the part of the 9.15 m circle outside the box
        limit = math.degrees(math.acos(5.5 / 9.15))
        centre_angle = 180 if side > 0 else 0
        lines += [box, six, arc(spot, cz, 9.15, centre_angle - limit, centre_angle + limit, 32)]
        for corner_z, inward_z in ((z0, 1), (z1, -1)):
            # quarter circle opening into the pitch
            start = {(1, 1): 90, (1, -1): 180, (-1, 1): 0, (-1, -1): 270}[(side, inward_z)]
            lines.append(arc(gx, corner_z, 1.0, start, start + 90, 12))
        spots.append(spot)
    for points in lines:
        thick_polyline(draw, cam, points, line_width)
    for x in spots:
        draw.polygon(to_canvas(cam, arc(x, cz, max(0.3, line_width * 1.5), 0, 360, 16)), fill=255)
    return finish_mask(image)


def stripe_mask(cam, stripe, along_x, extent=140.0):
    """Mask of every second mowing stripe (255 = light stripe)."""
    image, draw = mask_canvas()
    cz = cam.centre_z()
    n = int(extent / stripe)
    for i in range(-n, n):
        if i % 2:
            continue
        a, b = i * stripe, (i + 1) * stripe
        if along_x:
            quad = [(a, cz - extent), (b, cz - extent), (b, cz + extent), (a, cz + extent)]
        else:
            quad = [(-extent, cz + a), (extent, cz + a), (extent, cz + b), (-extent, cz + b)]
        draw.polygon(to_canvas(cam, subdivide(quad + [quad[0]], 16)), fill=255)
    return finish_mask(image)


def noise(rng, size, blur=0.0):
    image = Image.frombytes("L", size, rng.randbytes(size[0] * size[1]))
    return image.filter(ImageFilter.GaussianBlur(blur)) if blur else image


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def vertical_gradient(size, stops):
    """stops: list of (position 0..1, colour)."""
    w, h = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(h):
        t = y / max(h - 1, 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                draw.line([(0, y), (w, y)], fill=lerp(c0, c1, (t - p0) / ((p1 - p0) or 1)))
                break
    return image


def scale_rgb(image, factors):
    bands = [b.point(lambda v, f=f: min(255, int(v * f))) for b, f in zip(image.split(), factors)]
    return Image.merge("RGB", bands)


# ---------------------------------------------------------------- layers

def grass(rng, cam, theme):
    light, dark = theme["grass"]
    stripes = stripe_mask(cam, theme.get("stripe", 6.0), theme.get("stripes_along_x", True))
    image = Image.composite(Image.new("RGB", (W, H), light), Image.new("RGB", (W, H), dark), stripes)
    # mottled patches and fine blades
    patches = noise(rng, (W // 8, H // 8)).resize((W, H), Image.BICUBIC)
    patches = patches.filter(ImageFilter.GaussianBlur(10)).point(lambda v: 226 + (v - 128) // 6)
    image = ImageChops.multiply(image, Image.merge("RGB", [patches] * 3))
    blades = noise(rng, (W, H)).point(lambda v: 232 + (v * 23) // 255)
    image = ImageChops.multiply(image, Image.merge("RGB", [blades] * 3))
    chalk = pitch_lines(cam, theme.get("line_width", 0.14 if isinstance(cam, Perspective) else 0.3))
    chalk = chalk.point(lambda v: v * theme.get("chalk_alpha", 220) // 255)
    return Image.composite(Image.new("RGB", (W, H), (236, 240, 232)), image, chalk)


def stands(rng, top, bottom, theme):
    """Stand block between rows `top` and `bottom` (exclusive), with a roof."""
    h = bottom - top
    block = vertical_gradient((W, h), [(0, theme["stand_top"]), (1, theme["stand_bottom"])])
    draw = ImageDraw.Draw(block)
    crowd = theme["crowd"]
    roof = max(4, h // 6)
    for y in range(roof + 2, h - 5):
        if (y - roof) % 3 == 0:
            draw.line([(0, y), (W, y)], fill=lerp(theme["stand_top"], (0, 0, 0), 0.5))
            continue
        depth = (y - roof) / (h - roof)   # 0 under the roof, 1 at the front
        row_base = lerp(theme["stand_top"], theme["stand_bottom"], depth)
        x = rng.randrange(2)
        while x < W:
            if rng.random() < 0.8:
                c = crowd[rng.randrange(len(crowd))]
                mix = 0.14 + 0.24 * depth + 0.1 * rng.random()
                draw.line([(x, y), (x + 1, y)], fill=lerp(row_base, c, mix))
            x += 2 + (rng.random() < 0.2)
    # roof edge and its supports
    draw.rectangle([0, 0, W, roof], fill=theme["roof"])
    draw.line([(0, roof + 1), (W, roof + 1)], fill=lerp(theme["roof"], (255, 255, 255), 0.15))
    for x in range(20, W, 64):
        draw.line([(x, roof), (x, h - 6)], fill=theme["roof"])
    # advertising boards
    boards = theme["boards"]
    x = 0
    i = 0
    while x < W:
        bw = 34 + (i * 17) % 22
        c = boards[i % len(boards)]
        draw.rectangle([x, h - 5, x + bw - 1, h - 1], fill=lerp(c, (0, 0, 0), 0.25))
        draw.line([(x + 3, h - 3), (x + bw - 5, h - 3)], fill=lerp(c, (255, 255, 255), 0.35))
        x += bw
        i += 1
    return block


def sky(rng, height, theme):
    image = vertical_gradient((W, height), theme["sky"])
    draw = ImageDraw.Draw(image)
    for _ in range(theme.get("stars", 0)):
        x, y = rng.randrange(W), rng.randrange(max(1, height * 2 // 3))
        v = rng.randrange(120, 230)
        draw.point((x, y), fill=(v, v, min(255, v + 20)))
    return image


def floodlights(rng, image, towers, theme, glow_strength=1.0):
    """Towers with lamp banks and their glow; returns the lit image."""
    draw = ImageDraw.Draw(image)
    glow = Image.new("RGB", (W, H), (0, 0, 0))
    gdraw = ImageDraw.Draw(glow)
    beams = Image.new("L", (W, H), 0)
    bdraw = ImageDraw.Draw(beams)
    lamp = theme["lamp"]
    for x, y, base, size in towers:
        # lattice mast
        draw.polygon([(x - 2, y + 5), (x + 2, y + 5), (x + 4, base), (x - 4, base)], fill=theme["mast"])
        for yy in range(y + 8, base, 6):
            draw.line([(x - 3, yy), (x + 3, yy + 4)], fill=lerp(theme["mast"], (0, 0, 0), 0.4))
        bw, bh = size, size * 2 // 3
        draw.rectangle([x - bw // 2 - 1, y - bh // 2 - 1, x + bw // 2 + 1, y + bh // 2 + 1],
                       fill=theme["mast"])
        for ly in range(y - bh // 2 + 1, y + bh // 2, 3):
            for lx in range(x - bw // 2 + 1, x + bw // 2, 3):
                draw.rectangle([lx, ly, lx + 1, ly + 1], fill=(255, 255, 240))
        halo = lerp((0, 0, 0), lamp, 0.14)
        gdraw.ellipse([x - bw * 2, y - bw * 2, x + bw * 2, y + bw * 2], fill=halo)
        gdraw.rectangle([x - bw // 2, y - bh // 2, x + bw // 2, y + bh // 2], fill=lamp)
        bdraw.polygon([(x - bw // 2, y), (x + bw // 2, y), (W / 2 + (x - W / 2) * 0.25 + 90, H),
                       (W / 2 + (x - W / 2) * 0.25 - 90, H)], fill=int(22 * glow_strength))
    wide = glow.filter(ImageFilter.GaussianBlur(34)).point(lambda v: min(255, int(v * 1.5 * glow_strength)))
    tight = glow.filter(ImageFilter.GaussianBlur(4)).point(lambda v: min(255, int(v * 0.7 * glow_strength)))
    beams = beams.filter(ImageFilter.GaussianBlur(18))
    beam_rgb = Image.merge("RGB", [beams.point(lambda v, f=f: int(v * f)) for f in (1.0, 1.0, 0.9)])
    image = ImageChops.screen(image, wide)
    image = ImageChops.screen(image, tight)
    return ImageChops.add(image, beam_rgb)


def light_pools(image, pools, strength):
    """Brighter ellipses of floodlight on a pitch seen from above."""
    layer = Image.new("L", (W, H), 0)
    draw = ImageDraw.Draw(layer)
    for x, y, r in pools:
        draw.ellipse([x - r, y - r * 0.8, x + r, y + r * 0.8], fill=int(255 * strength))
    layer = layer.filter(ImageFilter.GaussianBlur(40))
    bright = scale_rgb(image, (1.35, 1.35, 1.25))
    return Image.composite(bright, image, layer)


def calm_centre(image, amount, box=(96, 64, 416, 340)):
    """Darkens the button area and the edges a little (vignette)."""
    centre = Image.new("L", (W, H), 0)
    ImageDraw.Draw(centre).rounded_rectangle(box, radius=40, fill=255)
    centre = centre.filter(ImageFilter.GaussianBlur(36))
    edge = Image.radial_gradient("L").resize((W, H), Image.BILINEAR)
    keep = ImageChops.subtract(Image.new("L", (W, H), 255), centre.point(lambda v: int(v * amount)))
    keep = ImageChops.subtract(keep, edge.point(lambda v: max(0, v - 150) // 2))
    return ImageChops.multiply(image, Image.merge("RGB", [keep] * 3))


def grade(image, gain, lift=(0, 0, 0)):
    bands = [b.point(lambda v, g=g, l=l: max(0, min(255, int(v * g + l))))
             for b, g, l in zip(image.split(), gain, lift)]
    return Image.merge("RGB", bands)


def retro(image, colours):
    """Reduced palette and doubled pixels."""
    small = image.quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                           dither=Image.Dither.FLOYDSTEINBERG).convert("RGB")
    return small.resize(OUT_SIZE, Image.NEAREST)


# ---------------------------------------------------------------- scenes

NIGHT_CROWD = [(200, 40, 40), (230, 230, 230), (40, 80, 200), (230, 200, 60), (60, 160, 70),
               (180, 120, 90), (120, 120, 140)]
BOARDS = [(180, 20, 30), (20, 60, 170), (230, 180, 20), (20, 130, 60), (200, 200, 200)]

BASE = {
    "grass": ((70, 150, 60), (52, 122, 46)),
    "sky": [(0, (6, 8, 26)), (0.7, (18, 24, 60)), (1, (40, 46, 90))],
    "stars": 60,
    "stand_top": (34, 36, 52), "stand_bottom": (20, 22, 32), "roof": (14, 15, 22),
    "crowd": NIGHT_CROWD, "boards": BOARDS,
    "mast": (26, 28, 36), "lamp": (255, 248, 214),
}


def theme(**changes):
    merged = dict(BASE)
    merged.update(changes)
    return merged


def stadium_scene(seed, th, far_row, centre_row, stand_top, towers, pan=0.0, focal=300.0,
                  glow=1.0):
    """Pitch in perspective below a stand, with sky and floodlights."""
    rng = random.Random(seed)
    cam = Perspective(far_row, centre_row, focal=focal, pan=pan)
    image = grass(rng, cam, th)
    # fade the far grass a little into the night
    haze = vertical_gradient((W, H), [(0, (0, 0, 0)), (far_row / H, (0, 0, 0)),
                                      (min(1, far_row / H + 0.25), (255, 255, 255)), (1, (255, 255, 255))])
    image = Image.composite(image, scale_rgb(image, (0.55, 0.6, 0.7)), haze.convert("L"))
    image.paste(sky(rng, stand_top, th), (0, 0))
    image.paste(stands(rng, stand_top, far_row, th), (0, stand_top))
    return floodlights(rng, image, towers, th, glow)


def pitch_scene(seed, th, centre, scale, angle, pools, pool_strength=0.5, stand_rows=0):
    """Pitch seen from above, optionally with the edge of a stand at the top."""
    rng = random.Random(seed)
    cam = TopDown(centre, scale, angle)
    image = grass(rng, cam, th)
    image = light_pools(image, pools, pool_strength)
    if stand_rows:
        block = stands(rng, 0, stand_rows, th)
        image.paste(block.transpose(Image.FLIP_TOP_BOTTOM), (0, 0))
        shadow = vertical_gradient((W, 24), [(0, (90, 90, 90)), (1, (255, 255, 255))])
        region = image.crop((0, stand_rows, W, stand_rows + 24))
        image.paste(ImageChops.multiply(region, shadow), (0, stand_rows))
    return image


def towers_row(y, base, xs, size):
    return [(x, y, base, size) for x in xs]


def scenes():
    yield "menu_main", lambda: grade(calm_centre(stadium_scene(
        101, theme(), 150, 270, 58, towers_row(26, 70, (40, 186, 326, 472), 22)), 0.38),
        (0.92, 0.98, 1.12))

    yield "menu_friendly", lambda: grade(calm_centre(pitch_scene(
        102, theme(grass=((78, 158, 62), (60, 134, 50)), stripe=6.5), (0, 0), 7.0, 0,
        [(90, 60, 160), (430, 320, 170)], 0.55), 0.42), (1.05, 1.0, 0.88))

    yield "menu_game_options", lambda: grade(calm_centre(pitch_scene(
        103, theme(grass=((64, 146, 82), (48, 120, 66)), stripe=5.0, stripes_along_x=False),
        (44.0, 0), 8.5, 90, [(60, 330, 170), (470, 40, 150)], 0.5), 0.42), (0.85, 1.0, 1.08), (0, 4, 8))

    yield "menu_match_options", lambda: grade(calm_centre(stadium_scene(
        104, theme(sky=[(0, (20, 10, 40)), (0.55, (80, 36, 70)), (1, (200, 96, 60))], stars=20,
                   stand_top=(44, 30, 44), stand_bottom=(24, 18, 26), lamp=(255, 226, 180)),
        132, 250, 46, towers_row(18, 56, (60, 452), 20), pan=36.0, focal=340.0, glow=0.8), 0.36),
        (1.04, 0.96, 0.94))

    yield "menu_control", lambda: grade(calm_centre(pitch_scene(
        105, theme(grass=((60, 136, 58), (46, 112, 46)), stripe=4.5), (-46.0, -28.0), 9.0, 0,
        [(80, 80, 180)], 0.6, stand_rows=0), 0.45), (0.8, 0.92, 1.18), (0, 0, 10))

    yield "menu_edit", lambda: grade(calm_centre(stadium_scene(
        106, theme(stand_top=(48, 30, 34), stand_bottom=(26, 16, 18),
                   sky=[(0, (10, 4, 8)), (1, (50, 18, 26))], stars=30, lamp=(255, 236, 220)),
        196, 300, 84, towers_row(40, 96, (96, 416), 26), pan=-20.0, focal=260.0), 0.4),
        (1.1, 0.92, 0.9))

    yield "menu_competition", lambda: grade(calm_centre(stadium_scene(
        107, theme(sky=[(0, (8, 6, 16)), (0.8, (30, 24, 36)), (1, (60, 46, 40))],
                   lamp=(255, 232, 170), grass=((84, 150, 54), (64, 124, 42))),
        140, 260, 50, towers_row(20, 62, (30, 150, 362, 482), 20), focal=280.0, glow=1.2), 0.4),
        (1.12, 1.02, 0.78))

    yield "menu_match_presentation", lambda: grade(calm_centre(stadium_scene(
        108, theme(stripe=5.0, stripes_along_x=False, grass=((66, 152, 70), (50, 126, 56))),
        176, 280, 66, towers_row(30, 82, (24, 256, 488), 24), pan=0.0, focal=240.0, glow=1.1), 0.38),
        (0.9, 1.04, 1.04))

    yield "menu_edit_players", lambda: grade(calm_centre(pitch_scene(
        109, theme(grass=((58, 132, 52), (44, 108, 40)), stripe=5.5), (0, -30.0), 6.0, 0,
        [(256, 120, 200)], 0.45, stand_rows=64), 0.42), (0.94, 1.0, 0.96))

    yield "menu_set_team", lambda: grade(calm_centre(pitch_scene(
        110, theme(grass=((52, 120, 56), (40, 100, 46)), stripe=105.0 / 18, chalk_alpha=240),
        (0, 0), 3.4, 90, [(256, 192, 230)], 0.35), 0.3), (0.92, 0.98, 1.02))

    yield "menu_edit_team", lambda: grade(calm_centre(stadium_scene(
        111, theme(sky=[(0, (10, 6, 30)), (0.6, (40, 22, 70)), (1, (110, 60, 120))], stars=40,
                   stand_top=(36, 30, 56), stand_bottom=(20, 18, 34), lamp=(236, 236, 255)),
        160, 280, 62, towers_row(28, 76, (70, 442), 24), pan=-40.0, focal=320.0), 0.4),
        (0.96, 0.9, 1.1))


def main():
    out_dir = os.path.join(ROOT, "assets", "images", "backgrounds")
    os.makedirs(out_dir, exist_ok=True)
    for name, paint in scenes():
        image = retro(paint(), 96)
        image.save(os.path.join(out_dir, name + ".jpg"), quality=90, optimize=True)


if __name__ == "__main__":
    main()
