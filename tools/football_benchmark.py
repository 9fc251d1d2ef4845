#!/usr/bin/env python3
"""The football benchmark: headless ten-minute matches of a fixed list of pairings, and one table of per-match
figures beside the targets real football sets for ENHANCED.

    tools/football_benchmark.py [--game build-ci/quilbo] [--data assets] [--matches 13] [--jobs 2]
                                [--gameplay enhanced|classic|both] [--preset-matches 52]

The pairings: two top clubs; a top club against the bottom club of the lowest division, both ways; two
national teams; a top club on each of the twelve preset tactics against itself on 4-4-2. --matches is per
pairing (13 makes 208). Three-minute matches of the same pairings (a third as many) give the short-match goals.
--preset-matches (52 unless given) plays more matches of each preset pairing for the preset row alone, ENHANCED
only; every other figure, and the time the 6-minute rule is about, stays over --matches. The row takes the larger
share of either side of the eleven pairings, and over 13 matches, were every preset to win 40 % of the time, one of
them would reach 8 wins (62 %) about two times in three; over 52 matches a preset, about once in seventy.
"""
import argparse
import concurrent.futures
import json
import os
import subprocess
import sys
import time

PRESETS = ["442", "541", "451", "532", "352", "433", "424", "343", "LIBERO", "523", "ATTACK", "DEFEND"]
TOP_CLUB = "eng:1"


def bottom_of_lowest_division(data, ext):
    """The last club of the lowest division in data/team_EXT.qst, as EXT:N."""
    number, division, lowest = 0, 0, (0, 0)
    with open(os.path.join(data, "data", "team_%s.qst" % ext), encoding="latin-1") as f:
        for line in f:
            if line.startswith("#---"):
                number += 1
            elif line.startswith("Division"):
                division = int(line.split(":")[1])
                if division >= lowest[0]:
                    lowest = (division, number)
    return "%s:%d" % (ext, lowest[1])


def pairings(data):
    """(home, away, tactics or None, side that is clearly stronger or None)."""
    bottom = bottom_of_lowest_division(data, "eng")
    out = [("eng:1", "esp:1", None, None), (TOP_CLUB, bottom, None, 0), (bottom, TOP_CLUB, None, 1),
           ("uef:1", "uef:2", None, None)]
    out += [(TOP_CLUB, TOP_CLUB, (preset, "442"), None) for preset in PRESETS]
    return out


def play(game, data, gameplay, length, matches, seed, pairing):
    home, away, tactics, stronger = pairing
    cmd = [game, "--data", data, "--headless", "--match", home, away, "--length", str(length), "--seed", str(seed),
           "--matches", str(matches), "--gameplay", gameplay, "--computer", "normal"]
    if tactics:
        cmd += ["--tactics", tactics[0], tactics[1]]
    out = subprocess.run(cmd, capture_output=True, text=True, check=True).stdout
    rows = [json.loads(line) for line in out.splitlines() if line.startswith('{"home"')]
    for row in rows:
        row["preset"] = tactics[0] if tactics else None
    return [(row, stronger) for row in rows]


def figures(results, preset_results):
    n = len(results)
    rows = [r for r, _ in results]

    def both(key):
        return sum(r["stats"][0].get(key, 0) + r["stats"][1].get(key, 0) for r in rows) / n

    goals = [s for r in rows for s in r["scorers"]]
    total_goals = max(1, len(goals))
    decided = [(r, side) for r, side in results if side is not None]
    stronger_won = sum(1 for r, side in decided if r["score"][side] > r["score"][1 - side])
    passes = both("passes")
    # The same squad on a preset against itself on 4-4-2: wins, draws and losses of the preset; the row takes the
    # larger share of the two sides, as the rule holds both ways.
    presets = {}
    for r, _ in preset_results:
        if r.get("preset") and r["preset"] != "442":
            wdl = presets.setdefault(r["preset"], [0, 0, 0])
            home, away = r["score"]
            wdl[0 if home > away else 1 if home == away else 2] += 1
    shares = {p: (100 * w / (w + d + l), 100 * l / (w + d + l)) for p, (w, d, l) in presets.items()}
    best_preset = max((max(v), p) for p, v in shares.items()) if shares else (0, "")
    return {
        "preset_shares": shares,
        "best_preset": best_preset[0],
        "best_preset_name": best_preset[1],
        "matches": n,
        "goals": sum(r["score"][0] + r["score"][1] for r in rows) / n,
        "draws": 100 * sum(1 for r in rows if r["score"][0] == r["score"][1]) / n,
        "stronger_wins": 100 * stronger_won / max(1, len(decided)),
        "shots": both("shots"),
        "on_target": 100 * both("shots_on_target") / max(1e-9, both("shots")),
        "corners": sum(r["set_pieces"]["corners"] for r in rows) / n,
        "throw_ins": sum(r["set_pieces"]["throw_ins"] for r in rows) / n,
        "goal_kicks": sum(r["set_pieces"]["goal_kicks"] for r in rows) / n,
        "fouls": both("fouls"),
        "yellow": both("yellow"),
        "red": both("red"),
        "penalties": both("penalties"),
        "pass_completion": 100 * both("passes_completed") / max(1e-9, passes),
        "headed_goals": 100 * sum(1 for s in goals if s.get("kind") == "header") / total_goals,
        "set_piece_goals": 100 * sum(1 for s in goals if s.get("set_piece")) / total_goals,
        "quick_retakes": both("quick_retakes"),
    }


# (label, key, low, high, format): None is no bound.
TABLE = [
    ("goals", "goals", 2.5, 4.5, "%.2f"),
    ("draws %", "draws", 15, 35, "%.0f"),
    ("the clearly stronger side wins %", "stronger_wins", 65, None, "%.0f"),
    ("shots", "shots", 15, 40, "%.1f"),
    ("shots on target %", "on_target", 30, 55, "%.0f"),
    ("corners", "corners", 5, None, "%.1f"),
    ("throw-ins", "throw_ins", 20, None, "%.1f"),
    ("goal kicks", "goal_kicks", 8, 25, "%.1f"),
    ("fouls", "fouls", 5, 20, "%.1f"),
    ("yellow cards", "yellow", 1, 5, "%.2f"),
    ("red cards", "red", None, 0.3, "%.2f"),
    ("penalties", "penalties", 0.1, 0.6, "%.2f"),
    ("pass completion %", "pass_completion", 65, 85, "%.0f"),
    ("headed goals % of goals", "headed_goals", 8, None, "%.0f"),
    ("set-piece goals % of goals", "set_piece_goals", 10, 30, "%.0f"),
    ("a tackled player retaking it within 0.4 s", "quick_retakes", None, 0, "%.2f"),
    ("goals in three-minute matches", "short_goals", 1.0, 2.5, "%.2f"),
    ("the stronger side's wins % in a preset pairing", "best_preset", None, 60, "%.0f"),
]


def target_text(low, high):
    if low is not None and high is not None:
        return "%g to %g" % (low, high)
    return "at least %g" % low if low is not None else "at most %g" % high


def holds(value, low, high):
    return (low is None or value >= low) and (high is None or value <= high)


def run(args, gameplay, pool):
    todo = pairings(args.data)
    started = time.monotonic()
    ten = [pool.submit(play, args.game, args.data, gameplay, 3, args.matches, args.seed, p) for p in todo]
    short = [pool.submit(play, args.game, args.data, gameplay, 0, max(1, args.matches // 3), args.seed, p)
             for p in todo]
    # The preset pairings' further matches go on from the next seeds, in pieces the jobs share.
    extra = []
    preset_matches = args.preset_matches if gameplay == "enhanced" else args.matches
    for p in todo:
        if not p[2] or p[2][0] == "442":
            continue
        for first in range(args.matches, preset_matches, args.matches):
            count = min(args.matches, preset_matches - first)
            extra.append(pool.submit(play, args.game, args.data, gameplay, 3, count, args.seed + first, p))
    played = [x for fut in ten for x in fut.result()]
    short_rows = [r for fut in short for r, _ in fut.result()]
    seconds = time.monotonic() - started
    f = figures(played, played + [x for fut in extra for x in fut.result()])
    f["seconds"] = seconds
    f["preset_matches"] = max(args.matches, preset_matches)
    f["short_goals"] = sum(r["score"][0] + r["score"][1] for r in short_rows) / max(1, len(short_rows))
    return f


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--game", default="build-ci/quilbo")
    parser.add_argument("--data", default="assets")
    parser.add_argument("--matches", type=int, default=13, help="ten-minute matches per pairing")
    parser.add_argument("--preset-matches", type=int, default=52,
                        help="ten-minute matches per preset pairing, for the preset row only")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--gameplay", choices=["enhanced", "classic", "both"], default="both")
    args = parser.parse_args()
    gameplays = ["enhanced", "classic"] if args.gameplay == "both" else [args.gameplay]
    columns = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for g in gameplays:
            columns[g] = run(args, g, pool)
    header = "| figure (both teams, per match) | target | " + " | ".join(g.upper() for g in gameplays) + " |"
    print(header)
    print("|---|---|" + "---|" * len(gameplays))
    for label, key, low, high, fmt in TABLE:
        cells = []
        for g in gameplays:
            value = columns[g][key]
            mark = "" if g != "enhanced" else (" ok" if holds(value, low, high) else " MISSED")
            cells.append((fmt % value) + mark)
        print("| %s | %s | %s |" % (label, target_text(low, high), " | ".join(cells)))
    for g in gameplays:
        c = columns[g]
        print("%s: each preset's wins %% / losses %% against 4-4-2 over %d matches: %s" % (
            g.upper(), c["preset_matches"],
            ", ".join("%s %.0f/%.0f" % (p, w, l) for p, (w, l) in sorted(c["preset_shares"].items()))))
        print("%s: %d ten-minute and the three-minute matches in %.0f s with %d jobs (the preset pairings' further "
              "matches not counted)" % (g.upper(), c["matches"], c["seconds"], args.jobs))
    return 0


if __name__ == "__main__":
    sys.exit(main())
