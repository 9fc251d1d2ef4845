#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz (clang) and runs each for SECONDS
# (default 60). Usage: tests/fuzz/run_fuzzers.sh [SECONDS] [READER...]
# Findings land in build-fuzz/artifacts/<reader>/; the corpus grows in
# build-fuzz/corpus/<reader>/ and is reused by the next run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
shift || true
build=${FUZZ_BUILD:-$root/build-fuzz}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DQUILBO_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target fuzz_all
[ -d "$build/corpus" ] || bash "$root/tests/fuzz/seed_corpus.sh" "$root/assets" "$build/corpus"
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  readers=(settings po qsk font_widths flag_codes team_file tactics catalogue calendar
           png_palette palette_file picture sound input_script crowd competition_save)
fi
status=0
for r in "${readers[@]}"; do
  mkdir -p "$build/corpus/$r" "$build/artifacts/$r"
  log="$build/artifacts/$r/last_run.log"
  set +e
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp "$build/tests/fuzz/fuzz_$r" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -close_fd_mask=3 -print_final_stats=1 -artifact_prefix="$build/artifacts/$r/" \
    "$build/corpus/$r" >"$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  if [ $rc -eq 0 ]; then
    echo "fuzz_$r: ${seconds}s, $runs runs, $speed exec/s, clean"
  else
    echo "fuzz_$r: FAILED (status $rc) after $runs runs, see $log"
    status=1
  fi
done
exit $status
