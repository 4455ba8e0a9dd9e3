#!/usr/bin/env bash
# Builds the editor and runs every test headless: first the whole suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer, then the release build's suite, which also
# runs the real-window tests under Xvfb and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZM_SANITIZE=ON -DZM_BENCH=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
