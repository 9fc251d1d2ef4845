#!/usr/bin/env bash
# A whole 3-minute computer-vs-computer match started with --match, in a window under a virtual display:
# walk-on, kick-off, open play, half time, the second half and full time to the end of the match. Screenshots
# at fixed frames (named after them) are compared with reference pictures. The smallest display and no
# automatic replays keep the run short; it plays CLASSIC, whose frames never change. REFRESH_REFERENCES=1
# rewrites the references from this run; when the football changes, the end of the match moves: pick the
# frames again so full_time still shows the statistics.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data/match_direct" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir "$out/data"
for entry in "$data"/*; do ln -s "$entry" "$out/data/$(basename "$entry")"; done
# Settings: display 640 x 400, 3 minutes, no automatic replays; the rest as a fresh start has them.
/usr/bin/python3 - "$out/data/quilbo_soccer.ini" <<'PY'
import struct, sys
values = [77, 0, 0, 0, 1, 2, 5, 1, 4, 1, -2, 40, 0, 1, 0, 0, 38, 40, 37, 39, 188, 190, 87, 90, 65, 83, 67, 86]
open(sys.argv[1], 'wb').write(struct.pack('<28i', *values))
PY

shots=(walk_on:300 play_2000:2000 play_3500:3500 play_7500:7500 play_9000:9000 play_10500:10500 full_time:11750
       after:12600)
args=()
for s in "${shots[@]}"; do args+=(--screenshot "${s#*:}:$out/${s%%:*}.png"); done
set +e
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$out/data" --no-sound --seed 7 --fast \
  --match eng:1 esp:1 --home-control computer --away-control computer --length 0 --pitch normal --weather clear \
  --time day --gameplay classic --frames 12700 "${args[@]}" >"$out/stdout" 2>"$out/stderr"
rc=$?
set -e
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$out/stdout" "$KEEP_SHOTS"/; fi
[ "$rc" = 0 ] || { cat "$out/stdout" "$out/stderr"; echo "exit status $rc"; exit 1; }
grep -qx quit "$out/stdout" || { echo "no quit line"; exit 1; }
fail() { echo "$1"; exit 1; }
for s in "${shots[@]}"; do [ -s "$out/${s%%:*}.png" ] || fail "missing screenshot ${s%%:*}"; done

# Pictures: the same within a small tolerance (antialiasing of the software renderer aside).
. "$(dirname "$0")/lib/screenshots.sh"
for s in "${shots[@]}"; do
  f=${s%%:*}
  [ "$f" = after ] && continue
  if [ -n "${REFRESH_REFERENCES:-}" ]; then cp "$out/$f.png" "$refs/$f.png"; continue; fi
  close_to "$out/$f.png" "$refs/$f.png" || fail "$f does not look like tests/data/match_direct/$f.png"
done
# After the end of the match the game has left the match display for the menus' 1024 x 768.
size=$(/usr/bin/python3 -c "import struct,sys; d=open(sys.argv[1],'rb').read(24); print('%dx%d' % struct.unpack('>II', d[16:24]))" "$out/after.png")
[ "$size" = 1024x768 ] || fail "the match did not end: the last picture is $size"
echo ok
