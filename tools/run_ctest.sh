#!/usr/bin/env bash
# Runs ctest with the arguments given under a virtual display, so that the tests that draw run too,
# and fails the run when any test skipped itself: a skipped test proves nothing. (A test disabled on
# purpose, such as a benchmark, is not a skip.)
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" ctest "$@" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
if grep -q "(Skipped)" "$log"; then
  echo "Skipped tests fail the run: give them what they need (a display, /dev/full ...)." >&2
  exit 1
fi
exit "$rc"
