#!/usr/bin/env bash
# Fills <corpus>/<reader>/ with seeds taken from the shipped data (small
# pieces of the big files, so the fuzzer starts from every format quickly).
set -euo pipefail
assets=$1
corpus=$2
mkdir -p "$corpus"
seed() { mkdir -p "$corpus/$1"; cp "${@:2}" "$corpus/$1/" 2>/dev/null || true; }

mkdir -p "$corpus/settings"
/usr/bin/python3 - "$corpus/settings" <<'PY'
import struct, sys
d = sys.argv[1]
vals = [77, 2, 0, 0, 1, 2, 5, 1, 4, 1, -2, 40, 1, 1, 0, 0, 38, 40, 37, 39, 188, 190, 87, 90, 65, 83, 67, 86]
open(d + "/default.ini", "wb").write(struct.pack("<28i", *vals))
vals[14] = 7
open(d + "/language7.ini", "wb").write(struct.pack("<28i", *vals))
PY
seed po "$assets"/language/*.po
seed qsk "$assets"/keycodes/*.qsk
seed font_widths "$assets"/images/ucode_*.txt
seed flag_codes "$assets"/images/flags_t.txt
seed catalogue "$assets"/data/tables/*.qsc
seed calendar "$assets"/data/calendars/calendars.bin
seed tactics "$assets"/tactics/preset/*.TAC
seed palette_file "$assets"/images/stadium/palettes/dry_sunny.pal "$assets"/images/stadium/palettes/wet_night.pal

# The first two team blocks of a few team files.
mkdir -p "$corpus/team_file"
for f in "$assets"/data/team_eng.qst "$assets"/data/team_uef.qst "$assets"/data/team_bra.qst; do
  [ -f "$f" ] || continue
  awk '/^#/{n++} n<=2' "$f" > "$corpus/team_file/$(basename "$f")"
done

# Small indexed PNGs (sprites, hair, tiles) for palette patching; PNGs and JPEGs for decoding.
mkdir -p "$corpus/png_palette" "$corpus/picture"
find "$assets/images/player/hair" "$assets/images/stadium" -name '*.png' -size -8k 2>/dev/null | sort | head -6 |
  xargs -r cp -t "$corpus/png_palette/"
find "$assets/images" -name '*.png' -size -4k | sort | head -6 | xargs -r cp -t "$corpus/picture/"
find "$assets/images/backgrounds" -name '*.jpg' | sort | head -1 | xargs -r cp -t "$corpus/picture/"

# A short WAV and the head of an Ogg track.
mkdir -p "$corpus/sound"
/usr/bin/python3 - "$corpus/sound" <<'PY'
import math, struct, sys, wave
d = sys.argv[1]
for rate, ch in ((22050, 1), (44100, 2)):
    w = wave.open("%s/tone_%d_%d.wav" % (d, rate, ch), "wb")
    w.setnchannels(ch); w.setsampwidth(2); w.setframerate(rate)
    w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(i / 7.0))) * ch for i in range(400)))
    w.close()
PY
for f in $(find "$assets/music" "$assets/sfx" -name '*.ogg' 2>/dev/null | sort | head -2); do
  head -c 12000 "$f" > "$corpus/sound/$(basename "$f")"
done

mkdir -p "$corpus/input_script"
printf '10 char x\n40 press DOWN\n50 down COMMA\n52 up COMMA\n60 mouse 100 200\n61 mousedown 1\n70 joyaxis 0 -1 0.5\n71 joydown 1 3\n90 close\n' \
  > "$corpus/input_script/basic.txt"

seed crowd "$assets"/images/stadium/crowd.txt
# A league saved by the game itself in the middle of its season.
seed competition_save "$(dirname "$0")"/seeds/*.sav
