#!/usr/bin/env bash
# Builds Quendel with its tests and benchmarks and runs every test, then
# builds and runs the tests again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDEL_WERROR=ON > /dev/null
cmake --build build
ctest --test-dir build -j2 --output-on-failure

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUENDEL_SANITIZE=ON -DQUENDEL_WERROR=ON \
  -DQUENDEL_BENCH=OFF > /dev/null
cmake --build build-sanitize
ctest --test-dir build-sanitize -j2 --output-on-failure
