#!/usr/bin/env bash
# Builds the library and its tool, then draws the sample graphs into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DPELK_BUILD_TESTS=OFF -DPELK_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
mkdir -p out
./build/apps/pelkgraph demo -o out/pelkgraph-demo.png "$@"
