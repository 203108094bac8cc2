#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# first the libFuzzer targets (clang) for a bounded time, then the whole suite
# built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
jobs=$(nproc)

CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DTARVEK_FUZZ=ON -DTARVEK_BUILD_GUI=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j"$jobs" --target fuzzers
ctest --test-dir build/fuzz -L fuzz --output-on-failure

cmake -S . -B build/test -G Ninja -DTARVEK_SANITIZE=address,undefined \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs" -LE fuzz
