#!/usr/bin/python3
"""Draws the menu mouse pointer, assets/images/arrow.png.

A classic arrow: white body, near-black outline, a light grey bevel along
the lower-right edges.  The hot spot is the top-left pixel (the tip).  Everything
outside the arrow is pure blue 0000FF, the mask colour the game loads it with.
"""
import os

from PIL import Image

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SIZE = (16, 24)
BLUE = (0, 0, 255)
OUTLINE = (16, 16, 24)
BODY = (252, 252, 252)
BEVEL = (196, 200, 212)

# The arrow as pixel art: '#' outline, 'o' body; the bevel is derived.
ART = [
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooooooo#",
    "#ooooooooo#",
    "#oooooooooo#",
    "#oooooo#####",
    "#ooo#ooo#",
    "#oo##ooo#",
    "#o#  #ooo#",
    "##   #ooo#",
    "      #ooo#",
    "      #ooo#",
    "       #ooo#",
    "       #ooo#",
    "        ###",
]


def main():
    w, h = SIZE
    rows = [line.ljust(w) for line in ART] + [" " * w] * (h - len(ART))

    def at(x, y):
        return rows[y][x] if 0 <= x < w and 0 <= y < h else " "

    image = Image.new("RGB", SIZE, BLUE)
    for y in range(h):
        for x in range(w):
            cell = at(x, y)
            if cell == "#":
                image.putpixel((x, y), OUTLINE)
            elif cell == "o":
                # body pixels touching the outline on the right or below catch the bevel
                shaded = at(x + 1, y) == "#" or at(x, y + 1) == "#"
                image.putpixel((x, y), BEVEL if shaded and x > 1 else BODY)
    out = os.path.join(ROOT, "assets", "images", "arrow.png")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    image.save(out, optimize=True)


if __name__ == "__main__":
    main()
