#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs the whole test suite; any sanitizer report, and any compiler warning in
# our own code, fails the run. Then builds the library and programs with
# clang too (no tests), where a warning fails the run as well.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELK_SANITIZE=ON -DPELK_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=Release -DPELK_WERROR=ON \
  -DPELK_BUILD_TESTS=OFF -DPELK_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-clang -j"$(nproc)"
