#!/usr/bin/python3
"""Writes the small text tables the game reads at start-up.

  assets/images/flags_t.txt   nationality codes, line index = flag tile
  assets/keycodes/<lang>.qsk  key names for the 256 key codes, one file per language
"""
import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# FIFA-style three-letter codes of 204 football nations, alphabetical.  The
# player editor offers them as nationalities; the flag sheet's tiles follow
# this order, so appending is safe but reordering moves every flag.
NATIONS = """
AFG ALB ALG AND ANG ARG ARM ARU ATG AUS AUT AZE BAH BAN BDI BEL BEN BER BFA BHR
BHU BIH BLR BLZ BOL BOT BRA BRB BRU BUL CAM CAN CAY CGO CHA CHI CHN CIV CMR COD
COL COM CPV CRC CRO CTA CUB CUW CYP CZE DEN DJI DMA DOM ECU EGY ENG EQG ERI ESP
EST ETH FIJ FIN FRA FRO GAB GAM GEO GER GHA GIB GNB GRE GRN GUA GUI GUY HAI HKG
HON HUN IDN IND IRL IRN IRQ ISL ISR ITA JAM JOR JPN KAZ KEN KGZ KOR KOS KSA KUW
LAO LBR LBY LCA LES LIB LIE LTU LUX LVA MAC MAD MAR MAS MDA MDV MEX MKD MLI MLT
MNE MNG MOZ MRI MTN MWI MYA NAM NCA NCL NED NEP NGA NIG NIR NOR NZL OMA PAK PAN
PAR PER PHI PLE PNG POL POR PRK PUR QAT ROU RSA RUS RWA SAM SCO SDN SEN SEY SIN
SKN SLE SLV SMR SOL SOM SRB SRI SSD STP SUI SUR SVK SVN SWE SWZ SYR TAH TAN TGA
THA TJK TKM TLS TOG TPE TRI TUN TUR UAE UGA UKR URU USA UZB VAN VEN VIE VIN WAL
YEM ZAM ZIM COK
""".split()

# Key names in the game's key numbering (the Windows virtual-key codes).
KEY_NAMES = {
    8: "BACKSPACE", 9: "TAB", 13: "ENTER", 16: "SHIFT", 17: "CTRL", 18: "ALT",
    19: "PAUSE", 20: "CAPS LOCK", 27: "ESCAPE", 32: "SPACE", 33: "PAGE UP",
    34: "PAGE DOWN", 35: "END", 36: "HOME", 37: "LEFT", 38: "UP", 39: "RIGHT",
    40: "DOWN", 45: "INSERT", 46: "DELETE", 91: "LEFT WIN", 92: "RIGHT WIN",
    93: "MENU", 106: "KEYPAD *", 107: "KEYPAD +", 109: "KEYPAD -", 110: "KEYPAD .",
    111: "KEYPAD /", 144: "NUM LOCK", 145: "SCROLL LOCK", 160: "LEFT SHIFT",
    161: "RIGHT SHIFT", 162: "LEFT CTRL", 163: "RIGHT CTRL", 164: "LEFT ALT",
    165: "RIGHT ALT", 186: ";", 187: "=", 188: ",", 189: "-", 190: ".", 191: "/",
    192: "`", 219: "[", 220: "\\", 221: "]", 222: "'",
}
KEY_NAMES.update({48 + d: str(d) for d in range(10)})
KEY_NAMES.update({65 + i: chr(65 + i) for i in range(26)})
KEY_NAMES.update({96 + d: f"KEYPAD {d}" for d in range(10)})
KEY_NAMES.update({112 + i: f"F{i + 1}" for i in range(12)})

# Names of the named keys in the other languages, as their keyboards label them;
# letters, digits, function keys and punctuation keep the English name.  The
# line of each language must name every key in NAMED_KEYS (at most 15 letters).
NAMED_KEYS = (8, 9, 13, 16, 17, 18, 19, 20, 27, 32, 33, 34, 35, 36, 37, 38, 39, 40, 45, 46, 91, 92, 93,
              106, 107, 109, 110, 111, 144, 145, 160, 161, 162, 163, 164, 165)
LOCAL_KEY_NAMES = {
    "es": ("RETROCESO|TABULADOR|INTRO|MAYÚSCULAS|CONTROL|ALT|PAUSA|BLOQ MAYÚS|ESCAPE|ESPACIO|RE PÁG|AV PÁG|FIN|"
           "INICIO|IZQUIERDA|ARRIBA|DERECHA|ABAJO|INSERT|SUPR|WIN IZQ.|WIN DCHA.|MENÚ|TEC. NUM. *|TEC. NUM. +|"
           "TEC. NUM. -|TEC. NUM. .|TEC. NUM. /|BLOQ NUM|BLOQ DESPL|MAYÚS IZQ.|MAYÚS DCHA.|CTRL IZQ.|CTRL DCHA.|"
           "ALT|ALT GR", "TEC. NUM. "),
    "fr": ("RETOUR ARR.|TAB|ENTRÉE|MAJ|CTRL|ALT|PAUSE|VERR. MAJ|ÉCHAP|ESPACE|PAGE PRÉC.|PAGE SUIV.|FIN|DÉBUT|"
           "GAUCHE|HAUT|DROITE|BAS|INSER|SUPPR|WIN GAUCHE|WIN DROITE|MENU|PAVÉ NUM. *|PAVÉ NUM. +|PAVÉ NUM. -|"
           "PAVÉ NUM. .|PAVÉ NUM. /|VERR. NUM|ARRÊT DÉFIL|MAJ GAUCHE|MAJ DROITE|CTRL GAUCHE|CTRL DROITE|ALT|"
           "ALT GR", "PAVÉ NUM. "),
    "it": ("BACKSPACE|TAB|INVIO|MAIUSC|CTRL|ALT|PAUSA|BLOC MAIUSC|ESC|SPAZIO|PAG SU|PAG GIÙ|FINE|INIZIO|"
           "SINISTRA|SU|DESTRA|GIÙ|INS|CANC|WIN SINISTRO|WIN DESTRO|MENU|TASTIERINO *|TASTIERINO +|TASTIERINO -|"
           "TASTIERINO .|TASTIERINO /|BLOC NUM|BLOC SCORR|MAIUSC SIN.|MAIUSC DES.|CTRL SIN.|CTRL DES.|ALT|"
           "ALT GR", "TASTIERINO "),
}


def key_names(language):
    if language == "en":
        return KEY_NAMES
    named, keypad = LOCAL_KEY_NAMES[language]
    names = named.split("|")
    assert len(names) == len(NAMED_KEYS), language
    local = dict(KEY_NAMES)
    local.update(zip(NAMED_KEYS, names))
    local.update({96 + d: f"{keypad}{d}" for d in range(10)})
    return local

# Named keys a player may not put in a key set: the match reads Escape, P, R,
# H, Space, the function keys and Alt itself; the generic modifiers and the
# lock/system keys are not reliable as game controls.
RESERVED_KEYS = {16, 17, 18, 19, 20, 27, 32, 72, 80, 82, 91, 92, 93, 144, 145, 164, 165}
RESERVED_KEYS.update(range(112, 124))


def flags_text():
    assert len(NATIONS) == 204 and len(set(NATIONS)) == 204
    codes = sorted(NATIONS)
    assert all(len(c) == 3 and c.isalpha() and c.isupper() for c in codes)
    return "".join(c + "\n" for c in codes)


def keycodes_text(language):
    names = key_names(language)
    lines = ["CODE NAME           A\r\n"]
    for code in range(256):
        name = names.get(code, "")
        assert len(name) <= 15
        active = 1 if name and code not in RESERVED_KEYS else 0
        lines.append(f"{code:5d}{name:<15} {active}\r\n")
    return "".join(lines)


def main():
    images = os.path.join(ROOT, "assets", "images")
    keycodes = os.path.join(ROOT, "assets", "keycodes")
    os.makedirs(images, exist_ok=True)
    os.makedirs(keycodes, exist_ok=True)
    with open(os.path.join(images, "flags_t.txt"), "w", encoding="ascii", newline="") as f:
        f.write(flags_text())
    for language in ["en"] + sorted(LOCAL_KEY_NAMES):
        with open(os.path.join(keycodes, language + ".qsk"), "wb") as f:
            f.write(b"\xff\xfe" + keycodes_text(language).encode("utf-16-le"))


if __name__ == "__main__":
    main()
