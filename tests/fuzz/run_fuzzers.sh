#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed corpus.
# A crash, a leak, a hang (over 5 s for one input) or memory growth (over 64 MB in one
# allocation, 512 MB in all) fails the run.   FUZZ_SECONDS sets the time per target (60).
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-60}
out=build-fuzz
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I.)
clang++-14 "${flags[@]}" tests/fuzz/fuzz_level_reader.cpp level/*.cpp files/*.cpp -o "$out/fuzz_level_reader"
clang++-14 "${flags[@]}" tests/fuzz/fuzz_settings_reader.cpp settings/SettingsRecord.cpp files/*.cpp \
    -o "$out/fuzz_settings_reader"
clang++-14 "${flags[@]}" tests/fuzz/fuzz_level_file.cpp level/*.cpp files/*.cpp \
    -o "$out/fuzz_level_file"
clang++-14 "${flags[@]}" tests/fuzz/fuzz_settings_file.cpp settings/SettingsRecord.cpp files/*.cpp \
    -o "$out/fuzz_settings_file"

passed=0
failed=0
# Each target reads from memory (_reader) or from a file on disk (_file); the seeds are shared.
for target in level_reader settings_reader level_file settings_file; do
    corpus=$(mktemp -d)
    cp tests/fuzz/corpus/"${target%_*}"/* "$corpus"/
    if "$out/fuzz_${target}" "$corpus" -max_total_time="$seconds" -timeout=5 \
        -rss_limit_mb=512 -malloc_limit_mb=64 -detect_leaks=1 -print_final_stats=1 \
        -artifact_prefix="$out/${target}-" >"$out/${target}.log" 2>&1; then
        passed=$((passed + 1))
        echo "fuzz ${target}: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "$out/${target}.log")"
    else
        failed=$((failed + 1))
        echo "fuzz ${target} FAILED:"
        tail -n 40 "$out/${target}.log"
    fi
    rm -rf "$corpus"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
