#!/usr/bin/env bash
# Edits a custom team in the real game under a virtual display: renames a player,
# steps his shirt number past a team-mate's, stars a skill, changes the home
# shirt colour, saves, and checks the team file, its backup and the other teams.
set -euo pipefail
game=$1
assets=$(cd "$2" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cp -r "$assets" "$out/data"
cp "$out/data/data/team_cus.qst" "$out/before.qst"
cat > "$out/script.txt" <<'SCRIPT'
10 char x
150 mouse 750 366
155 press COMMA
230 mouse 512 485
235 press COMMA
300 mouse 512 304
305 press COMMA
# row 2: the first name
350 mouse 270 113
355 press COMMA
360 down BACKSPACE
420 up BACKSPACE
425 char Quilbert
440 press ENTER
# row 2: the shirt number, one up, past the numbers team-mates wear
448 mouse 161 113
452 press COMMA
# row 2: fire 2 on the passing skill stars it
460 mouse 672 113
465 press PERIOD
# the team screen: home shirt colour one up, then save
480 mouse 355 728
485 press COMMA
530 mouse 120 474
535 press COMMA
560 mouse 740 726
565 press COMMA
600 mouse 512 600
SCRIPT
set +e
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast \
  --input "$out/script.txt" --frames 620 \
  --screenshot 475:"$out/players.png" --screenshot 555:"$out/team.png" --screenshot 610:"$out/after_save.png" \
  >"$out/stdout" 2>"$out/stderr"
rc=$?
set -e
cat "$out/stdout" "$out/stderr"
[ "$rc" = 0 ] || { echo "exit status $rc"; exit 1; }
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$KEEP_SHOTS"/; fi
cmp -s "$out/before.qst" "$out/data/data/team_cus.qs0" || { echo "backup is not the file as it was"; exit 1; }
/usr/bin/python3 - "$out/before.qst" "$out/data/data/team_cus.qst" <<'PY'
import sys
before, after = (open(p, 'rb').read() for p in sys.argv[1:3])

def blocks(data):
    parts = data.split(b'#')
    return {p[9:12]: p for p in parts[1:]}, parts[0]

b, head_b = blocks(before)
a, head_a = blocks(after)
assert head_a == head_b, "file header changed"
assert set(a) == set(b), "team blocks added or lost"
changed = [k for k in b if a[k] != b[k]]
assert changed == [b'317'], "only the edited team may change: %r" % changed
lines = a[b'317'].split(b'\r\n')
players = [l for l in lines if l[:3].endswith(b':') and l[2:3] == b':']
second = players[1]
assert second[18:32].rstrip() == b'QUILBERT', second
number = int(second[10:18])
numbers = [int(p[10:18]) for p in players]
assert number != 2 and numbers.count(number) == 1, numbers
assert second[83:84] == b'*', "passing is not starred: %r" % second
home_before = [l for l in b[b'317'].split(b'\r\n') if l.startswith(b'Home')][0]
home_after = [l for l in lines if l.startswith(b'Home')][0]
assert int(home_after[17:24]) == (int(home_before[17:24]) + 1) % 23, (home_before, home_after)
print("team file ok")
PY
# A new session loads the edited team.
cat > "$out/script2.txt" <<'SCRIPT'
10 char x
150 mouse 750 366
155 press COMMA
230 mouse 512 485
235 press COMMA
300 mouse 512 304
305 press COMMA
340 mouse 512 20
SCRIPT
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast \
  --input "$out/script2.txt" --frames 360 --screenshot 350:"$out/reloaded.png" >/dev/null 2>&1
[ -s "$out/reloaded.png" ] || { echo "no screenshot of the reloaded team"; exit 1; }
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/reloaded.png "$KEEP_SHOTS"/; fi

# A friendly in a third session: the edited team (PLAYER-COACH) against another custom team
# shows the renamed and renumbered player, with his starred skill, on the line-up screen.
# REFRESH_REFERENCES=1 rewrites the reference picture from this run.
reference="$(cd "$(dirname "$0")/../data/editors" && pwd)/lineup_edited.png"
cat > "$out/script3.txt" <<'SCRIPT'
10 char x
100 press RIGHT
108 press COMMA
# custom teams; the edited team twice (PLAYER-COACH), the next one once (COMPUTER); play
120 mouse 512 569
123 mousedown 1
125 mouseup 1
140 mouse 512 304
143 mousedown 1
145 mouseup 1
150 mouse 512 304
153 mousedown 1
155 mouseup 1
160 mouse 512 336
163 mousedown 1
165 mouseup 1
180 mouse 812 717
183 mousedown 1
185 mouseup 1
200 mouse 1010 10
SCRIPT
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast \
  --input "$out/script3.txt" --frames 260 --screenshot 250:"$out/lineup_edited.png" >/dev/null 2>&1
[ -s "$out/lineup_edited.png" ] || { echo "no screenshot of the line-up"; exit 1; }
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/lineup_edited.png "$KEEP_SHOTS"/; fi
if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "$out/lineup_edited.png" "$reference"; fi
. "$(dirname "$0")/lib/screenshots.sh"
close_to "$out/lineup_edited.png" "$reference" || { echo "the line-up does not look like tests/data/editors/lineup_edited.png"; exit 1; }
echo ok
