#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer (leak detection on) in
# a second folder and runs them all (with a throwaway PostgreSQL server, scripts/pg-cluster.sh);
# any sanitizer report fails its test and so the run.
#
#   scripts/test-sanitize.sh            # uses ./build-asan
set -euo pipefail
cd "$(dirname "$0")/.."
build=${ASAN_BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRB_SANITIZE=ON \
  -DRB_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
eval "$(scripts/pg-cluster.sh start)"
trap 'scripts/pg-cluster.sh stop "$RB_TEST_PG_DIR"' EXIT
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
