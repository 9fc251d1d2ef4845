#!/usr/bin/env bash
# The widget gallery drawn by the real game must match the committed reference pictures.
# After a deliberate change to the drawing, regenerate them with:
#   tests/e2e/widget_gallery.sh build/quilbo assets --update
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
refs=$(cd "$(dirname "$0")/../data/reference" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cat > "$out/script.txt" <<'SCRIPT'
25 press DOWN
35 press DOWN
50 press RIGHT
SCRIPT
xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$data" --screen gallery --no-sound --fast \
  --input "$out/script.txt" --frames 60 \
  --screenshot 20:"$out/gallery.png" --screenshot 45:"$out/gallery_moved.png" >"$out/stdout"
grep -qx quit "$out/stdout"
if [ "${3:-}" = --update ]; then
  cp "$out/gallery.png" "$out/gallery_moved.png" "$refs/"
  echo "references updated"
  exit 0
fi
for f in gallery gallery_moved; do
  cmp -s "$out/$f.png" "$refs/$f.png" || { echo "$f.png differs from tests/data/reference/$f.png"; exit 1; }
done
echo ok
