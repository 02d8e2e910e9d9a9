#!/usr/bin/env bash
# Builds everything and runs every test (GUI tests on the offscreen platform), with a throwaway
# PostgreSQL server for the tests of the shared unit-record store (scripts/pg-cluster.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
eval "$(scripts/pg-cluster.sh start)"
trap 'scripts/pg-cluster.sh stop "$RB_TEST_PG_DIR"' EXIT
ctest --test-dir build --output-on-failure -j"$(nproc)"
