#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and the sanitizers and runs one:
#   bash scripts/fuzz.sh TARGET [libFuzzer options...]
# for example: bash scripts/fuzz.sh fuzz_csv -runs=10000000 -timeout=2
# The target's seed corpus is tests/fuzz/corpus/TARGET; new inputs go to
# build-fuzz/corpus/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  echo "usage: bash scripts/fuzz.sh TARGET [libFuzzer options...]" >&2
  exit 2
fi
target=$1
shift
bash scripts/install-deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELK_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "$target"
mkdir -p "build-fuzz/corpus/$target"
seeds=()
[ -d "tests/fuzz/corpus/$target" ] && seeds=("tests/fuzz/corpus/$target")
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
exec "build-fuzz/tests/fuzz/$target" "build-fuzz/corpus/$target" "${seeds[@]}" "$@"
