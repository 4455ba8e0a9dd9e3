#!/usr/bin/env bash
# Runs one libFuzzer target for FUZZ_SECONDS (20) on a copy of its seed corpus.
#   run_fuzzer.sh FUZZER CORPUS_DIR
set -euo pipefail
fuzzer=$1
seeds=$2
corpus=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$corpus" "$log"' EXIT
cp "$seeds"/* "$corpus"/
if "$fuzzer" "$corpus" -max_total_time="${FUZZ_SECONDS:-20}" -timeout=5 -rss_limit_mb=512 \
    -malloc_limit_mb=64 -detect_leaks=1 -print_final_stats=1 \
    -artifact_prefix="$(basename "$fuzzer")-" >"$log" 2>&1; then
    echo "$(basename "$fuzzer"): $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$log")"
else
    echo "$(basename "$fuzzer") FAILED:"
    tail -n 40 "$log"
    exit 1
fi
