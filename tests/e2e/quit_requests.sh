#!/usr/bin/env bash
# The ways the game ends: Alt+F1 and the window's close button end it at once; F1 pressed alone and a
# later Alt (Alt+Tab) do not. The frame limit also prints "quit", so each run asks for a picture after
# the moment it should end: a game that carried on to the limit leaves that picture behind.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# run NAME: plays $out/NAME.txt for up to 120 frames, with a picture at frame 100.
run() {
  set +e
  xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$data" --no-sound --seed 1 --fast \
    --input "$out/$1.txt" --frames 120 --screenshot 100:"$out/$1.png" >"$out/$1.stdout" 2>&1
  local rc=$?
  set -e
  [ "$rc" = 0 ] || { cat "$out/$1.stdout"; echo "$1: exit status $rc"; exit 1; }
  grep -qx quit "$out/$1.stdout" || { echo "$1: no quit line"; exit 1; }
}

printf '40 down LALT\n42 down F1\n44 up F1\n46 up LALT\n' >"$out/alt_f1.txt"
printf '40 close\n' >"$out/close.txt"
printf '20 press F1\n60 down LALT\n62 press TAB\n64 up LALT\n70 down LALT\n' >"$out/stale_f1.txt"

run alt_f1
[ ! -e "$out/alt_f1.png" ] || { echo "Alt+F1 did not end the game"; exit 1; }
run close
[ ! -e "$out/close.png" ] || { echo "the close button did not end the game"; exit 1; }
run stale_f1
[ -s "$out/stale_f1.png" ] || { echo "an F1 pressed without Alt ended the game when Alt came later"; exit 1; }
echo ok
