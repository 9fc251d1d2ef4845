#!/usr/bin/python3
"""The desktop icons: a player of the game's own sprite sheet, in a kit, with the
ball at his feet, on a mown pitch with a white line.

Reads assets/images/player/plain.png and assets/images/ball.png (run after the
player art) and writes packaging/linux/icons/hicolor/NxN/apps/<app id>.png.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image  # noqa: E402

from art import colours as K  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
IMG = os.path.join(ROOT, "assets", "images")
OUT = os.path.join(ROOT, "packaging", "linux", "icons", "hicolor")
APP_ID = "org.quilborovudo.QuilboRovudo"

BASE = 32                      # the drawing, in the game's own pixels
SIZES = (16, 24, 32, 48, 64, 128, 256)
CELL = 32                      # one cell of the player sheet
RUNNING_CELL = (6, 0)          # column, row: running towards the viewer
BALL_CELL = 8                  # the ball sheet holds 8 x 8 frames side by side
KIT = dict(shirt1=4, shirt2=1, shorts=1, socks=4, skin=0, hair=0)   # red shirt, white shorts
PITCH_LIGHT = (58, 150, 52)
PITCH_DARK = (46, 128, 42)
STRIPE = 4                     # mown stripes, pixels wide
LINE = (236, 240, 232)
LINE_ROW = 25
CORNER = 3                     # pixels cut off the rounded corners


def rgb(colour):
    return ((colour >> 16) & 255, (colour >> 8) & 255, colour & 255)


def sprite(sheet_path, box, recolour):
    """The cell's pixels, the sheet's mask colour (its top left pixel) made clear and
    template colours put into the kit."""
    sheet = Image.open(sheet_path).convert("RGB")
    mask = sheet.getpixel((0, 0))
    cell = sheet.crop(box)
    out = Image.new("RGBA", cell.size, (0, 0, 0, 0))
    for y in range(cell.height):
        for x in range(cell.width):
            c = cell.getpixel((x, y))
            if c == mask:
                continue
            packed = (c[0] << 16) | (c[1] << 8) | c[2]
            out.putpixel((x, y), rgb(recolour.get(packed, packed)) + (255,))
    return out.crop(out.getbbox())


def pitch():
    img = Image.new("RGBA", (BASE, BASE), (0, 0, 0, 0))
    for y in range(BASE):
        for x in range(BASE):
            if in_corner(x, y):
                continue
            colour = PITCH_LIGHT if (y // STRIPE) % 2 == 0 else PITCH_DARK
            if y == LINE_ROW:
                colour = LINE
            img.putpixel((x, y), colour + (255,))
    return img


def in_corner(x, y):
    dx = min(x, BASE - 1 - x)
    dy = min(y, BASE - 1 - y)
    return dx + dy < CORNER


def drawing():
    img = pitch()
    col, row = RUNNING_CELL
    player = sprite(os.path.join(IMG, "player", "plain.png"),
                    (col * CELL, row * CELL, (col + 1) * CELL, (row + 1) * CELL), K.recolour_map(**KIT))
    ball = sprite(os.path.join(IMG, "ball.png"), (0, 0, BALL_CELL, BALL_CELL), {})
    px = (BASE - player.width) // 2 - 3
    py = BASE - player.height - 4
    img.alpha_composite(player, (px, py))
    img.alpha_composite(ball, (px + player.width, BASE - ball.height - 4))
    return img


def main():
    base = drawing()
    for size in SIZES:
        if size % BASE == 0:
            icon = base.resize((size, size), Image.NEAREST)
        else:
            # Sizes between the steps: drawn large in whole pixels, then brought down smoothly.
            big = base.resize((BASE * 8, BASE * 8), Image.NEAREST)
            icon = big.resize((size, size), Image.LANCZOS)
        folder = os.path.join(OUT, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        icon.save(os.path.join(folder, APP_ID + ".png"), optimize=True)


if __name__ == "__main__":
    main()
