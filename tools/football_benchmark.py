#!/usr/bin/env python3
"""The football benchmark: headless ten-minute matches of a fixed list of pairings, and one table of per-match
figures beside the targets real football sets for ENHANCED.

    tools/football_benchmark.py [--game build-ci/quilbo] [--data assets] [--matches 13] [--jobs 2]
                                [--gameplay enhanced|classic|both] [--preset-matches 52]

The pairings: two top clubs; a top club against the bottom club of the lowest division, both ways; two
national teams; a top club on each of the twelve preset tactics against itself on 4-4-2. --matches is per
pairing (13 makes 208). Three-minute matches of the same pairings (a third as many) give the short-match goals.
--preset-matches plays more matches of each preset pairing for the preset row alone: the row is the best of eleven
shares, and over 13 matches, were every preset to win 40 % of the time, one of them would reach 8 wins (62 %) about
two times in three; over 52 matches a preset, about once in seventy.
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
    # The same squad on a preset against itself on 4-4-2: the preset's share of wins, the best of them.
    presets = {}
    for r, _ in preset_results:
        if r.get("preset") and r["preset"] != "442":
            won = presets.setdefault(r["preset"], [0, 0])
            won[0] += r["score"][0] > r["score"][1]
            won[1] += 1
    shares = {p: 100 * w / n for p, (w, n) in presets.items()}
    best_preset = max((v, p) for p, v in shares.items()) if shares else (0, "")
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
    ("the best preset's wins % against 4-4-2", "best_preset", None, 60, "%.0f"),
]


def target_text(low, high):
    if low is not None and high is not None:
        return "%g to %g" % (low, high)
    return "at least %g" % low if low is not None else "at most %g" % high


def holds(value, low, high):
    return (low is None or value >= low) and (high is None or value <= high)


def run(args, gameplay, pool):
    todo = pairings(args.data)
    preset_matches = max(args.matches, args.preset_matches or 0)

    def ten_minute_matches(pairing):
        tactics = pairing[2]
        return preset_matches if tactics and tactics[0] != "442" else args.matches

    ten = [pool.submit(play, args.game, args.data, gameplay, 3, ten_minute_matches(p), args.seed, p) for p in todo]
    short = [pool.submit(play, args.game, args.data, gameplay, 0, max(1, args.matches // 3), args.seed, p)
             for p in todo]
    played = [f.result() for f in ten]
    # Every other figure stays over --matches a pairing; only the preset row gets the extra matches.
    f = figures([x for rows in played for x in rows[:args.matches]], [x for rows in played for x in rows])
    f["preset_matches"] = preset_matches
    short_rows = [r for fut in short for r, _ in fut.result()]
    f["short_goals"] = sum(r["score"][0] + r["score"][1] for r in short_rows) / max(1, len(short_rows))
    return f


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--game", default="build-ci/quilbo")
    parser.add_argument("--data", default="assets")
    parser.add_argument("--matches", type=int, default=13, help="ten-minute matches per pairing")
    parser.add_argument("--preset-matches", type=int, default=0,
                        help="ten-minute matches per preset pairing, for the preset row only (default: --matches)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--gameplay", choices=["enhanced", "classic", "both"], default="both")
    args = parser.parse_args()
    gameplays = ["enhanced", "classic"] if args.gameplay == "both" else [args.gameplay]
    columns = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for g in gameplays:
            started = time.monotonic()
            columns[g] = run(args, g, pool)
            columns[g]["seconds"] = time.monotonic() - started
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
        print("%s: each preset's wins %% against 4-4-2 over %d matches: %s" % (
            g.upper(), c["preset_matches"], ", ".join("%s %.0f" % (p, v) for p, v in sorted(c["preset_shares"].items()))))
        print("%s: %d ten-minute matches, %.0f s with %d jobs" % (g.upper(), c["matches"], c["seconds"], args.jobs))
    return 0


if __name__ == "__main__":
    sys.exit(main())
