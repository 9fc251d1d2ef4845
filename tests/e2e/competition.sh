#!/usr/bin/env bash
# DIY competitions in the real game under a virtual display:
# 1. a league of 4 custom teams meeting twice, designed with the keyboard and played entirely by
#    results to its end; the table, scorers and statistics screens are compared with reference
#    pictures and the saved model is checked for standings that add up;
# 2. a cup of 8 teams over 3 two-legged rounds designed with the mouse, played by results to the
#    final, its screens compared with reference pictures;
# 3. a league quit mid-season continues in a new session from the main menu;
# 4. a truncated save file is reported in one line, ignored and left as it was.
# REFRESH_REFERENCES=1 rewrites the reference pictures from this run.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data/competition" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

fresh_folder() {
  rm -rf "$out/$1" && mkdir -p "$out/$1"
  for entry in "$data"/*; do ln -s "$entry" "$out/$1/$(basename "$entry")"; done
}

# Events one every 8 frames from frame 100; "shot:NAME" takes a screenshot just before the next event.
frame=100
events=()
shots=()
begin() { frame=100; events=("10 char x"); shots=(); }
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
repeat() { local n=$1; shift; for ((i = 0; i < n; i++)); do step "$@"; done; }
run() {
  local folder=$1 name=$2
  step "down LALT" "down F1"
  printf '%s\n' "${events[@]}" > "$out/$name.txt"
  set +e
  (cd "$out" && xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/$folder" --no-sound --seed 1 --fast \
    --input "$out/$name.txt" --frames $((frame + 60)) "${shots[@]}" >"$out/$name.stdout" 2>"$out/$name.stderr")
  local rc=$?
  set -e
  [ "$rc" = 0 ] || { cat "$out/$name.stdout" "$out/$name.stderr"; echo "$name: exit status $rc"; exit 1; }
  grep -qx quit "$out/$name.stdout" || { echo "$name: no quit line"; exit 1; }
}

# Keyboard design of a league of 4 custom teams meeting each other twice, and the choice of four.
design_league() {
  step "press RIGHT" "press DOWN" "press COMMA" shot:$1_diy "press COMMA"
  step "press UP" "press DOWN" "press RIGHT" "press DOWN" "press DOWN" "press COMMA" "press COMMA"
  step "press DOWN" "press COMMA" shot:$1_design
  repeat 6 "press DOWN"
  step "press COMMA" "press COMMA" "press DOWN" "press COMMA" "press DOWN" "press COMMA" "press DOWN" "press COMMA"
  repeat 5 "press DOWN"
  step "press RIGHT" shot:$1_selected "press COMMA"
}

# 1. The league by results.
fresh_folder league
begin
step shot:main_fresh
design_league league
step shot:league_start
repeat 12 "press COMMA" "press COMMA"
step shot:league_end "press COMMA" shot:league_stats "press COMMA" shot:league_scorers "press COMMA"
step "press DOWN" "press COMMA" shot:league_info
run league league

# 2. The cup with the mouse: 3 rounds, each over two legs with penalties, away goals after 90 minutes.
fresh_folder cup
begin
step click:752,317 click:512,400 shot:cup_design_default rclick:372,247
for y in 331 362 393; do step click:407,$y click:857,$y; done
step click:836,161 shot:cup_design click:512,655
for k in 1 2 3 4 5 6 7 8; do step click:512,$((258 + 32 * k + 15)); done
step shot:cup_selected click:812,717 "mouse 1010 300" shot:cup_first
# 14 results and 13 NEXT MATCH presses: the final's result ends the cup.
repeat 4 "press COMMA" "press COMMA"
step shot:cup_second_leg "press COMMA" shot:cup_second_result "press COMMA"
repeat 8 "press COMMA" "press COMMA"
step "press COMMA" shot:cup_end "press COMMA" "press COMMA" shot:cup_scorers "press COMMA" "press DOWN" "press COMMA" shot:cup_info
run cup cup

# 3. Quit after five results, then continue in a new session.
fresh_folder restart
begin
design_league restart
repeat 5 "press COMMA" "press COMMA"
step shot:restart_before
run restart first
cp "$out/restart/quilbo_competition.sav" "$out/saved_before_restart.sav"
begin
step shot:restart_main click:512,487 "mouse 1010 300" shot:restart_after
run restart second
cp "$out/restart/quilbo_competition.sav" "$out/saved_after_restart.sav"

# 4. A truncated save file.
head -c 300 "$out/saved_before_restart.sav" > "$out/restart/quilbo_competition.sav"
cp "$out/restart/quilbo_competition.sav" "$out/truncated.sav"
begin
step shot:truncated_main
run restart truncated

if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$out"/*.txt "$KEEP_SHOTS"/; fi

fail() { echo "$1"; exit 1; }
for f in main_fresh league_design league_selected league_start league_end league_stats league_scorers league_info \
         cup_design_default cup_design cup_selected cup_first cup_second_leg cup_second_result cup_end cup_scorers cup_info \
         restart_before restart_main restart_after truncated_main; do
  [ -s "$out/$f.png" ] || fail "missing screenshot $f"
done

# Pictures: the same within a small tolerance (the mouse arrow and antialiasing aside).
. "$(dirname "$0")/lib/screenshots.sh"
for f in league_design league_end league_stats league_scorers league_info cup_design cup_first cup_second_leg cup_end cup_info; do
  if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "$out/$f.png" "$refs/$f.png"; continue; fi
  close_to "$out/$f.png" "$refs/$f.png" || fail "$f does not look like tests/data/competition/$f.png"
done

# The league's saved model: 12 results, and every team's figures are those its results add up to.
/usr/bin/python3 - "$out/league/quilbo_competition.sav" <<'PY' || fail "the saved league does not add up"
import sys
lines = open(sys.argv[1], encoding='latin-1').read().splitlines()
teams = [l.split() for l in lines if l.startswith('team ')]
matches = [l.split() for l in lines if l.startswith('match ')]
assert len(teams) == 4 and len(matches) == 12, (len(teams), len(matches))
fig = [[0] * 6 for _ in teams]  # won drawn lost for against points
for m in matches:
    h, a = int(m[1]), int(m[2]); gh, ga = map(int, m[3].split(':'))
    for side, (f, g) in ((h, (gh, ga)), (a, (ga, gh))):
        r = fig[side]; r[3] += f; r[4] += g
        if f > g: r[0] += 1; r[5] += 3
        elif f == g: r[1] += 1; r[5] += 1
        else: r[2] += 1
for t, r in zip(teams, fig):
    assert [int(v) for v in t[7:13]] == r, (t, r)
assert any(l.startswith('common ') and l.split()[9] == '1' for l in lines), 'league not ended'
PY

# The continued league is the one that was left: the same screen, the same saved file.
close_to "$out/restart_before.png" "$out/restart_after.png" || fail "the continued league is not the one left"
cmp -s "$out/saved_before_restart.sav" "$out/saved_after_restart.sav" || fail "continuing changed the save"
! cmp -s "$out/main_fresh.png" "$out/restart_main.png" || fail "the main menu offers no competition to continue"

# The truncated file: one line saying so, no competition offered, the file left alone.
[ "$(grep -c 'competition save file' "$out/truncated.stdout")" = 1 ] || fail "the damaged save was not reported once"
close_to "$out/main_fresh.png" "$out/truncated_main.png" || fail "a damaged save still offers a competition"
cmp -s "$out/truncated.sav" "$out/restart/quilbo_competition.sav" || fail "the damaged save was overwritten"
echo ok
