#!/usr/bin/env bash
# A data folder without the menu backgrounds stops at start-up with the loader's message and status 1.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for entry in "$data"/*; do
  name=$(basename "$entry")
  [ "$name" = images ] && continue
  ln -s "$entry" "$work/$name"
done
mkdir "$work/images"
for entry in "$data"/images/*; do
  name=$(basename "$entry")
  [ "$name" = backgrounds ] && continue
  ln -s "$entry" "$work/images/$name"
done
set +e
msg=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$work" --no-sound --frames 5 2>&1)
rc=$?
set -e
echo "$msg"
[ "$rc" = 1 ] || { echo "expected status 1, got $rc"; exit 1; }
echo "$msg" | grep -q "Folder not found: images/backgrounds" || { echo "wrong message"; exit 1; }
echo ok
