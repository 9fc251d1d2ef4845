#!/usr/bin/env bash
# Edits USER 1 in the real game: moves the ball and a player, copies the zone,
# undoes, saves to a file; a second session loads the file and saves it again
# under another name, and the two files must hold the same tactics.
set -euo pipefail
game=$1
assets=$(cd "$2" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cp -r "$assets" "$out/data"
cat > "$out/script.txt" <<'SCRIPT'
10 char x
150 mouse 272 416
155 press COMMA
230 mouse 512 220
235 press COMMA
# pick up the ball in the centre zone, carry it one zone up and left, put it down
270 mouse 238 398
275 press COMMA
280 mouse 157 240
290 press COMMA
# the nearest piece below the ball: pick it up, two cells up, put it down
300 press DOWN
305 press COMMA
310 press UP
320 press UP
330 press COMMA
# copy this zone one zone to the right
340 mouse 80 727
345 press COMMA
350 press RIGHT
360 press COMMA
# undo the copy and one of the two steps
370 mouse 380 727
375 press COMMA
380 press COMMA
# save: warning, then the save screen with the slot's file name
390 mouse 720 727
395 press COMMA
430 mouse 512 627
435 press COMMA
470 mouse 512 640
475 press COMMA
SCRIPT
run() {
  set +e
  xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast "$@" >"$out/stdout" 2>"$out/stderr"
  local rc=$?
  set -e
  cat "$out/stdout" "$out/stderr"
  [ "$rc" = 0 ] || { echo "exit status $rc"; exit 1; }
}
run --input "$out/script.txt" --frames 520 --screenshot 338:"$out/edited.png" --screenshot 425:"$out/warning.png" \
  --screenshot 465:"$out/save.png"
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$KEEP_SHOTS"/; fi
saved="$out/data/tactics/USER 1.TAC"
[ -f "$saved" ] || { echo "USER 1.TAC (the slot's own name) was not written"; ls "$out/data/tactics"; exit 1; }
[ "$(stat -c %s "$saved")" = 370 ] || { echo "USER 1.TAC is not 370 bytes"; exit 1; }
! cmp -s <(tail -c +10 "$saved") <(tail -c +10 "$out/data/tactics/preset/T442.TAC") || { echo "nothing was edited"; exit 1; }
cat > "$out/script2.txt" <<'SCRIPT'
10 char x
150 mouse 272 416
155 press COMMA
230 mouse 512 295
235 press COMMA
# import, load, the only file
270 mouse 525 727
275 press COMMA
310 mouse 512 517
315 press COMMA
350 mouse 472 266
355 press COMMA
# save under another name: warning, save screen, type the name
390 mouse 720 727
395 press COMMA
430 mouse 512 627
435 press COMMA
470 mouse 592 515
475 press COMMA
480 down BACKSPACE
530 up BACKSPACE
535 char again
550 press ENTER
560 mouse 512 627
565 press COMMA
SCRIPT
run --input "$out/script2.txt" --frames 600 --screenshot 345:"$out/load.png" --screenshot 555:"$out/named.png"
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/load.png "$out"/named.png "$KEEP_SHOTS"/; fi
again="$out/data/tactics/AGAIN.TAC"
[ -f "$again" ] || { echo "AGAIN.TAC was not written"; ls "$out/data/tactics"; exit 1; }
cmp <(tail -c +10 "$saved") <(tail -c +10 "$again") || { echo "the loaded tactics differ from the saved ones"; exit 1; }
echo ok
