#!/usr/bin/env bash
# A match on the 1920 x 1080 display, wider than the stadium picture: it starts, and the stands and pitch
# reach both edges of the screen (no black bands). The menus around it stay 1024 x 768.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "$1"; exit 1; }
set +e
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$data" --no-sound --seed 3 --fast \
  --match eng:1 eng:2 --home-control computer --away-control computer --open-play --display 1920x1080 \
  --pitch normal --weather clear --time day --frames 80 --screenshot "60:$out/wide.png" >"$out/stdout" 2>&1
rc=$?
set -e
if [ -n "${KEEP_SHOTS:-}" ]; then cp "$out"/*.png "$KEEP_SHOTS"/; fi
[ "$rc" = 0 ] || { cat "$out/stdout"; fail "exit status $rc"; }
/usr/bin/python3 - "$out/wide.png" <<'PY' || fail "the widescreen match is not drawn across the whole width"
import struct, sys, zlib
d = open(sys.argv[1], 'rb').read()
w, h = struct.unpack('>II', d[16:24])
assert (w, h) == (1920, 1080), (w, h)
assert d[24] == 8 and d[25] in (2, 6), 'expected 8-bit RGB or RGBA'
bpp = 3 if d[25] == 2 else 4
pos, idat = 8, b''
while pos < len(d):
    n, kind = struct.unpack('>I4s', d[pos:pos + 8])
    if kind == b'IDAT':
        idat += d[pos + 8:pos + 8 + n]
    pos += 12 + n
raw = zlib.decompress(idat)
stride = w * bpp
rows, prev = [], bytearray(stride)
for y in range(h):
    f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - bpp] if i >= bpp else 0
        b, c = prev[i], prev[i - bpp] if i >= bpp else 0
        if f == 1: line[i] = (line[i] + a) & 255
        elif f == 2: line[i] = (line[i] + b) & 255
        elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    prev = line
for x in (0, 4, w // 2, w - 5, w - 1):
    dark = sum(1 for y in range(0, h, 10) if max(rows[y][x * bpp:x * bpp + 3]) < 24)
    assert dark < h // 10 // 4, 'column %d is mostly black (%d of %d samples)' % (x, dark, h // 10)
PY
grep -qx quit "$out/stdout" || fail "no quit line"
echo ok
