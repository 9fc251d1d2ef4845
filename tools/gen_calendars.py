#!/usr/bin/python3
"""Writes assets/data/calendars/calendars.bin: single round robins for 2..24 teams.

Each block lists n(n-1)/2 matches as (home, away) byte pairs, match day after
match day (circle method), so no team plays twice on a day. Home and away are
given by the parity rule, which keeps every team within one of an even split.
"""
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "data", "calendars")


def match_days(n):
    """Pairings per match day; an odd count gets a resting slot (None)."""
    slots = list(range(n)) + ([None] if n % 2 else [])
    m = len(slots)
    days = []
    for _ in range(m - 1):
        day = [(slots[i], slots[m - 1 - i]) for i in range(m // 2)]
        days.append([p for p in day if None not in p])
        slots = [slots[0]] + [slots[-1]] + slots[1:-1]
    return days


def oriented(a, b):
    lo, hi = min(a, b), max(a, b)
    return (lo, hi) if (lo + hi) % 2 else (hi, lo)


def block(n):
    out = bytearray()
    for day in match_days(n):
        for a, b in day:
            out += bytes(oriented(a, b))
    return out


def check(n, data):
    pairs = [(data[i], data[i + 1]) for i in range(0, len(data), 2)]
    assert len(pairs) == n * (n - 1) // 2
    assert len({frozenset(p) for p in pairs}) == len(pairs)
    home = [0] * n
    for h, _ in pairs:
        home[h] += 1
    assert max(home) - min(home) <= 1, (n, home)


def main():
    os.makedirs(OUT, exist_ok=True)
    data = bytearray()
    for n in range(2, 25):
        b = block(n)
        check(n, b)
        data += b
    assert len(data) == 4600
    with open(os.path.join(OUT, "calendars.bin"), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
