#!/usr/bin/env bash
# A bench visit in a real match: fire 2 during the line-up opens the bench, a substitute comes
# on, two positions change places, the tactics change, and the match goes on from where it was.
# The three panels are compared with reference pictures (CLASSIC play, which never changes); after a deliberate change of the
# match picture, refresh them with:
#   tests/e2e/bench.sh build/quilbo assets --update
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data/reference" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# A folder of its own, without a settings file: the default keys and options.
mkdir "$out/data"
for entry in "$data"/*; do
  [ "$(basename "$entry")" = quilbo_soccer.ini ] || ln -s "$entry" "$out/data/$(basename "$entry")"
done
# The home side plays on key set 1: W Z A S, fire 1 C, fire 2 V.
cat > "$out/script.txt" <<'SCRIPT'
# skip the walk-on, then fire 2 while the teams line up
100 press C
140 press V
# substitutions: two rows down, choose him; the formation suggests a position, fire brings him on
220 press Z
240 press Z
260 press C
290 press C
# mark the next position, two further down, exchange
310 press Z
325 press C
340 press Z
355 press Z
370 press C
# back to the bench panel, through the formation title to the tactics, two down, choose
390 press A
410 press C
430 press C
450 press Z
465 press Z
480 press C
# leave the bench
500 press A
SCRIPT
shots=(bench_substitutions:250 bench_formation:365 bench_tactics:475 bench_left:495 bench_before:135 bench_after:700)
args=()
for s in "${shots[@]}"; do args+=(--screenshot "${s#*:}:$out/${s%%:*}.png"); done
set +e
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 1 --fast \
  --match eng:1 esp:1 --home-control player --away-control computer --length 0 --display 800x600 --gameplay classic \
  --input "$out/script.txt" --frames 720 "${args[@]}" >"$out/stdout" 2>"$out/stderr"
rc=$?
set -e
cat "$out/stdout" "$out/stderr"
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$KEEP_SHOTS"/; fi
[ "$rc" = 0 ] || { echo "exit status $rc"; exit 1; }
grep -qx quit "$out/stdout" || { echo "no quit line"; exit 1; }
for s in "${shots[@]}"; do [ -s "$out/${s%%:*}.png" ] || { echo "missing screenshot ${s%%:*}"; exit 1; }; done
differ() { ! cmp -s "$out/$1.png" "$out/$2.png" || { echo "$3"; exit 1; }; }
differ bench_before bench_substitutions "fire 2 did not open the bench"
differ bench_substitutions bench_left "the substitution did not change the bench list"
differ bench_left bench_after "leaving the bench did not bring the match back"
panels=(bench_substitutions bench_formation bench_tactics)
if [ "${3:-}" = --update ]; then
  for f in "${panels[@]}"; do cp "$out/$f.png" "$refs/"; done
  echo "references updated"
  exit 0
fi
for f in "${panels[@]}"; do
  cmp -s "$out/$f.png" "$refs/$f.png" || { echo "$f.png differs from tests/data/reference/$f.png"; exit 1; }
done
echo ok
