#!/usr/bin/env python3
"""The newcomer benchmark: the scripted newcomer (--newcomer) against the computer on each COMPUTER level of
ENHANCED, in headless ten-minute matches of an evenly matched pairing, half of them at home and half away.

    tools/newcomer_benchmark.py [--game build/quilbo] [--data assets] [--matches 30] [--jobs 2]
                                [--home uef:1] [--away uef:2] [--seed 1]

--matches is per level (an odd count gives the extra match at home). Per level it prints the newcomer's wins,
draws and losses and his goals for and against per match, then whether the levels hold: the newcomer does not
beat NORMAL (fewer goals for than against, fewer wins than losses), HARD beats him by more than NORMAL does, and
EASY is the easiest of the three.
"""
import argparse
import concurrent.futures
import json
import os
import subprocess
import sys

LEVELS = ["easy", "normal", "hard"]


def play(game, data, home, away, level, side, matches, seed):
    """The newcomer's (goals for, goals against, finished) of each match."""
    cmd = [game, "--data", data, "--headless", "--match", home, away, "--length", "3", "--seed", str(seed),
           "--matches", str(matches), "--gameplay", "enhanced", "--computer", level, "--newcomer", side]
    done = subprocess.run(cmd, capture_output=True, text=True)
    rows = [json.loads(line) for line in done.stdout.splitlines() if line.startswith('{"home"')]
    if len(rows) != matches:
        sys.exit("%s: %d of %d matches came back\n%s" % (" ".join(cmd), len(rows), matches, done.stderr))
    mine = 0 if side == "home" else 1
    return [(r["score"][mine], r["score"][1 - mine], r["reached_end"]) for r in rows]


def tally(results):
    n = max(1, len(results))
    return {
        "matches": len(results),
        "won": sum(1 for f, a, _ in results if f > a),
        "drawn": sum(1 for f, a, _ in results if f == a),
        "lost": sum(1 for f, a, _ in results if f < a),
        "for": sum(f for f, _, _ in results) / n,
        "against": sum(a for _, a, _ in results) / n,
        "unfinished": sum(1 for _, _, done in results if not done),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--game", default="build/quilbo")
    parser.add_argument("--data", default="assets")
    parser.add_argument("--matches", type=int, default=30, help="matches per level, home and away together")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--home", default="uef:1", help="the newcomer's side when he plays at home")
    parser.add_argument("--away", default="uef:2")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if not os.path.exists(args.game):
        sys.exit("no game at %s: build it first" % args.game)

    at_home = (args.matches + 1) // 2
    away = args.matches - at_home
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        # The same pairing both ways round: at home the newcomer has the first team, away the other one.
        jobs = {}
        for level in LEVELS:
            jobs[level] = [pool.submit(play, args.game, args.data, args.home, args.away, level, "home", at_home,
                                       args.seed)]
            if away:
                jobs[level].append(pool.submit(play, args.game, args.data, args.home, args.away, level, "away",
                                               away, args.seed))
        figures = {level: tally([x for f in jobs[level] for x in f.result()]) for level in LEVELS}

    print("The newcomer against the computer, ENHANCED, %s v %s, ten-minute matches" % (args.home, args.away))
    print("%-8s %7s %4s %5s %4s %9s %9s" % ("level", "matches", "won", "drawn", "lost", "for/match", "against"))
    for level in LEVELS:
        f = figures[level]
        print("%-8s %7d %4d %5d %4d %9.2f %9.2f" % (level.upper(), f["matches"], f["won"], f["drawn"], f["lost"],
                                                    f["for"], f["against"]))
    easy, normal, hard = (figures[level] for level in LEVELS)

    def margin(f):
        return f["against"] - f["for"]

    checks = [
        ("the newcomer does not beat NORMAL", normal["for"] < normal["against"] and normal["won"] < normal["lost"]),
        ("HARD beats him by more than NORMAL", margin(hard) > margin(normal) and hard["lost"] >= normal["lost"]),
        ("EASY is the easiest", margin(easy) < margin(normal) and margin(easy) < margin(hard)),
        ("every match ended", all(f["unfinished"] == 0 for f in figures.values())),
    ]
    for label, ok in checks:
        print("%-40s %s" % (label, "ok" if ok else "MISSED"))
    return 0 if all(ok for _, ok in checks) else 1


if __name__ == "__main__":
    sys.exit(main())
