#!/usr/bin/env bash
# A whole headless computer match and a short windowed match (walk-on, kick-off,
# open play) of the game built with the sanitizers; any report fails the run.
# Usage: tests/sanitizers/e2e_match.sh QUILBO ASSETS
set -euo pipefail
quilbo=$(realpath "$1")
assets=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d /tmp/quilbo_asan_e2e_XXXXXX)
trap 'rm -rf "$out"' EXIT
# intercept_tls_get_addr=0: see the asan test preset in CMakePresets.json.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=23:intercept_tls_get_addr=0
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

fail() { echo "FAIL: $*"; tail -40 "$out/$2.log" 2>/dev/null; exit 1; }
clean() { ! grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: (Address|UndefinedBehavior)Sanitizer" "$out/$1.log"; }

cd "$assets"
# One folder, read and written, as before: the player's own settings must not reach the test.
"$quilbo" --data "$PWD" --match eng:1 esp:1 --headless --matches 1 --length 0 --seed 1000 >"$out/headless.log" 2>&1 ||
  fail "headless match ended with status $?" headless
clean headless || fail "sanitizer report in the headless match" headless
grep -q '"reached_end":true' "$out/headless.log" || fail "the headless match did not reach its end" headless

# --fast runs the frames as quickly as the sanitized build allows; 1500 frames
# reach open play after the walk-on and the kick-off.
xvfb-run -a -s "-screen 0 1280x1024x24" "$quilbo" --data "$PWD" --no-sound --seed 1 --fast --window --match eng:1 esp:1 \
  --home-control computer --away-control computer --length 0 --frames 1500 \
  --screenshot 1500:"$out/open_play.png" >"$out/window.log" 2>&1 || fail "windowed match ended with status $?" window
clean window || fail "sanitizer report in the windowed match" window
[ -s "$out/open_play.png" ] || fail "no picture of the windowed match" window
echo "sanitized matches clean"
