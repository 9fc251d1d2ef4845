#!/usr/bin/env bash
# The first whole journey, from a fresh settings file: intro, main menu, game options (a change),
# match options (3 minutes, no automatic replays, the smallest display), control (LEFT of key set 2
# redefined to J), game options again (saved on exit); a friendly set up from the menus: clubs,
# confederation, country, division, two teams (PLAYER-COACH and COMPUTER, a third one in and out),
# the line-up screen with keyboard 2 picked by its own fire key, the presentation set with the mouse;
# the match played on keyboard 2 to its end screen, the screen after it and out of the game through
# the menus. At the human kick-off the old LEFT key does nothing and J turns the kicker round.
# A second start watches the highlights saved on the end screen and shows the options read back.
# REFRESH_REFERENCES=1 rewrites every reference picture of this script.
set -euo pipefail
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data" && pwd)/menus_friendly_match
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "$1"; exit 1; }
. "$(dirname "$0")/lib/screenshots.sh"

# The game writes its settings and highlights into its data folder: a folder of its own, only the
# game's folders linked in.
mkdir "$out/data"
for d in data images keycodes language music sfx tactics; do ln -s "$data/$d" "$out/data/$d"; done

# Menu steps: one event every 8 frames; "shot:NAME" takes a screenshot 4 frames before the next event.
frame=120
events=("40 char x")
shots=(--screenshot "36:$out/intro.png")
names=(intro)
step() {
  for e in "$@"; do
    case $e in
      shot:*) shots+=(--screenshot "$((frame - 4)):$out/${e#shot:}.png"); names+=("${e#shot:}") ;;
      click:*) xy=${e#click:}; events+=("$frame mouse ${xy/,/ }" "$((frame + 8)) mousedown 1" "$((frame + 16)) mouseup 1")
               frame=$((frame + 24)) ;;
      *) events+=("$frame $e"); frame=$((frame + 8)) ;;
    esac
  done
}
downs() { for ((i = 0; i < $1; i++)); do step "press DOWN"; done; }
# Game options: the player's country as a code; EXIT saves.
step shot:main "press COMMA" shot:options "press DOWN" "press COMMA" shot:options_changed
downs 7; step "press COMMA" shot:main_again
# Match options: the length steps up and back to 3 minutes, replays off, 800 x 600 down to 640 x 400.
step "press DOWN" "press COMMA" shot:match_options "press COMMA" shot:match_length_up "press PERIOD"
step "press DOWN" "press DOWN" "press COMMA" "press DOWN" "press PERIOD" "press PERIOD" shot:match_options_changed
# Past SOUND EFFECTS, COMMENTARY, GAMEPLAY, COMPUTER, AUTO SWITCH and FRIENDLY SHOOT-OUT to EXIT.
downs 7; step "press COMMA"
# Control: key set 2, LEFT; fire starts the capture and the next key is taken.
step "press DOWN" "press DOWN" "press COMMA" shot:control
step "press RIGHT" "press DOWN" "press DOWN" "press COMMA" shot:control_capturing "press J" shot:control_redefined
downs 4; step "press COMMA"
# The options are written when the game options are left.
step "press COMMA" shot:options_again; downs 8; step "press COMMA"
# The friendly: clubs, UEFA, the first country, its premier division.
step "press RIGHT" "press COMMA" shot:friendly "press COMMA" shot:confederations
step "press COMMA" shot:countries "press COMMA" shot:divisions "press COMMA" shot:teams
# First team PLAYER-COACH (two presses), a third one in and out again (four presses), the second COMPUTER.
step "press COMMA" "press COMMA" shot:first_chosen "press DOWN" "press DOWN" "press COMMA" "press COMMA" "press COMMA"
step "press COMMA" shot:third_dropped "press UP" "press COMMA" shot:two_chosen
downs 6; step "press RIGHT" "press RIGHT" "press COMMA" shot:lineup
# Line-up: key set 2 goes up to the input device; its fire picks keyboard 2; then PLAY MATCH.
step "press W" "press C" shot:lineup_keyboard2 "press Z" "press C" shot:presentation
# Presentation with the mouse: day, a normal pitch (random + 5), clear weather.
step click:285,140 click:285,210 click:285,210 click:285,210 click:285,210 click:285,210 click:285,280
step shot:presentation_set click:470,284
start=$frame

# The match. Walk-on, then the intro is cut short by fire; the human side kicks off and waits for it.
shots+=(--screenshot "$((start + 360)):$out/walk_on.png" --screenshot "$((start + 780)):$out/kick_off.png")
shots+=(--screenshot "$((start + 840)):$out/kick_off_old_key.png" --screenshot "$((start + 910)):$out/kick_off_new_key.png")
names+=(walk_on kick_off kick_off_old_key kick_off_new_key)
events+=("$((start + 790)) down A" "$((start + 850)) up A" "$((start + 860)) down J" "$((start + 920)) up J")
# Space keeps highlights (goals add their own): the end screen has something to save.
for f in 1600 3000 6000; do events+=("$((start + f)) press SPACE"); done
# From then on, every 40 frames: keyboard 2 pushes right and fires for 12 frames, a full-strength
# kick (a human kick-off, throw-in, corner or goal kick waits for that; half time and the end screen
# end on it; S on the end screen saves the highlights). The pointer moves in every frame fire is
# held, so no menu takes that fire. Then four clicks that only do something after the match: EXIT
# of the screen after it, GAME OPTIONS of the main menu, MUSIC VOLUME up and QUIT TO OS.
cycle() {
  local f=$1 k
  events+=("$f down S" "$((f + 2)) down C" "$((f + 14)) up C" "$((f + 16)) up S")
  for ((k = 2; k <= 14; k++)); do events+=("$((f + k)) mouse $((20 + 2 * (k % 2))) 20"); done
  # A click lands only where the pointer arrives in that frame: elsewhere the selected button keeps it.
  k=18
  for xy in "512 717" "272 267" "752 340" "512 607"; do
    events+=("$((f + k)) mouse $xy" "$((f + k)) mousedown 1" "$((f + k + 2)) mouseup 1")
    k=$((k + 6))
  done
}
cycle $((start + 400))
last=$((start + 40000))
# Only taken when the game is still running at the end: the match never ended.
shots+=(--screenshot "$((last - 1)):$out/still_running.png")
for ((f = start + 960; f < last; f += 40)); do cycle $f; done
printf '%s\n' "${events[@]}" | sort -n -s -k1,1 > "$out/script.txt"

run() {
  (cd "$out" && xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast "$@")
}
set +e
run --benchmark --input "$out/script.txt" --frames "$last" "${shots[@]}" >"$out/stdout" 2>"$out/stderr"
rc=$?
set -e
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$out/script.txt" "$out/stdout" "$out/stderr" "$KEEP_SHOTS"/ 2>/dev/null || true; fi
[ "$rc" = 0 ] || { cat "$out/stdout" "$out/stderr"; fail "exit status $rc"; }
grep -qx quit "$out/stdout" || fail "no quit line"
for f in "${names[@]}"; do [ -s "$out/$f.png" ] || fail "missing screenshot $f"; done

# Every picture of the journey up to the human kick-off looks as committed (within half a percent).
# Pictures that must equal another one of the run have no reference of their own.
checked() {
  local f
  for f in "$@"; do
    case $f in main_again|kick_off_old_key) continue ;; esac
    if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "$out/$f.png" "$refs/$f.png"; continue; fi
    local hint=
    case $f in kick_off*) hint=" (the coin toss must give the kick-off to the human side)" ;; esac
    close_to "$out/$f.png" "$refs/$f.png" || fail "$f does not look like tests/data/menus_friendly_match/$f.png$hint"
  done
}
mkdir -p "$refs"
checked "${names[@]}"
close_to "$out/main_again.png" "$out/main.png" || fail "the main menu looks different after the game options"
differ() { ! cmp -s "$out/$1.png" "$out/$2.png" || fail "$3"; }
differ options options_changed "fire did not change the player's country"
differ match_options match_length_up "fire did not change the match length"
differ match_options match_options_changed "fire did not change the match options"
differ control_capturing control_redefined "the key capture did not take J"
differ third_dropped two_chosen "the second team was not selected"
differ lineup lineup_keyboard2 "fire of key set 2 did not pick keyboard 2"
differ presentation presentation_set "the clicks did not change the presentation"

# The kick-off waits for the human side: the old LEFT key changes nothing; the new one turns the
# kicker round the ball (the pitch centre) and nothing else.
d=$(difference "$out/kick_off.png" "$out/kick_off_old_key.png")
[ "$d" = 0.0 ] || fail "the old LEFT key still moves the kicker ($d of the picture changed)"
d=$(difference "$out/kick_off.png" "$out/kick_off_new_key.png")
[ "$d" != 0.0 ] || fail "the redefined LEFT key did not move the kicker"
d=$(difference "$out/kick_off.png" "$out/kick_off_new_key.png" 280,170,360,240)
[ "$d" = 0.0 ] || fail "more than the kicker moved on the redefined LEFT key ($d)"

# The end screen was reached: S saved the match's highlights there, and the file holds both teams.
saved=$(sed -n 's/^Highlights saved to //p' "$out/stdout" | head -1)
if [ -z "$saved" ]; then
  cat "$out/stdout"
  [ -s "$out/still_running.png" ] && echo "the game was still running at frame $((last - 1)): the match stalled (KEEP_SHOTS=DIR keeps that picture)"
  fail "the match did not reach its end screen (no highlights saved)"
fi
[ -s "$out/data/$saved" ] || fail "no highlights file $saved in the data folder"
/usr/bin/python3 - "$out/data/$saved" <<'PY' || fail "the saved highlights are not this match's"
import sys
d = open(sys.argv[1], 'rb').read()
assert d[:4] == b'QHL\x1a' and d[4:6] == b'\x01\x00', d[:6]
pos = 7 + d[6] + 5
names = []
for _ in range(2):
    n = d[pos]; names.append(d[pos + 1:pos + 1 + n].decode('latin-1')); pos += 1 + n + 5 + 11 * 6
assert names == ['Ashbury Rovers', 'Ashham Athletic'], names
count = d[pos]
assert 1 <= count <= 30 and len(d) == pos + 1 + count * 73216, (count, len(d))
print('%d highlights of %s v %s' % (count, names[0], names[1]))
PY

# After the match: its EXIT led to the main menu, from there to the game options, whose MUSIC VOLUME
# went up before QUIT TO OS wrote the settings: version, 15 options (the audio driver is the mixer
# of the first start), the two key sets.
ini="$out/data/quilbo_soccer.ini"
[ -s "$ini" ] || fail "no settings file written"
values=$(od -An -v -t d4 "$ini" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
expected="77 0 0 0 1 2 5 0 4 1 -2 50 0 1 0 1 38 40 37 39 188 190 87 90 74 83 67 86"
[ "$values" = "$expected" ] || fail "settings saved as '$values', expected '$expected'"

# The next start reads them back: the saved highlights are watched on the 640 x 400 display; fire
# ends them, Escape the end screen; the screen after the match; then the three option screens.
# The end screen shows the statistics over the last highlight's pitch: only its size is checked.
frame=200
events=("60 press COMMA" "160 press ESC")
shots=(--screenshot "40:$out/watch_highlight.png" --screenshot "150:$out/watch_end.png")
names=()
step shot:watch_after "click:512,717" shot:watch_main "press COMMA" shot:options_read_back
downs 8; step "press COMMA" "press DOWN" "press COMMA" shot:match_options_read_back
# Past the ten rows of the match options to EXIT.
downs 10; step "press COMMA" "press DOWN" "press DOWN" "press COMMA" shot:control_read_back
step "down LALT" "down F1"
printf '%s\n' "${events[@]}" | sort -n -s -k1,1 > "$out/again.txt"
set +e
run --watch "$out/data/$saved" --input "$out/again.txt" --frames $((frame + 20)) "${shots[@]}" >"$out/stdout2" 2>&1
rc=$?
set -e
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/watch_*.png "$out"/*_read_back.png "$out/stdout2" "$KEEP_SHOTS"/; fi
[ "$rc" = 0 ] || { cat "$out/stdout2"; fail "second start: exit status $rc"; }
size() { /usr/bin/python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); print('%dx%d' % struct.unpack('>II', d[16:24]))" "$1"; }
[ "$(size "$out/watch_highlight.png")" = 640x400 ] || fail "the saved display size was not read back"
[ "$(size "$out/watch_end.png")" = 640x400 ] || fail "fire did not end the highlights on the end screen"
differ watch_highlight watch_end "fire did not end the highlights"
for f in "${names[@]}"; do [ -s "$out/$f.png" ] || fail "missing screenshot $f"; done
checked "${names[@]}"
echo ok
