#!/usr/bin/env bash
# Draws the pictures of the user guide into docs/images/ with the examples
# and the demo: bash scripts/docs-pictures.sh [BUILD_DIR] (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")
images=$PWD/docs/images
# A build directory made already is used as it is.
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPELK_BUILD_TESTS=OFF -DPELK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target pelkgraph_app example_save_png example_plot_csv example_print_pdf \
  example_zoom_window
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$images"
cd "$work"
"$build/examples/save_png" "$images/oscillation.png" >/dev/null
"$build/examples/plot_csv" >/dev/null && cp cooling.png "$images/cooling.png"
"$build/examples/zoom_window" --headless "$images/zoomed.png" >/dev/null
"$build/apps/pelkgraph" demo -o demo.png >/dev/null && cp demo-2.png "$images/second-axis.png"
"$build/examples/print_pdf" printed.pdf >/dev/null
# The printed page at 40 dpi, small enough to show the graph's place on it.
pdftoppm -r 40 -png -singlefile printed.pdf "$images/printed-page"
ls -l "$images"
