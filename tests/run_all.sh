#!/usr/bin/env bash
# Builds the editor with warnings as errors and runs every test headless: first the whole suite
# built with AddressSanitizer and UndefinedBehaviorSanitizer, then the release build's suite,
# which also runs the real-window tests under Xvfb, then each fuzzer (built with clang) for
# ZM_FUZZ_SECONDS (20) seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
strict=(-G Ninja -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
cmake -S . -B build-asan "${strict[@]}" -DCMAKE_BUILD_TYPE=Debug -DZM_SANITIZE=ON -DZM_BENCH=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2
cmake -S . -B build "${strict[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
cmake -S . -B build-fuzz "${strict[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZM_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 -DZM_FUZZ_SECONDS="${ZM_FUZZ_SECONDS:-20}"
cmake --build build-fuzz -j2 --target fuzzers
ctest --test-dir build-fuzz --output-on-failure -j2 -L fuzz
