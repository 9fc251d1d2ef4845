"""Simplified national flags for the small flag pictures.

Each design is a list of shapes painted in order and sampled at pixel
centres, so a flag stays crisp at 20 x 10 as at 28 x 18. Coordinates: u, v
run 0..1 across and down the flag; sizes (radius, half thickness) are in
units of the flag's height so discs stay round and crosses even.
"""
import math

R = (0xD0, 0x18, 0x20)
W = (0xF4, 0xF4, 0xF4)
B = (0x10, 0x28, 0x80)      # navy
L = (0x20, 0x50, 0xC0)      # royal blue
S = (0x68, 0xB0, 0xE8)      # sky blue
G = (0x10, 0x84, 0x38)
D = (0x00, 0x5C, 0x30)      # dark green
Y = (0xF8, 0xC8, 0x10)
K = (0x18, 0x18, 0x18)
O = (0xF0, 0x80, 0x10)
M = (0x88, 0x14, 0x34)      # maroon
N = (0x8C, 0x5A, 0x2C)      # brown

def h(*cols, w=None):
    return ("h", cols, w or (1,) * len(cols))


def v(*cols, w=None):
    return ("v", cols, w or (1,) * len(cols))


def bg(c):
    return ("h", (c,), (1,))


def cross(c, cx=0.5, t=0.1):
    return ("cross", c, cx, t)


def nordic(c, t=0.1):
    return ("cross", c, 0.36, t)


def saltire(c, t=0.1):
    return ("saltire", c, t)


def disc(c, cx, cy, r):
    return ("disc", c, cx, cy, r)


def star(c, cx, cy, r):
    return ("star", c, cx, cy, r)


def rect(c, u0, v0, u1, v1):
    return ("rect", c, u0, v0, u1, v1)


def poly(c, *pts):
    return ("poly", c, pts)


def stripes(n, a, b):
    return ("h", tuple(a if i % 2 == 0 else b for i in range(n)), (1,) * n)


def union(u1=0.5, v1=0.5):
    """The small union canton of several Commonwealth flags."""
    return [rect(B, 0, 0, u1, v1), ("saltire_in", W, 0.07, u1, v1), ("saltire_in", R, 0.03, u1, v1),
            ("cross_in", W, 0.09, u1, v1), ("cross_in", R, 0.05, u1, v1)]


def tri_hoist(c, depth=0.5):
    return poly(c, (0, 0), (depth, 0.5), (0, 1))


DESIGNS = {
    # Europe
    "ENG": [bg(W), cross(R, 0.5, 0.11)],
    "SCO": [bg((0x00, 0x5E, 0xB8)), saltire(W, 0.11)],
    "WAL": [h(W, G), poly(R, (0.3, 0.62), (0.42, 0.3), (0.62, 0.34), (0.72, 0.22), (0.72, 0.5),
                          (0.6, 0.7), (0.4, 0.72))],
    "NIR": [bg(W), cross(R, 0.5, 0.1), disc(Y, 0.5, 0.5, 0.1)],
    "IRL": [v(G, W, O)],
    "ESP": [h(R, Y, R, w=(1, 2, 1)), rect(R, 0.26, 0.38, 0.34, 0.62)],
    "GER": [h(K, R, (0xF8, 0xC0, 0x00))],
    "ITA": [v(G, W, R)],
    "FRA": [v(B, W, R)],
    "NED": [h(R, W, L)],
    "POR": [v(D, R, w=(2, 3)), disc(Y, 0.4, 0.5, 0.24), disc(R, 0.4, 0.5, 0.14), disc(W, 0.4, 0.5, 0.07)],
    "BEL": [v(K, Y, R)],
    "SUI": [bg(R), ("greek", W, 0.5, 0.5, 0.32, 0.1)],
    "DEN": [bg(R), nordic(W)],
    "SWE": [bg(L), nordic(Y)],
    "NOR": [bg(R), nordic(W, 0.15), nordic(B, 0.07)],
    "FIN": [bg(W), nordic(B, 0.12)],
    "ISL": [bg(L), nordic(W, 0.15), nordic(R, 0.07)],
    "FRO": [bg(W), nordic(L, 0.15), nordic(R, 0.07)],
    "AUT": [h(R, W, R)],
    "CRO": [h(R, W, L), ("checker", R, W, 0.42, 0.22, 0.58, 0.72)],
    "SRB": [h(R, B, W), rect(R, 0.26, 0.25, 0.36, 0.7)],
    "RUS": [h(W, L, R)],
    "POL": [h(W, R)],
    "CZE": [h(W, R), tri_hoist(L)],
    "SVK": [h(W, L, R), rect(R, 0.22, 0.25, 0.38, 0.75), ("greek", W, 0.3, 0.5, 0.18, 0.05)],
    "SVN": [h(W, L, R), rect(L, 0.2, 0.18, 0.34, 0.55)],
    "HUN": [h(R, W, G)],
    "ROU": [v(B, Y, R)],
    "BUL": [h(W, G, R)],
    "GRE": [stripes(9, L, W), rect(L, 0, 0, 0.37, 0.56), rect(W, 0, 0.22, 0.37, 0.33),
            rect(W, 0.15, 0, 0.22, 0.56)],
    "TUR": [bg(R), disc(W, 0.38, 0.5, 0.27), disc(R, 0.44, 0.5, 0.21), star(W, 0.62, 0.5, 0.1)],
    "UKR": [h(L, Y)],
    "BIH": [bg(L), poly(Y, (0.28, 0), (0.76, 0), (0.76, 1))],
    "ALB": [bg(R), disc(K, 0.5, 0.5, 0.26)],
    "EST": [h(L, K, W)],
    "LVA": [h(M, W, M, w=(2, 1, 2))],
    "LTU": [h(Y, G, R)],
    "BLR": [h(R, G, w=(2, 1)), rect(W, 0, 0, 0.1, 1)],
    "GEO": [bg(W), cross(R, 0.5, 0.1), disc(R, 0.25, 0.22, 0.07), disc(R, 0.75, 0.22, 0.07),
            disc(R, 0.25, 0.78, 0.07), disc(R, 0.75, 0.78, 0.07)],
    "ARM": [h(R, L, O)],
    "AZE": [h(S, R, G), disc(W, 0.48, 0.5, 0.12), disc(R, 0.51, 0.5, 0.09)],
    "MKD": [bg(R), saltire(Y, 0.05), cross(Y, 0.5, 0.05), disc(Y, 0.5, 0.5, 0.2)],
    "MNE": [bg(Y), rect(R, 0.05, 0.08, 0.95, 0.92), disc(Y, 0.5, 0.5, 0.16)],
    "LUX": [h(R, W, S)],
    "CYP": [bg(W), poly(O, (0.25, 0.45), (0.55, 0.3), (0.75, 0.35), (0.5, 0.55)),
            rect(G, 0.38, 0.65, 0.62, 0.72)],
    "ISR": [bg(W), rect(L, 0, 0.1, 1, 0.22), rect(L, 0, 0.78, 1, 0.9), disc(L, 0.5, 0.5, 0.19),
            disc(W, 0.5, 0.5, 0.11)],
    "MLT": [v(W, R), rect((0xB0, 0xB0, 0xB0), 0.08, 0.1, 0.16, 0.26)],
    "MDA": [v(B, Y, R), disc(N, 0.5, 0.5, 0.12)],
    "KOS": [bg(L), disc(Y, 0.5, 0.55, 0.18), star(W, 0.35, 0.22, 0.06), star(W, 0.5, 0.18, 0.06),
            star(W, 0.65, 0.22, 0.06)],
    "AND": [v(L, Y, R), disc(N, 0.5, 0.5, 0.12)],
    "SMR": [h(W, S)],
    "LIE": [h(L, R), disc(Y, 0.22, 0.28, 0.1)],
    "GIB": [h(W, R, w=(2, 1)), rect(R, 0.4, 0.25, 0.6, 0.6)],
    "KAZ": [bg(S), disc(Y, 0.5, 0.45, 0.2)],
    # Americas
    "USA": [stripes(13, R, W), rect(B, 0, 0, 0.42, 0.54), ("dots", W, 0, 0, 0.42, 0.54)],
    "MEX": [v(D, W, R), disc(N, 0.5, 0.5, 0.14)],
    "CAN": [v(R, W, R, w=(1, 2, 1)), star(R, 0.5, 0.52, 0.24)],
    "CRC": [h(L, W, R, W, L, w=(1, 1, 2, 1, 1))],
    "HON": [h(L, W, L), star(L, 0.5, 0.5, 0.1)],
    "SLV": [h(L, W, L), disc(Y, 0.5, 0.5, 0.09)],
    "NCA": [h(S, W, S), disc(L, 0.5, 0.5, 0.09)],
    "GUA": [v(S, W, S), disc(G, 0.5, 0.5, 0.1)],
    "PAN": [bg(W), rect(R, 0.5, 0, 1, 0.5), rect(L, 0, 0.5, 0.5, 1), star(L, 0.25, 0.25, 0.12),
            star(R, 0.75, 0.75, 0.12)],
    "JAM": [bg(G), poly(K, (0, 0), (0.5, 0.5), (0, 1)), poly(K, (1, 0), (0.5, 0.5), (1, 1)),
            saltire(Y, 0.1)],
    "HAI": [h(L, R), rect(W, 0.4, 0.35, 0.6, 0.65)],
    "CUB": [stripes(5, L, W), tri_hoist(R, 0.45), star(W, 0.15, 0.5, 0.12)],
    "DOM": [bg(W), rect(L, 0, 0, 0.44, 0.42), rect(R, 0.56, 0, 1, 0.42), rect(R, 0, 0.58, 0.44, 1),
            rect(L, 0.56, 0.58, 1, 1)],
    "TRI": [bg(R), ("diag_up", W, 0.16), ("diag_up", K, 0.1)],
    "PUR": [stripes(5, R, W), tri_hoist(L, 0.45), star(W, 0.15, 0.5, 0.12)],
    "BAH": [h(S, Y, S), tri_hoist(K, 0.4)],
    "BRB": [v(L, Y, L), rect(K, 0.47, 0.25, 0.53, 0.75)],
    "BLZ": [h(R, L, R, w=(1, 8, 1)), disc(W, 0.5, 0.5, 0.25)],
    "GUY": [bg(G), poly(W, (0, 0), (1, 0.5), (0, 1)), poly(Y, (0, 0.05), (0.94, 0.5), (0, 0.95)),
            poly(K, (0, 0), (0.5, 0.5), (0, 1)), poly(R, (0, 0.07), (0.44, 0.5), (0, 0.93))],
    "SUR": [h(G, W, R, W, G, w=(2, 1, 4, 1, 2)), star(Y, 0.5, 0.5, 0.14)],
    "ARU": [bg(S), rect(Y, 0, 0.68, 1, 0.74), rect(Y, 0, 0.8, 1, 0.86), star(R, 0.2, 0.25, 0.1)],
    "BER": [bg(R)] + union(),
    "CAY": [bg(B)] + union() + [disc(W, 0.72, 0.5, 0.15)],
    "ATG": [bg(R), poly(K, (0, 0), (1, 0), (0.5, 1)), poly(L, (0.1, 0.4), (0.9, 0.4), (0.5, 1)),
            poly(W, (0.2, 0.6), (0.8, 0.6), (0.5, 1)), disc(Y, 0.5, 0.3, 0.1)],
    "ARG": [h(S, W, S), disc(Y, 0.5, 0.5, 0.12)],
    "BRA": [bg(G), poly(Y, (0.08, 0.5), (0.5, 0.1), (0.92, 0.5), (0.5, 0.9)), disc(B, 0.5, 0.5, 0.23)],
    "URU": [stripes(9, W, S), rect(W, 0, 0, 0.36, 0.56), disc(Y, 0.18, 0.28, 0.14)],
    "CHI": [h(W, R), rect(L, 0, 0, 0.33, 0.5), star(W, 0.165, 0.25, 0.12)],
    "COL": [h(Y, L, R, w=(2, 1, 1))],
    "ECU": [h(Y, L, R, w=(2, 1, 1)), disc(N, 0.5, 0.45, 0.11)],
    "PAR": [h(R, W, L), disc(Y, 0.5, 0.5, 0.08)],
    "PER": [v(R, W, R)],
    "VEN": [h(Y, L, R), ("dots", W, 0.36, 0.4, 0.64, 0.6)],
    "BOL": [h(R, Y, G)],
    # Africa
    "NGA": [v(G, W, G)],
    "CMR": [v(G, R, Y), star(Y, 0.5, 0.5, 0.14)],
    "SEN": [v(G, Y, R), star(G, 0.5, 0.5, 0.14)],
    "GHA": [h(R, Y, G), star(K, 0.5, 0.5, 0.15)],
    "CIV": [v(O, W, G)],
    "MLI": [v(G, Y, R)],
    "GUI": [v(R, Y, G)],
    "EGY": [h(R, W, K), disc(Y, 0.5, 0.5, 0.1)],
    "MAR": [bg(R), star(G, 0.5, 0.5, 0.24)],
    "ALG": [v(G, W), disc(R, 0.5, 0.5, 0.27), disc(W, 0.56, 0.5, 0.22), star(R, 0.62, 0.5, 0.09)],
    "TUN": [bg(R), disc(W, 0.5, 0.5, 0.3), disc(R, 0.5, 0.5, 0.2), disc(W, 0.56, 0.5, 0.16),
            star(R, 0.56, 0.5, 0.07)],
    "LBY": [h(R, K, G, w=(1, 2, 1)), disc(W, 0.48, 0.5, 0.14), disc(K, 0.51, 0.5, 0.11)],
    "RSA": [h(R, L), rect(W, 0.3, 0.3, 1, 0.7), poly(W, (0, -0.12), (0.56, 0.5), (0, 1.12)),
            rect(G, 0.3, 0.38, 1, 0.62), poly(G, (0, 0), (0.46, 0.5), (0, 1)),
            poly(Y, (0, 0.12), (0.33, 0.5), (0, 0.88)), poly(K, (0, 0.2), (0.25, 0.5), (0, 0.8))],
    "BFA": [h(R, G), star(Y, 0.5, 0.5, 0.14)],
    "TOG": [stripes(5, G, Y), rect(R, 0, 0, 0.4, 0.6), star(W, 0.2, 0.3, 0.14)],
    "BEN": [rect(Y, 0, 0, 1, 0.5), rect(R, 0, 0.5, 1, 1), rect(G, 0, 0, 0.4, 1)],
    "NIG": [h(O, W, G), disc(O, 0.5, 0.5, 0.1)],
    "CHA": [v(B, Y, R)],
    "GAB": [h(G, Y, L)],
    "SLE": [h(G, W, L)],
    "GAM": [h(R, W, L, W, G, w=(6, 1, 4, 1, 6))],
    "LBR": [stripes(11, R, W), rect(B, 0, 0, 0.36, 0.45), star(W, 0.18, 0.23, 0.12)],
    "ETH": [h(G, Y, R), disc(L, 0.5, 0.5, 0.2), star(Y, 0.5, 0.5, 0.1)],
    "KEN": [h(K, W, R, W, G, w=(6, 1, 6, 1, 6)), disc(R, 0.5, 0.5, 0.2), rect(K, 0.45, 0.3, 0.55, 0.7)],
    "UGA": [h(K, Y, R, K, Y, R), disc(W, 0.5, 0.5, 0.2)],
    "TAN": [poly(G, (0, 0), (1, 0), (0, 1)), poly(S, (1, 0), (1, 1), (0, 1)), ("diag", Y, 0.16),
            ("diag", K, 0.1)],
    "RWA": [h(S, Y, G, w=(2, 1, 1)), disc(Y, 0.82, 0.25, 0.1)],
    "BDI": [bg(R), poly(G, (0, 0), (0.5, 0.5), (0, 1)), poly(G, (1, 0), (0.5, 0.5), (1, 1)),
            saltire(W, 0.09), disc(W, 0.5, 0.5, 0.22)],
    "SOM": [bg(S), star(W, 0.5, 0.5, 0.22)],
    "SDN": [h(R, W, K), tri_hoist(G, 0.35)],
    "SSD": [h(K, W, R, W, G, w=(6, 1, 6, 1, 6)), tri_hoist(L, 0.4), star(Y, 0.12, 0.5, 0.1)],
    "ZAM": [bg(G), rect(R, 0.7, 0.4, 0.8, 1), rect(K, 0.8, 0.4, 0.9, 1), rect(O, 0.9, 0.4, 1, 1)],
    "ZIM": [h(G, Y, R, K, R, Y, G), poly(W, (0, 0), (0.45, 0.5), (0, 1)), star(R, 0.12, 0.5, 0.1)],
    "ANG": [h(R, K), disc(Y, 0.5, 0.5, 0.14)],
    "MOZ": [h(G, W, K, W, Y, w=(6, 1, 6, 1, 6)), tri_hoist(R, 0.4), star(Y, 0.12, 0.5, 0.1)],
    "MWI": [h(K, R, G), disc(R, 0.5, 0.2, 0.12)],
    "BOT": [h(S, W, K, W, S, w=(9, 1, 4, 1, 9))],
    "NAM": [bg(R), poly(L, (0, 0), (0.75, 0), (0, 0.8)), poly(G, (1, 1), (0.25, 1), (1, 0.2)),
            disc(Y, 0.15, 0.2, 0.1)],
    "MAD": [rect(R, 0, 0, 1, 0.5), rect(G, 0, 0.5, 1, 1), rect(W, 0, 0, 0.33, 1)],
    "CPV": [bg(L), rect(W, 0, 0.52, 1, 0.72), rect(R, 0, 0.58, 1, 0.66)],
    "CGO": [poly(G, (0, 0), (0.7, 0), (0, 1)), poly(R, (1, 0), (1, 1), (0.3, 1)),
            poly(Y, (0.7, 0), (1, 0), (0.3, 1), (0, 1))],
    "COD": [bg(S), ("diag", Y, 0.16), ("diag", R, 0.09), star(Y, 0.17, 0.25, 0.12)],
    "MTN": [h(R, G, R, w=(1, 4, 1)), disc(Y, 0.5, 0.5, 0.2), disc(G, 0.5, 0.42, 0.18)],
    "MRI": [h(R, L, Y, G)],
    "EQG": [h(G, W, R), tri_hoist(L, 0.3)],
    "GNB": [rect(Y, 0, 0, 1, 0.5), rect(G, 0, 0.5, 1, 1), rect(R, 0, 0, 0.33, 1), star(K, 0.16, 0.5, 0.1)],
    "CTA": [h(L, W, G, Y), rect(R, 0.44, 0, 0.56, 1)],
    "ERI": [poly(G, (0, 0), (1, 0), (0, 0.5)), poly(L, (0, 0.5), (1, 1), (0, 1)),
            poly(R, (0, 0), (1, 0.5), (0, 1)), disc(Y, 0.22, 0.5, 0.12)],
    "DJI": [h(S, G), tri_hoist(W, 0.45), star(R, 0.13, 0.5, 0.09)],
    "LES": [h(L, W, G, w=(1, 2, 1)), disc(K, 0.5, 0.5, 0.12)],
    "SWZ": [h(L, Y, R, Y, L, w=(2, 0.5, 4, 0.5, 2)), disc(W, 0.5, 0.5, 0.16)],
    # Asia
    "JPN": [bg(W), disc(R, 0.5, 0.5, 0.3)],
    "KOR": [bg(W), disc(R, 0.5, 0.5, 0.27), ("lower_disc", L, 0.5, 0.5, 0.27),
            rect(K, 0.12, 0.12, 0.22, 0.34), rect(K, 0.78, 0.12, 0.88, 0.34),
            rect(K, 0.12, 0.66, 0.22, 0.88), rect(K, 0.78, 0.66, 0.88, 0.88)],
    "PRK": [h(L, W, R, W, L, w=(3, 1, 9, 1, 3)), disc(W, 0.36, 0.5, 0.18), star(R, 0.36, 0.5, 0.13)],
    "CHN": [bg(R), star(Y, 0.17, 0.28, 0.15), star(Y, 0.33, 0.11, 0.05), star(Y, 0.4, 0.22, 0.05),
            star(Y, 0.4, 0.38, 0.05), star(Y, 0.33, 0.48, 0.05)],
    "TPE": [bg(R), rect(B, 0, 0, 0.5, 0.5), disc(W, 0.25, 0.25, 0.14)],
    "HKG": [bg(R), disc(W, 0.5, 0.5, 0.22)],
    "IRN": [h(G, W, R), disc(R, 0.5, 0.5, 0.08)],
    "IRQ": [h(R, W, K), star(G, 0.5, 0.5, 0.1)],
    "SYR": [h(R, W, K), star(G, 0.38, 0.5, 0.09), star(G, 0.62, 0.5, 0.09)],
    "JOR": [h(K, W, G), tri_hoist(R, 0.45), star(W, 0.14, 0.5, 0.07)],
    "PLE": [h(K, W, G), tri_hoist(R, 0.45)],
    "LIB": [h(R, W, R, w=(1, 2, 1)), poly(G, (0.4, 0.65), (0.5, 0.3), (0.6, 0.65))],
    "KUW": [h(G, W, R), poly(K, (0, 0), (0.25, 0.33), (0.25, 0.67), (0, 1))],
    "KSA": [bg(D), rect(W, 0.25, 0.3, 0.75, 0.48), rect(W, 0.28, 0.62, 0.72, 0.68)],
    "QAT": [bg(M), rect(W, 0, 0, 0.3, 1), ("teeth", W, 0.3, 0.08, 9)],
    "BHR": [bg(R), rect(W, 0, 0, 0.25, 1), ("teeth", W, 0.25, 0.1, 5)],
    "UAE": [h(G, W, K), rect(R, 0, 0, 0.26, 1)],
    "OMA": [h(W, R, G), rect(R, 0, 0, 0.26, 1)],
    "YEM": [h(R, W, K)],
    "IND": [h(O, W, G), disc(B, 0.5, 0.5, 0.11), disc(W, 0.5, 0.5, 0.05)],
    "PAK": [rect(W, 0, 0, 0.25, 1), rect(D, 0.25, 0, 1, 1), disc(W, 0.62, 0.5, 0.27),
            disc(D, 0.67, 0.45, 0.23), star(W, 0.74, 0.38, 0.08)],
    "BAN": [bg(D), disc(R, 0.45, 0.5, 0.3)],
    "SRI": [bg(Y), rect(D, 0.04, 0.08, 0.17, 0.92), rect(O, 0.17, 0.08, 0.3, 0.92),
            rect(M, 0.34, 0.08, 0.96, 0.92)],
    "NEP": [bg(W), poly(R, (0.05, 0.02), (0.62, 0.46), (0.3, 0.46), (0.62, 0.98), (0.05, 0.98)),
            disc(W, 0.2, 0.75, 0.08)],
    "BHU": [poly(Y, (0, 0), (1, 0), (0, 1)), poly(O, (1, 0), (1, 1), (0, 1)), disc(W, 0.5, 0.5, 0.15)],
    "AFG": [v(K, R, G), disc(W, 0.5, 0.5, 0.12)],
    "UZB": [h(S, W, G), rect(R, 0, 0.32, 1, 0.36), rect(R, 0, 0.64, 1, 0.68), disc(W, 0.15, 0.17, 0.08)],
    "TJK": [h(R, W, G, w=(2, 3, 2)), disc(Y, 0.5, 0.5, 0.1)],
    "TKM": [bg(G), rect(R, 0.12, 0, 0.3, 1)],
    "KGZ": [bg(R), disc(Y, 0.5, 0.5, 0.26), disc(R, 0.5, 0.5, 0.14)],
    "MNG": [v(R, L, R), rect(Y, 0.12, 0.25, 0.22, 0.75)],
    "THA": [h(R, W, B, W, R, w=(1, 1, 2, 1, 1))],
    "VIE": [bg(R), star(Y, 0.5, 0.5, 0.28)],
    "LAO": [h(R, L, R, w=(1, 2, 1)), disc(W, 0.5, 0.5, 0.17)],
    "CAM": [h(L, R, L, w=(1, 2, 1)), rect(W, 0.38, 0.38, 0.62, 0.62)],
    "MYA": [h(Y, G, R), star(W, 0.5, 0.55, 0.28)],
    "IDN": [h(R, W)],
    "MAS": [stripes(9, R, W), rect(B, 0, 0, 0.5, 0.56), disc(Y, 0.2, 0.28, 0.16), disc(B, 0.24, 0.28, 0.13),
            star(Y, 0.36, 0.28, 0.08)],
    "SIN": [h(R, W), disc(W, 0.2, 0.25, 0.15), disc(R, 0.24, 0.25, 0.13)],
    "PHI": [h(L, R), tri_hoist(W, 0.45), disc(Y, 0.15, 0.5, 0.09)],
    "BRU": [bg(Y), ("diag_up", W, 0.12), ("diag_up", K, 0.05), disc(R, 0.5, 0.5, 0.14)],
    "TLS": [bg(R), poly(Y, (0, 0), (0.55, 0.5), (0, 1)), poly(K, (0, 0), (0.35, 0.5), (0, 1))],
    "MDV": [bg(R), rect(G, 0.22, 0.22, 0.78, 0.78), disc(W, 0.5, 0.5, 0.2), disc(G, 0.55, 0.5, 0.17)],
    "MAC": [bg((0x00, 0x78, 0x5E)), disc(W, 0.5, 0.55, 0.18)],
    "AUS": [bg(B)] + union() + [star(W, 0.25, 0.78, 0.12), star(W, 0.75, 0.25, 0.06),
                                star(W, 0.86, 0.5, 0.06), star(W, 0.72, 0.78, 0.06)],
    # Oceania
    "NZL": [bg(B)] + union() + [star(R, 0.75, 0.25, 0.08), star(R, 0.86, 0.5, 0.08),
                                star(R, 0.72, 0.8, 0.08)],
    "FIJ": [bg(S)] + union() + [rect(W, 0.64, 0.3, 0.84, 0.78), rect(R, 0.64, 0.3, 0.84, 0.42)],
    "SOL": [poly(L, (0, 0), (1, 0), (0, 1)), poly(G, (1, 0), (1, 1), (0, 1)), ("diag", Y, 0.07),
            star(W, 0.15, 0.2, 0.06), star(W, 0.32, 0.2, 0.06), star(W, 0.22, 0.38, 0.06)],
    "TAH": [h(R, W, R, w=(1, 2, 1)), disc(O, 0.5, 0.5, 0.14)],
    "PNG": [poly(R, (0, 0), (1, 0), (1, 1)), poly(K, (0, 0), (1, 1), (0, 1)), star(W, 0.25, 0.7, 0.08),
            disc(Y, 0.7, 0.3, 0.12)],
    "SAM": [bg(R), rect(B, 0, 0, 0.5, 0.5), star(W, 0.25, 0.25, 0.1)],
    "TGA": [bg(R), rect(W, 0, 0, 0.42, 0.5), ("greek", R, 0.21, 0.25, 0.16, 0.06)],
    "VAN": [h(R, G), poly(Y, (0, -0.1), (0.62, 0.5), (0, 1.1)), poly(K, (0, 0), (0.5, 0.5), (0, 1)),
            rect(Y, 0.4, 0.46, 1, 0.54)],
    "NCL": [h(L, R, G), disc(Y, 0.35, 0.5, 0.22)],
    "COK": [bg(B)] + union() + [disc(W, 0.72, 0.5, 0.18), disc(B, 0.72, 0.5, 0.13)],
}


def _star_points(cx, cy, r, aspect):
    pts = []
    for i in range(10):
        a = math.radians(-90 + 36 * i)
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a) / aspect, cy + rr * math.sin(a)))
    return pts


def _inside_poly(pts, x, y):
    inside = False
    n = len(pts)
    for i in range(n):
        x1, y1 = pts[i]
        x2, y2 = pts[(i + 1) % n]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def _bands(cols, weights, t):
    total = float(sum(weights))
    acc = 0.0
    for c, wgt in zip(cols, weights):
        acc += wgt / total
        if t < acc:
            return c
    return cols[-1]


def _sample(shape, u, v, aspect, x, y):
    """Colour of the shape at (u, v), or None where it does not cover."""
    kind = shape[0]
    if kind == "h":
        return _bands(shape[1], shape[2], v)
    if kind == "v":
        return _bands(shape[1], shape[2], u)
    if kind == "cross":
        _, c, cx, t = shape
        return c if abs(u - cx) * aspect < t or abs(v - 0.5) < t else None
    if kind == "saltire":
        _, c, t = shape
        du = (u - 0.5) * aspect
        dv = v - 0.5
        k = aspect
        d1 = abs(dv - du / k) / math.hypot(1.0, 1.0 / k)
        d2 = abs(dv + du / k) / math.hypot(1.0, 1.0 / k)
        return c if min(d1, d2) < t else None
    if kind in ("saltire_in", "cross_in"):
        _, c, t, u1, v1 = shape
        if u > u1 or v > v1:
            return None
        cu, cv = u / u1, v / v1
        if kind == "cross_in":
            return c if abs(cu - 0.5) * aspect * u1 < t or abs(cv - 0.5) * v1 < t else None
        return c if abs(cu - cv) * v1 < t or abs(cu + cv - 1.0) * v1 < t else None
    if kind in ("diag", "diag_up"):
        _, c, t = shape
        # "diag" runs from the bottom hoist corner to the top fly corner.
        dv = (1.0 - v) - u if kind == "diag" else v - u
        return c if abs(dv) / math.hypot(1.0, 1.0 / aspect) < t else None
    if kind == "disc":
        _, c, cx, cy, r = shape
        return c if math.hypot((u - cx) * aspect, v - cy) < r else None
    if kind == "lower_disc":
        _, c, cx, cy, r = shape
        return c if v > cy and math.hypot((u - cx) * aspect, v - cy) < r else None
    if kind == "star":
        _, c, cx, cy, r = shape
        return c if _inside_poly(_star_points(cx, cy, r, aspect), u, v) else None
    if kind == "rect":
        _, c, u0, v0, u1, v1 = shape
        return c if u0 <= u < u1 and v0 <= v < v1 else None
    if kind == "poly":
        return shape[1] if _inside_poly(shape[2], u, v) else None
    if kind == "greek":
        _, c, cx, cy, arm, t = shape
        du, dv = abs(u - cx) * aspect, abs(v - cy)
        return c if (du < arm and dv < t) or (du < t and dv < arm) else None
    if kind == "checker":
        _, c1, c2, u0, v0, u1, v1 = shape
        if u0 <= u < u1 and v0 <= v < v1:
            return c1 if (x + y) % 2 else c2
        return None
    if kind == "dots":
        _, c, u0, v0, u1, v1 = shape
        if u0 <= u < u1 and v0 <= v < v1 and x % 2 == 1 and y % 2 == 1:
            return c
        return None
    if kind == "teeth":
        _, c, x0, depth, n = shape
        k = (v * n) % 1.0
        edge = x0 + depth * (1.0 - abs(2.0 * k - 1.0))
        return c if u < edge else None
    raise ValueError(kind)


def has_design(code):
    return code.upper() in DESIGNS


def draw_flag(code, w, h):
    """Rows of RGB tuples for the flag of a country code."""
    shapes = DESIGNS[code.upper()]
    aspect = w / float(h)
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            u, vv = (x + 0.5) / w, (y + 0.5) / h
            col = None
            for sh in shapes:
                c = _sample(sh, u, vv, aspect, x, y)
                if c is not None:
                    col = c
            row.append(col or W)
        rows.append(row)
    return rows
