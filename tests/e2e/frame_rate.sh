#!/usr/bin/env bash
# Paced run of 400 frames: the game must present 40 frames a second.
set -euo pipefail
game=$1
data=$(cd "$2" && pwd)
out=$(xvfb-run -a -s "-screen 0 1280x1024x24" "$game" --data "$data" --no-sound --frames 400 --benchmark)
echo "$out"
fps=$(echo "$out" | sed -n 's/.* = \([0-9.]*\) fps/\1/p')
awk -v f="$fps" 'BEGIN { exit !(f >= 39.5 && f <= 40.5) }' || { echo "frame rate $fps"; exit 1; }
echo ok
