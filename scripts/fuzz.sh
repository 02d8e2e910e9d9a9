#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# each for SECONDS (default 60), one after the other, starting from seeds made of the simulated
# terminals' real answers. Each harness runs on every core (FUZZ_JOBS parallel workers, default
# the number of cores). Prints one line per harness: executions (all workers),
# and findings (crashes, leaks, time-outs, sanitizer reports), which are kept in
# build-fuzz/findings/<harness>/.
#
#   scripts/fuzz.sh [SECONDS [HARNESS...]]     (default: every harness)
# Exit status: 0 when no harness found anything.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
seconds=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(frame_reader_fuzz container_fuzz ini_fuzz monitor_input_fuzz script_words_fuzz)
build=${FUZZ_BUILD_DIR:-build-fuzz}
jobs=${FUZZ_JOBS:-$(nproc)}

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRB_WITH_QT=OFF -DRB_BUILD_TESTS=OFF -DRB_BUILD_BENCH=OFF -DRB_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz/fuzz_seeds" "$seeds" >/dev/null

status=0
printf '%-20s %14s %9s\n' harness executions findings
for harness in "${harnesses[@]}"; do
  corpus="$top/$build/corpus/$harness"
  findings="$top/$build/findings/$harness"
  mkdir -p "$corpus" "$findings"
  [ -d "$seeds/$harness" ] && cp -n "$seeds/$harness"/* "$corpus"/ 2>/dev/null || true
  extra=()
  rss=2048
  # The container harness keeps its pages between inputs (building every form per input would
  # be slow), so memory grows legitimately from one input to the next: leaks are looked for
  # once, when the run ends, instead of after every input, and it may grow to 4 GiB.
  # Its inputs are sequences of clicks, typing, time and line bytes: a kilobyte holds plenty.
  if [ "$harness" = container_fuzz ]; then
    extra=(-detect_leaks=0 -max_len=1200)
    rss=4096
  fi
  # INI inputs: the reader has nothing that depends on a line's length, and 512 bytes hold a
  # hundred short lines (past the 32 from which names are indexed) or one long one. The fuzzer
  # tries inputs up to this length; at 4 KB it ran at half the speed.
  if [ "$harness" = ini_fuzz ]; then extra=(-max_len=512); fi
  log="$findings/run.log"
  rm -f "$findings"/fuzz-*.log
  # Parallel workers, each fuzzing for the whole time and sharing the corpus folder (libFuzzer
  # -jobs/-workers): on two cores this runs about half as fast again as the fork mode, whose
  # short jobs each replay part of the corpus first. Each worker writes fuzz-N.log.
  set +e
  (cd "$findings" && ASAN_OPTIONS=detect_leaks=1 "$top/$build/fuzz/$harness" -jobs="$jobs" \
     -workers="$jobs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb="$rss" \
     -print_final_stats=1 -artifact_prefix="$findings/" "${extra[@]}" "$corpus") >"$log" 2>&1
  rc=$?
  set -e
  runs=$(cat "$findings"/fuzz-*.log 2>/dev/null | grep -o 'stat::number_of_executed_units: [0-9]*' |
         awk '{s += $2} END {print s + 0}')
  found=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  if [ "$found" -eq 0 ] && cat "$findings"/fuzz-*.log 2>/dev/null | grep -q -E '^==[0-9]+==ERROR|SUMMARY: .*Sanitizer|ERROR: libFuzzer'; then
    found=1
  fi
  if [ "$rc" -ne 0 ] && [ "$found" -eq 0 ]; then found=1; fi
  printf '%-20s %14s %9s\n' "$harness" "${runs:-?}" "$found"
  if [ "$found" -ne 0 ]; then
    status=1
    cat "$log" "$findings"/fuzz-*.log 2>/dev/null | grep -m3 -E 'ERROR|SUMMARY' | sed 's/^/    /' || true
  fi
done
# The container harness's pages keep their files in a folder of their own in /dev/shm.
rm -rf /dev/shm/rb_fuzz_* 2>/dev/null || true
exit $status
