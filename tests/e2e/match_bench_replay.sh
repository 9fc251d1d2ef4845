#!/usr/bin/env bash
# A whole 3-minute match started with --match, the home side played from key set 1 (W Z A S, fire C / V)
# under a virtual display: a substitution from the bench while the teams wait for the kick-off, an instant
# replay (R) paused (P) and in slow motion (R), three highlights kept with Space, full time, H on the end
# screen shows a highlight, back on the end screen S saves them under replays/, and quilbo --watch shows
# the saved file; a copy cut short is turned away with one line. Screenshots are compared with reference
# pictures outside what the football decides. REFRESH_REFERENCES=1 rewrites the references from this run.
#
# When the match ends depends on the football, so after the first minutes the script repeats one "tick"
# every 80 frames that is harmless in play and walks the end screen through its keys: S (a push to the
# right, never at a goal: no own goals from the keeper's kicks), then fire 1 with H. On the end screen S saves and H (read before fire 1) opens a highlight; fire 1 of the
# next tick leaves it, and the tick after that saves again from the end screen. The save files' times place
# the end among the screenshots; the game is closed once three saves are made.
set -euo pipefail
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data/match_bench_replay" && pwd)
out=$(mktemp -d)
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill -TERM "$game_pid" 2>/dev/null || true
  rm -rf "$out"
}
trap cleanup EXIT
fail() { echo "$1"; exit 1; }
. "$(dirname "$0")/lib/screenshots.sh"

# The working directory is a folder of links to the data and the one folder the game reads and writes
# (--data), so the saved highlights land there.
mkdir -p "$out/game"
for entry in "$data"/*; do
  case $(basename "$entry") in quilbo_soccer.ini | replays) ;; *) ln -s "$entry" "$out/game/$(basename "$entry")" ;; esac
done
# Settings: display 640 x 400, 3 minutes, no automatic replays (each goal would add 7 s); the rest as a
# fresh start has them (substitutions 2, bench of 5, key set 1 W Z A S C V).
/usr/bin/python3 - "$out/game/quilbo_soccer.ini" <<'PY'
import struct, sys
values = [77, 0, 0, 0, 1, 2, 5, 1, 4, 1, -2, 40, 0, 1, 0, 0, 38, 40, 37, 39, 188, 190, 87, 90, 65, 83, 67, 86]
open(sys.argv[1], 'wb').write(struct.pack('<28i', *values))
PY

TICK=40
LATE_TICK=80
LATE=9600     # no 3-minute match ends before this frame: 7200 updates of open play and the phases around them
LAST=40000    # nor after this one
events=() shots=()
shot() { shots+=(--screenshot "$2:$out/$1.png"); }
kick() { # a push, fire 1 two frames later; with "late" also S and H
  local f=$1 k=$2 late=${3:-}
  events+=("$f down $k" "$((f + 2)) down C" "$((f + 4)) up C" "$((f + 8)) up $k")
  if [ -n "$late" ]; then events+=("$f down S" "$((f + 2)) down H" "$((f + 4)) up H" "$((f + 8)) up S"); fi
}
# Skip the walk-on. The teams line up and wait for the home side's kick-off; fire 2 then opens the bench.
# Two rows down to the substitute, choose him; the formation suggests whom he replaces, fire brings him on.
# Space on the bench keeps the first highlight (the teams lining up) and says so over the bench's side of
# the pitch. Back to the bench list, out.
events+=("100 press C" "600 press V" "680 press Z" "700 press Z" "720 press C" "750 press C" "760 press SPACE"
         "790 press A" "830 press A")
shot bench_substitute 710
shot action_recorded 766
shot formation_after 780
shot bench_after 810
# Kick-off and open play.
for f in $(seq 940 $TICK 1260); do kick "$f" "$([ $(((f / TICK) % 2)) = 0 ] && echo W || echo Z)"; done
# R: the replay fades in by frame 1365. P pauses it; R while paused turns on slow motion, P goes on.
events+=("1300 press R" "1400 press P" "1460 press R" "1480 press P")
shot replay 1390
shot paused_1 1410
shot paused_2 1440
for f in 1500 1501 1502; do shot "slow_$f" "$f"; done
shot slow_late 1800 # at full speed the replay would have ended by 1700
shot replay_over 1960
# Two more highlights kept in open play.
events+=("2025 press SPACE" "2105 press SPACE")
# From here on every tick is the late one, which the end screen answers (a screenshot costs more than 50
# updates of the game, so there is one per tick and only where the match may be over).
ticks=()
for f in $(seq 2040 $LATE_TICK $LAST); do
  kick "$f" S late
  [ "$f" -ge $LATE ] || continue
  ticks+=("$f")
  shot "late_$((f + 70))" $((f + 70))
done
printf '%s\n' "${events[@]}" | sort -n -s -k1,1 > "$out/script.txt"

# The game runs in the background so that it can be closed once the end screen has been walked through.
(cd "$out/game" && exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'echo $$ > "$0"; exec "$@"' "$out/pid" \
  "$game" --data "$out/game" --no-sound --seed 3 --fast --match eng:1 esp:1 --home-control player --away-control computer \
  --length 0 --pitch normal --weather clear --time day --input "$out/script.txt" --frames $((LAST + 200)) \
  "${shots[@]}" >"$out/stdout" 2>"$out/stderr") &
runner=$!
saves() { grep -c '^Highlights saved to ' "$out/stdout" 2>/dev/null || true; }
newest_shot() { # the frame of the newest screenshot written so far
  local newest=0 f
  for f in "${ticks[@]}"; do [ -e "$out/late_$((f + 70)).png" ] && newest=$((f + 70)); done
  echo "$newest"
}
while kill -0 "$runner" 2>/dev/null; do
  sleep 0.2
  [ -z "$game_pid" ] && [ -s "$out/pid" ] && game_pid=$(cat "$out/pid")
  if [ "$(saves)" -ge 3 ]; then
    # The third save placed by a later screenshot, then the window's close request: the game ends as a
    # player would end it.
    target=$(($(newest_shot) + LATE_TICK))
    while kill -0 "$runner" 2>/dev/null && [ "$(newest_shot)" -lt "$target" ]; do sleep 0.2; done
    kill -TERM "$game_pid" 2>/dev/null || true
    break
  fi
done
set +e
wait "$runner"
rc=$?
set -e
game_pid=
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$out/stdout" "$out/script.txt" "$KEEP_SHOTS"/ 2>/dev/null || true; fi
[ "$rc" = 0 ] || { cat "$out/stdout" "$out/stderr"; fail "exit status $rc"; }
grep -qx quit "$out/stdout" || fail "no quit line"
[ "$(saves)" -ge 3 ] || { tail -5 "$out/stdout"; fail "the match did not reach its end screen and three saves by frame $LAST"; }
echo "match: $(grep -c '^current highlight: ' "$out/stdout") highlights shown, $(saves) saves"

# Where the end fell. The first save may come in the end screen's first update, before its fade-in; from
# then on every 160 frames one tick saves and opens a highlight (H), fire 1 of the next tick leaves it, and
# the end screen is back before the tick after that saves again. The save files' times place the saves among
# the screenshots: the screenshot 70 frames after the saving tick is the first one written after the file.
save_ticks=$(/usr/bin/python3 - "$out" "${ticks[@]}" <<'PY'
import glob, os, sys
out, ticks = sys.argv[1], [int(t) for t in sys.argv[2:]]
shots = [(f, os.stat('%s/late_%d.png' % (out, f + 70)).st_mtime_ns) for f in ticks
         if os.path.exists('%s/late_%d.png' % (out, f + 70))]
for saved in sorted(glob.glob(out + '/game/replays/*.qhl'), key=os.path.getmtime):
    t = os.stat(saved).st_mtime_ns
    print(min([f for f, m in shots if m > t] or [0]))
PY
)
read -r s1 s2 s3 _ <<<"$(echo $save_ticks)"
echo "saves in the ticks of frames $save_ticks"
[ "$s2" -gt 0 ] && [ "$s3" = $((s2 + 160)) ] || fail "the end screen did not go round H, fire 1 and S as it should"
saved=replays/$(cd "$out/game/replays" && ls -t | tail -1) # the first one
highlight=$out/late_$((s2 + 70)).png   # H of tick s2 opened it; fire 1 of tick s2 + 80 leaves it
end_screen=$out/late_$((s2 + 150)).png # back on the end screen before tick s3 saves again
for f in "$highlight" "$end_screen"; do [ -s "$f" ] || fail "missing screenshot $(basename "$f")"; done

# The saved file watched again, then a copy cut short by one sample, as an interrupted copy leaves it.
watch_shots=()
for f in 7 40; do watch_shots+=(--screenshot "$f:$out/watch_$f.png"); done
set +e
(cd "$out/game" && xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/game" --no-sound --fast --watch "$saved" --frames 60 \
  "${watch_shots[@]}" >"$out/watch_stdout" 2>"$out/watch_stderr")
rc=$?
set -e
[ "$rc" = 0 ] || { cat "$out/watch_stdout" "$out/watch_stderr"; fail "--watch: exit status $rc"; }
grep -q "^Watching .*$(basename "$saved"): Thornpool Albion v Racing Vanencia, " "$out/watch_stdout" || { cat "$out/watch_stdout"; fail "--watch did not read the file"; }
size=$(stat -c %s "$out/game/$saved")
head -c $((size - 143)) "$out/game/$saved" > "$out/game/damaged.qhl"
set +e
(cd "$out/game" && xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/game" --no-sound --fast --watch damaged.qhl --frames 60 \
  >"$out/damaged_stdout" 2>"$out/damaged_stderr")
rc=$?
set -e
[ "$rc" -lt 128 ] || fail "a damaged file crashed the game (exit status $rc)"
[ "$rc" != 0 ] || fail "a damaged file was watched"
[ "$(wc -l < "$out/damaged_stdout")" = 1 ] && grep -q '^Cannot watch .*damaged.qhl: ' "$out/damaged_stdout" ||
  { cat "$out/damaged_stdout"; fail "a damaged file needs one line saying why it cannot be watched"; }
[ ! -s "$out/damaged_stderr" ] || { cat "$out/damaged_stderr"; fail "a damaged file wrote to standard error"; }
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/watch_*.png "$highlight" "$end_screen" "$KEEP_SHOTS"/; fi

# Pictures. Regions are x0,y0,x1,y1 on the 640 x 400 display.
only() { # the masks that leave only the rectangle x0,y0,x1,y1
  local x0 y0 x1 y1
  IFS=, read -r x0 y0 x1 y1 <<<"$1"
  echo "0,0,640,$y0 0,$y1,640,400 0,$y0,$x0,$y1 $x1,$y0,640,$y1"
}
keep() { # the masks that leave only the given rectangles
  /usr/bin/python3 - "$@" <<'PY'
import sys
W, H = 640, 400
rects = [tuple(map(int, r.split(','))) for r in sys.argv[1:]]
ys = sorted({0, H} | {r[1] for r in rects} | {r[3] for r in rects})
out = []
for y0, y1 in zip(ys, ys[1:]):
    x = 0
    for a, b in sorted((r[0], r[2]) for r in rects if r[1] <= y0 and r[3] >= y1):
        if a > x: out.append('%d,%d,%d,%d' % (x, y0, a, y1))
        x = max(x, b)
    if x < W: out.append('%d,%d,%d,%d' % (x, y0, W, y1))
print(' '.join(out))
PY
}
SIGN=34,28,74,74
CLOCK_LABEL=46,22,94,42
declare -A masks=(
  # the bench panels over the bench and the lining-up players: only the panels count
  [bench_substitute]="$(only 212,94,468,310)" [formation_after]="$(only 212,48,468,356)"
  [bench_after]="$(only 212,94,468,310)"
  [replay]="$(only $SIGN)" [replay_over]="$(only $CLOCK_LABEL)"
  [action_recorded]="$(only 250,0,390,14)"
  # the first highlight kept: the teams lining up before the bench opened; the score panel left out
  [highlight]="0,190,640,400"
  # of the watched file (no goals in it) only the score digits and the two crests
  [watched]="$(keep 281,296,305,332 311,296,335,332 337,296,361,332 13,347,47,391 593,347,627,391)"
)
declare -A pictures=([bench_substitute]="$out/bench_substitute.png" [formation_after]="$out/formation_after.png"
  [bench_after]="$out/bench_after.png" [replay]="$out/replay.png" [replay_over]="$out/replay_over.png"
  [action_recorded]="$out/action_recorded.png" [highlight]="$highlight"
  [watched]="$out/watch_40.png")
# Past 30 kept highlights (a match of 28 goals) the first one shown is no longer the one from the bench.
kept=$(sed -n 's/^Watching .*, \([0-9]*\) highlights$/\1/p' "$out/watch_stdout")
[ "$kept" -ge 3 ] || fail "only $kept highlights were kept: three Space presses make three"
[ "$kept" -lt 30 ] || unset 'pictures[highlight]'
for name in "${!pictures[@]}"; do
  [ -s "${pictures[$name]}" ] || fail "missing screenshot for $name"
  if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "${pictures[$name]}" "$refs/$name.png"; continue; fi
  # shellcheck disable=SC2086
  close_to "${pictures[$name]}" "$refs/$name.png" ${masks[$name]} ||
    fail "$name does not look like tests/data/match_bench_replay/$name.png"
done
# The end screen: its statistics panel is see-through, and the pitch lines behind it move with the camera
# (a few per cent of the picture), so the panel is checked loosely, and the save key's caption between the
# title and the first row closely (missing, a quarter of its box differs).
if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "$end_screen" "$refs/end_screen.png"; echo "references rewritten"; exit 0; fi
d=$(difference "$end_screen" "$refs/end_screen.png" 100,100,160,400 480,100,540,400 10,22,46,42)
below "$d" 0.1 || fail "the end screen does not look like tests/data/match_bench_replay/end_screen.png ($d)"
d=$(difference "$end_screen" "$refs/end_screen.png" $(only 250,52,390,70))
below "$d" 0.1 || fail "no \"S: SAVE HIGHLIGHTS\" between the statistics' title and first row ($d)"

# The substitution changed the bench list and the line-up.
! cmp -s "$out/bench_substitute.png" "$out/bench_after.png" || fail "the bench list did not change"
# Paused, the replay stands still; in slow motion its sign turns a step every second update (every update at
# full speed), and it still runs when a full-speed one would have been over.
close_to "$out/paused_1.png" "$out/paused_2.png" || fail "the paused replay moved"
same_sign() { [ "$(difference "$1" "$2" $(only $SIGN))" = 0.0 ]; }
steps=0
for f in 1500 1501; do same_sign "$out/slow_$f.png" "$out/slow_$((f + 1)).png" || steps=$((steps + 1)); done
[ "$steps" = 1 ] || fail "the replay sign turned $steps times in 2 updates: no slow motion"
# (another cell of the sign: its dots differ, up to a sixth of the box)
d=$(difference "$out/slow_late.png" "$refs/replay.png" $(only $SIGN))
below "$d" 0.4 || fail "no replay sign at frame 1800: the slow-motion replay ended too soon"
# The watched file shows what the first highlight showed after the match, sample for sample: the 7th frame
# of watching is the highlight's place at the screenshot (its score panel left out: the file has no goals).
close_to "$highlight" "$out/watch_7.png" 0,190,640,400 || fail "the watched file does not show the highlight seen after the match"
echo ok
