#!/usr/bin/env bash
# From a fresh settings file: intro, main menu, game options (a change, saved on exit),
# then a friendly set up from the menus with both key sets and the mouse: clubs,
# confederation, country, division, two teams (one PLAYER-COACH, one COMPUTER), the
# line-up screen and the match presentation. A second run reads the saved option back.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The game writes its settings into its data folder: give it a folder of its own.
mkdir "$out/data"
for entry in "$data"/*; do ln -s "$entry" "$out/data/$(basename "$entry")"; done

# One event every 8 frames from frame 100 (the main menu is up by then); "shot NAME" marks a screenshot.
frame=100
events=("10 char x")
shots=()
step() {
  for e in "$@"; do
    case $e in
      shot:*) shots+=(--screenshot "$((frame - 4)):$out/${e#shot:}.png") ;;
      *) events+=("$frame $e"); frame=$((frame + 8)) ;;
    esac
  done
}
step shot:main "press COMMA" shot:options "press DOWN" "press COMMA" shot:options_changed
step "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press COMMA"
step shot:main_again "press RIGHT" "press COMMA" shot:friendly "press COMMA" shot:confederations
step "press COMMA" shot:countries "press COMMA" shot:divisions "press COMMA" shot:teams
# First team PLAYER-COACH (two presses), a third one in and out again (four presses), the second COMPUTER.
step "press COMMA" "press COMMA" shot:first_chosen "press DOWN" "press DOWN" "press COMMA" "press COMMA" "press COMMA"
step "press COMMA" shot:third_dropped "press UP" "press COMMA" shot:two_chosen
step "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press DOWN" "press RIGHT" "press RIGHT"
step "press COMMA" shot:lineup
# Key set 1 on the line-up: up to the input device, fire on keyboard 2 picks it.
step "press W" "press C" shot:lineup_keyboard2 "press Z" "press C" shot:presentation
# The mouse on the pitch picture: the random pitch becomes the first pitch type.
step "mouse 285 210" "mousedown 1" "mouseup 1" shot:presentation_pitch
step "down LALT" "down F1"
{
  for e in "${events[@]}"; do echo "$e"; done
} > "$out/script.txt"

run() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast "$@"
}
set +e
run --input "$out/script.txt" --frames $((frame + 100)) "${shots[@]}" >"$out/stdout" 2>"$out/stderr"
rc=$?
set -e
cat "$out/stdout" "$out/stderr"
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$out/script.txt" "$KEEP_SHOTS"/; fi
[ "$rc" = 0 ] || { echo "exit status $rc"; exit 1; }
grep -qx quit "$out/stdout" || { echo "no quit line"; exit 1; }
names=(main options options_changed main_again friendly confederations countries divisions teams first_chosen
       third_dropped two_chosen lineup lineup_keyboard2 presentation presentation_pitch)
for f in "${names[@]}"; do [ -s "$out/$f.png" ] || { echo "missing screenshot $f"; exit 1; }; done
differ() { ! cmp -s "$out/$1.png" "$out/$2.png" || { echo "$3"; exit 1; }; }
differ main options "fire did not open the game options"
differ options options_changed "fire did not change the player's country"
differ options_changed main_again "exit did not return to the main menu"
differ main_again friendly "the friendly screen did not open"
differ friendly confederations "club teams did not open the confederations"
differ confederations countries "a confederation did not open its countries"
differ countries divisions "a country with divisions did not open them"
differ divisions teams "a division did not open its teams"
differ teams first_chosen "a team press did not select it"
differ third_dropped two_chosen "the second team was not selected"
differ two_chosen lineup "play did not open the line-up"
differ lineup lineup_keyboard2 "fire of key set 1 did not pick keyboard 2"
differ lineup_keyboard2 presentation "play match did not open the presentation"
# Four presses leave a team where it was before: the play button reads the same as with one team chosen.
. "$(dirname "$0")/lib/screenshots.sh"
same_region() { same_region_of "$out/$1.png" "$out/$2.png" "$3" "$4" "$5" "$6"; }
same_region first_chosen third_dropped 632 700 992 734 || { echo "a fourth press did not deselect the team"; exit 1; }
# The pitch name beside the pictures changed (the pointer itself is elsewhere).
! same_region presentation presentation_pitch 512 198 700 222 || { echo "a click on the pitch picture changed nothing"; exit 1; }
! same_region third_dropped two_chosen 632 700 992 734 || { echo "two teams did not make the play button"; exit 1; }

# The settings file holds the changed option (use_flags, the 7th value after the version) ...
[ -s "$out/data/quilbo_soccer.ini" ] || { echo "no settings file written"; exit 1; }
flags=$(od -An -t d4 -j 28 -N 4 "$out/data/quilbo_soccer.ini" | tr -d ' ')
[ "$flags" = 0 ] || { echo "use_flags saved as $flags"; exit 1; }
# ... and the next start reads it: the game options open showing it as the changed screen did.
printf '10 char x\n100 press COMMA\n' > "$out/again.txt"
run --input "$out/again.txt" --frames 120 --screenshot 116:"$out/options_next_start.png" >/dev/null 2>&1
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out/options_next_start.png" "$KEEP_SHOTS"/; fi
# Inside the player's-country value button, clear of the selection border.
same_region options_changed options_next_start 540 214 964 240 || { echo "the saved option was not read back"; exit 1; }
! same_region options options_next_start 540 214 964 240 || { echo "the next start shows the old option"; exit 1; }
echo ok
