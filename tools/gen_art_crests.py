#!/usr/bin/python3
"""Flags of the national teams and crests of the clubs, one picture per team of
the team files under assets/data, where the game's crest loader looks for them:
images/flags/<confederation>/NNN_<name>.png for a national team and
images/logos/<country>/NNN_<name>.png for a club (NNN: the team number).

A flag is the nation's flag design (the flag designs of art/flags.py, or the
emblem the menus use for a code without one). A crest is drawn from the club's
home kit: one of several shield shapes in the shirt colour, a charge (stripes,
band, chevron, bend, quarters, cross, border, halves) in the second colour and
the club's initials on a scroll, so that the clubs of one division differ.
Reads the team files; run after gen_teams.py and gen_art_menu.py.
"""
import os
import re
import sys
import unicodedata
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw, ImageFont     # noqa: E402

from art import colours as K                    # noqa: E402
import gen_art_menu as M                        # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
DATA = os.path.join(ROOT, "assets", "data")
IMG = os.path.join(ROOT, "assets", "images")
CONFEDERATIONS = {"AFC": "afc", "CAF": "caf", "CNC": "concacaf", "CNM": "conmebol", "OFC": "ofc", "UEF": "uefa"}
GENERATED = re.compile(r"^\d{3}_.*\.png$")
FLAG_W, FLAG_H = 48, 32
CREST_W, CREST_H = 40, 48
MASK = tuple((K.MASK_CREST >> s) & 0xFF for s in (16, 8, 0))
OUTLINE = tuple((K.OUTLINE >> s) & 0xFF for s in (16, 8, 0))
WHITE = (0xF4, 0xF4, 0xF0)
INK = (0x14, 0x12, 0x18)
LETTER_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SMALL_WORDS = {"fc", "cf", "sc", "ac", "cd", "club", "de", "la", "el", "the", "of", "and", "y", "i", "e", "do",
               "da", "du", "des", "le", "les", "di", "del", "von", "der", "sporting"}


# ------------------------------------------------------------ team files

class TeamEntry:
    def __init__(self, number, country):
        self.number = number
        self.country = country
        self.name = ""
        self.home = None      # (style, shirt1, shirt2, shorts, socks)
        self.nationality = ""  # the first player's, the nation of a national team


def read_teams(path):
    text = open(path, "rb").read().decode("latin-1")
    teams, team = [], None
    in_players = False
    for line in text.split("\r\n"):
        if line.startswith("#---------"):
            team = TeamEntry(int(line[10:13]), "")
            teams.append(team)
            in_players = False
        elif team is None:
            continue
        elif line.startswith("Country  :"):
            team.country = line[10:].strip()
        elif line.startswith("Name     :"):
            team.name = line[10:].strip()
        elif line.startswith("Home      "):
            values = line[10:].split()
            if len(values) >= 5:
                team.home = tuple(int(v) for v in values[:5])
        elif line.startswith("PLAYERS___"):
            in_players = True
        elif in_players and line[:3] == "01:":
            team.nationality = line[46:52].strip()
    return teams


def all_teams():
    teams = []
    for name in sorted(os.listdir(DATA)):
        if name.startswith("team_") and name.endswith(".qst"):
            teams += read_teams(os.path.join(DATA, name))
    return teams


def file_name(team):
    plain = unicodedata.normalize("NFKD", team.name).encode("ascii", "ignore").decode("ascii").lower()
    slug = re.sub(r"[^a-z0-9]+", "_", plain).strip("_") or "team"
    return "%03d_%s.png" % (team.number, slug)


def clear_generated(folder):
    if os.path.isdir(folder):
        for name in os.listdir(folder):
            if GENERATED.match(name):
                os.remove(os.path.join(folder, name))


# ------------------------------------------------------------ flags

def national_flag(code):
    im = Image.new("RGB", (FLAG_W, FLAG_H), OUTLINE)
    im.paste(M.flag_emblem(code, FLAG_W - 2, FLAG_H - 2), (1, 1))
    return im


# ------------------------------------------------------------ crests

def kit_rgb(colour, shade=0):
    v = K.KIT_COLOURS[max(0, min(len(K.KIT_COLOURS) - 1, colour))][shade]
    return ((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF)


def luminance(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def distance(a, b):
    return sum((x - y) ** 2 for x, y in zip(a, b)) ** 0.5


def inside_shape(shape, x, y):
    """Whether pixel centre (x, y) of the 40 x 48 cell lies in crest shape `shape`."""
    cx, cy = x + 0.5 - CREST_W / 2, y + 0.5
    if shape == 0:  # classic shield: flat top, round bottom
        if cy < 3 or cy > 46:
            return False
        half = 17 if cy < 24 else 17 * max(0.0, 1 - ((cy - 24) / 22.0) ** 2) ** 0.5
        return abs(cx) < half
    if shape == 1:  # round badge
        return (cx ** 2 + (cy - 25) ** 2) ** 0.5 < 18.5
    if shape == 2:  # heater shield with a point
        if cy < 3 or cy > 46:
            return False
        half = 17 if cy < 20 else 17 * (46 - cy) / 26.0
        return abs(cx) < half
    if shape == 3:  # square-cut shield with bevelled top corners
        if cy < 4 or cy > 44:
            return False
        return abs(cx) < 16 and not (cy < 9 and abs(cx) > 11 + (cy - 4))
    # shape 4: oval
    return (cx / 16.5) ** 2 + ((cy - 25) / 21.5) ** 2 < 1


def charge_at(charge, x, y):
    """Whether pixel (x, y) of the field carries the second colour."""
    cx, cy = x + 0.5 - CREST_W / 2, y + 0.5 - 25
    if charge == 0:  # vertical stripes
        return (x // 5) % 2 == 1
    if charge == 1:  # horizontal band
        return abs(cy - 6) < 5
    if charge == 2:  # chevron
        return 0 < (cy + 8 - abs(cx) * 0.9) < 8
    if charge == 3:  # bend, upper left to lower right
        return abs(cx - cy * 0.8) < 5
    if charge == 4:  # quarters
        return (cx < 0) != (cy < 4)
    if charge == 5:  # cross
        return abs(cx) < 3.5 or abs(cy - 4) < 3.5
    if charge == 6:  # halves
        return cx >= 0
    return False      # 7: plain field, the second colour as a border


def initials(name):
    words = [w for w in re.split(r"[\s\-\.']+", name) if w]
    kept = [w for w in words if w.lower() not in SMALL_WORDS] or words
    letters = "".join(w[0] for w in kept[:3]).upper()
    plain = unicodedata.normalize("NFKD", letters).encode("ascii", "ignore").decode("ascii")
    return plain or "FC"


def crest(team):
    style, shirt1, shirt2, shorts, socks = team.home or (0, 4, 1, 1, 4)
    first = kit_rgb(shirt1)
    second = kit_rgb(shirt2)
    if distance(first, second) < 60:
        second = kit_rgb(shorts) if distance(first, kit_rgb(shorts)) >= 60 else (
            INK if luminance(first) > 128 else WHITE)
    trim = kit_rgb(socks, 1)
    if distance(trim, first) < 40:
        trim = second
    seed = zlib.crc32(("%s-%d-%s" % (team.country, team.number, team.name)).encode("latin-1", "replace"))
    shape = (team.number + seed) % 5
    charge = (seed // 5) % 8
    im = Image.new("RGB", (CREST_W, CREST_H), MASK)
    px = im.load()
    cells = {(x, y) for y in range(CREST_H) for x in range(CREST_W) if inside_shape(shape, x, y)}
    for x, y in cells:
        edge = any((x + dx, y + dy) not in cells for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        rim = any((x + dx, y + dy) not in cells for dx in (-2, 0, 2) for dy in (-2, 0, 2))
        if edge:
            c = OUTLINE
        elif rim:
            c = second if charge == 7 else trim
        else:
            c = second if charge_at(charge, x, y) else first
        px[x, y] = c
    # The initials on a scroll across the upper part, in the colour that reads on it.
    letters = initials(team.name)
    top = 12 if shape != 1 else 14
    scroll = WHITE if luminance(first) < 150 else INK
    ink = INK if scroll == WHITE else WHITE
    d = ImageDraw.Draw(im)
    d.fontmode = "1"
    size = 10 if len(letters) > 2 else 11
    font = ImageFont.truetype(LETTER_FONT, size)
    box = d.textbbox((0, 0), letters, font=font)
    tw = box[2] - box[0]
    left = (CREST_W - tw) // 2 - 3
    d.rectangle((left, top, left + tw + 5, top + 11), fill=scroll, outline=OUTLINE)
    d.text((left + 3 - box[0], top + 1 - box[1] + (11 - (box[3] - box[1])) // 2 - 0), letters, font=font, fill=ink)
    return im


# ------------------------------------------------------------ main

def main():
    teams = all_teams()
    if not teams:
        sys.exit("gen_art_crests: no team files under assets/data; run gen_teams.py first")
    folders = set()
    for team in teams:
        if team.country in CONFEDERATIONS:
            folder = os.path.join(IMG, "flags", CONFEDERATIONS[team.country])
        else:
            folder = os.path.join(IMG, "logos", team.country.lower())
        if folder not in folders:
            clear_generated(folder)
            os.makedirs(folder, exist_ok=True)
            folders.add(folder)
        if team.country in CONFEDERATIONS:
            im = national_flag(team.nationality or team.name[:3].upper())
        else:
            im = crest(team)
        M.save_image(os.path.join(folder, file_name(team)), im, [K.MASK_CREST])
    print("gen_art_crests: %d pictures in %d folders" % (len(teams), len(folders)))


if __name__ == "__main__":
    main()
