#!/usr/bin/env bash
# Runs every benchmark and prints one table.
#
#   scripts/bench.sh                 # uses ./build (run scripts/build.sh first)
#   BUILD_DIR=/path RUNS=7 scripts/bench.sh
#
# Columns: what was measured, the limit it is held against, and their ratio. For the chains the
# limit is the wire time (bytes x 10 / the terminal's baud) and the target ratio is 1.05 or less; for the
# start-up rows the limits are the targets (300 ms, 80 MiB); for the frame reader and the answer
# handling the limit is the time one byte, or one exchange's 1 ms budget, takes on the line.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
runs=${RUNS:-5}
rows=$(mktemp)
trap 'rm -f "$rows"' EXIT

need() {
  if [ ! -x "$build/bench/$1" ]; then
    printf '%s\t(not built)\t-\t-\t-\n' "$1" >>"$rows"
    return 1
  fi
}

if need wire_bench; then
  # Google Benchmark CSV: name,iterations,real_time,cpu_time,time_unit,bytes_per_second,...
  "$build/bench/wire_bench" --benchmark_format=csv --benchmark_min_time=0.2 2>/dev/null |
    awk -F, 'NR > 1 && $1 ~ /^"?BM_/ {
      gsub(/"/, "", $0)
      name = $1; t = $3; unit = $5; bps = $6
      ns = (unit == "us") ? t * 1000 : (unit == "ms") ? t * 1e6 : t
      if (name ~ /^BM_FrameReaderFeed\//) {
        split(name, p, "/")
        # one byte lasts 10/9600 s on the line
        printf "frame reader\tfeed, %s-byte chunks\t%.1f MB/s\t0.96 kB/s line\t%.6f\n", p[2], bps / 1e6, 960 / bps
      } else if (name ~ /^BM_Lm52rAnswer\//) {
        split(name, p, "/")
        printf "answer handling\t%s\t%.2f us\t1 ms/exchange\t%.6f\n", p[2], ns / 1000, ns / 1e6
      }
    }' >>"$rows"
fi

if need chain_bench; then
  "$build/bench/chain_bench" --runs "$runs" --tsv |
    awk -F'\t' '{
      printf "chain %s\t%s (%d bytes)\t%.1f ms\t%.1f ms\t%.3f%s\n", $1, $2, $3, $5, $4, $6, ($8 == "ok") ? "" : "  " $8
    }' >>"$rows" || true
fi

if need soak_bench; then
  "$build/bench/soak_bench" --exchanges "${SOAK_EXCHANGES:-10000}" --tsv >>"$rows" || true
fi

if need startup_bench; then
  "$build/bench/startup_bench" --runs "$runs" --tsv >>"$rows" || true
fi

if need units_scale_bench; then
  # Generates its 2,000,000-record database once in the temp folder (about 10 s), then reuses it.
  "$build/bench/units_scale_bench" --runs "$runs" --tsv 2>/dev/null >>"$rows" || true
fi

printf '%-22s %-30s %-14s %-16s %s\n' "bench" "case" "measured" "limit" "ratio"
printf '%-22s %-30s %-14s %-16s %s\n' "-----" "----" "--------" "-----" "-----"
awk -F'\t' '{ printf "%-22s %-30s %-14s %-16s %s\n", $1, $2, $3, $4, $5 }' "$rows"
