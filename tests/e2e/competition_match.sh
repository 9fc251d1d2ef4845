#!/usr/bin/env bash
# A DIY league match played on the pitch in the real game under a virtual display:
# a league of two custom teams meeting once is designed with the mouse, both teams
# COMPUTER; its one match is watched (VIEW MATCH, PLAY MATCH) at the shortest length,
# through to the match statistics, and the game comes back to the league screen with
# the result in its table. Checked: the pitch was really on screen, the league screen
# looks like the reference picture outside the figures that depend on the football,
# and the saved league holds the result, a table that adds up and scorers who add up
# to the score. REFRESH_REFERENCES=1 rewrites the reference picture from this run.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data/competition" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "$1"; exit 1; }

mkdir -p "$out/game"
for entry in "$data"/*; do ln -s "$entry" "$out/game/$(basename "$entry")"; done
# The game's default settings with the automatic replays off: a replay after every goal
# would only make the run longer (28 values: version, 15 options, two key sets).
/usr/bin/python3 - "$out/game/quilbo_soccer.ini" <<'PY'
import struct, sys
values = [77, 2, 0, 0, 1, 2, 5, 1, 4, 1, -2, 40, 0, 1, 0, 0, 38, 40, 37, 39, 188, 190, 87, 90, 65, 83, 67, 86]
open(sys.argv[1], 'wb').write(struct.pack('<28i', *values))
PY
# The reference pictures and the frame the league screen is back by are CLASSIC's, which never changes.
echo 'gameplay = classic' > "$out/game/quilbo_options.txt"

frame=100
events=("10 char x")
shots=()
step() {
  for e in "$@"; do
    case $e in
      shot:*) shots+=(--screenshot "$((frame - 4)):$out/${e#shot:}.png") ;;
      click:*) xy=${e#click:}; events+=("$frame mouse ${xy/,/ }" "$((frame + 3)) mousedown 1" "$((frame + 5)) mouseup 1"); frame=$((frame + 10)) ;;
      rclick:*) xy=${e#rclick:}; events+=("$frame mouse ${xy/,/ }" "$((frame + 3)) mousedown 2" "$((frame + 5)) mouseup 2"); frame=$((frame + 10)) ;;
      *) events+=("$frame $e"); frame=$((frame + 8)) ;;
    esac
  done
}
# Main menu: DIY competition, new league; two teams, each met once; custom teams.
step "press RIGHT" "press DOWN" "press COMMA" "press COMMA"
step "press UP" "press DOWN" "press RIGHT" "press DOWN" "press DOWN" "press COMMA" "press COMMA"
step "press DOWN" "press COMMA" rclick:722,271 rclick:722,271 rclick:722,316 shot:design click:512,644
# The first two custom teams as COMPUTER, the league starts; VIEW MATCH, then PLAY MATCH.
step click:512,304 click:512,336 click:812,717 shot:before click:192,716 "press COMMA"
kickoff=$frame
# The walk-on and open play of the first half; the league screen is back long before the last frame.
shots+=(--screenshot "$((kickoff + 3000)):$out/pitch.png")
last=$((kickoff + 13600))
shots+=(--screenshot "$((last - 40)):$out/after.png")
events+=("$((last - 20)) mouse 1010 300" "$last down LALT" "$last down F1")
printf '%s\n' "${events[@]}" > "$out/script.txt"
set +e
(cd "$out" && xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/game" --no-sound --seed 1 --fast \
  --input "$out/script.txt" --frames $((last + 60)) "${shots[@]}" >"$out/stdout" 2>"$out/stderr")
rc=$?
set -e
[ "$rc" = 0 ] || { cat "$out/stdout" "$out/stderr"; fail "exit status $rc"; }
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$out/script.txt" "$KEEP_SHOTS"/; fi
grep -qx quit "$out/stdout" || fail "no quit line"
for f in design before pitch after; do [ -s "$out/$f.png" ] || fail "missing screenshot $f"; done
if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "$out/after.png" "$refs/league_match_played.png"; fi

# Screenshots are compared outside the areas the football decides.
. "$(dirname "$0")/lib/screenshots.sh"

# The match was on the pitch: half-way through, nothing of the league screen is left.
d=$(difference "$out/pitch.png" "$out/before.png")
below 0.5 "$d" || fail "no match on the pitch (only $d of the picture changed)"
# Back on the league screen, the match played: NEXT MATCH instead of VIEW MATCH and VIEW RESULT.
# The table rows and the result line hold what the football made of the match; they are
# checked against the save below instead.
d=$(difference "$out/after.png" "$refs/league_match_played.png" 100,105,885,160 240,660,790,692)
below "$d" 0.005 || fail "the league screen after the match does not look like tests/data/competition/league_match_played.png ($d)"
! cmp -s "$out/before.png" "$out/after.png" || fail "the league screen did not change"

/usr/bin/python3 - "$out/game/quilbo_competition.sav" <<'PY' || fail "the saved league does not hold the match"
import sys
lines = open(sys.argv[1], encoding='latin-1').read().splitlines()
teams = [l.split() for l in lines if l.startswith('team ')]
matches = [l.split() for l in lines if l.startswith('match ')]
assert len(teams) == 2 and len(matches) == 1, (len(teams), len(matches))
m = matches[0]
assert m[3] != '-', 'no result for the match'
h, a = int(m[1]), int(m[2]); goals = list(map(int, m[3].split(':')))
for side, f, g in ((h, goals[0], goals[1]), (a, goals[1], goals[0])):
    t = teams[side]
    won, drawn, lost, gf, ga, pts = (int(v) for v in t[7:13])
    assert (won, drawn, lost) == (int(f > g), int(f == g), int(f < g)), t
    assert (gf, ga, pts) == (f, g, 3 * (f > g) + (f == g)), t
# Every goal of the score has its scorer among the two squads (own goals aside).
block = {}
current = None
for l in lines:
    if l.startswith('team '): current = len(block); block[current] = 0
    elif l.startswith('player ') and current is not None: block[current] += int(l.split()[2])
assert sum(block.values()) <= sum(goals), (block, goals)
assert sum(block.values()) >= 1 or sum(goals) == 0, (block, goals)
print('saved result %s' % m[3])
PY
echo ok
