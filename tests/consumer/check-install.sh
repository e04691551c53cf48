#!/usr/bin/env bash
# Installs a built tree into a temporary prefix, then builds the host program
# consumer.cpp against it through find_package(Pelkgraph) (static and shared
# library) and through pkg-config (shared, and static with Requires.private),
# runs each, and checks the installed programs' --version.
#   check-install.sh BUILD_DIR CXX VERSION "FLAGS" "PROGRAMS"
# FLAGS go to every compile and link (warnings, sanitizers); PROGRAMS are the
# installed programs expected in bin/.
set -euo pipefail
build=$1 cxx=$2 version=$3 flags=$4 programs=$5
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/pelk-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
# A sanitized library leaves fontconfig's configuration to the leak checker.
export LSAN_OPTIONS="suppressions=$here/lsan.supp"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in $programs; do
  shown=$("$prefix/bin/$program" --version) || fail "$program --version exits with an error"
  [ "$shown" = "$program $version" ] || fail "$program --version prints '$shown'"
done

# Runs one build of the consumer; its PNG must be the same for every build.
check_run() {
  local name=$1 binary=$2
  local out=$work/$name.png
  local printed
  printed=$("$binary" "$out") || fail "$name exits with an error"
  [ "${printed%% *}" = "$version" ] || fail "$name reports version '${printed%% *}'"
  [ "$(head -c 8 "$out" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$name wrote no PNG"
  if [ -f "$work/first.png" ]; then
    cmp -s "$work/first.png" "$out" || fail "$name drew a different picture"
  else
    cp "$out" "$work/first.png"
  fi
  echo "$name: $printed"
}

# find_package with the compiler of the build and nothing else but the prefix.
cmake -S "$here" -B "$work/cmake" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$work/cmake" -j2 >/dev/null
check_run cmake-static "$work/cmake/consumer_static"
check_run cmake-shared "$work/cmake/consumer_shared"

# pkg-config: the file must name the prefix it was installed into.
pc=$(find "$prefix" -name pelkgraph.pc)
[ -n "$pc" ] || fail "no pelkgraph.pc installed"
export PKG_CONFIG_PATH=${pc%/*}
[ "$(pkg-config --variable=prefix pelkgraph)" = "$prefix" ] || fail "pelkgraph.pc names another prefix"
libdir=$(pkg-config --variable=libdir pelkgraph)
# shellcheck disable=SC2046,SC2086  # flag lists split into words
$cxx -std=c++20 $flags $(pkg-config --cflags pelkgraph) -c "$here/consumer.cpp" -o "$work/consumer.o"
# shellcheck disable=SC2046,SC2086
$cxx $flags "$work/consumer.o" -o "$work/pc-shared" $(pkg-config --libs pelkgraph) -Wl,-rpath,"$libdir"
check_run pkg-config-shared "$work/pc-shared"
# The archive itself, then what --static adds; --as-needed drops the shared
# library that -lpelkgraph finds, so the program runs without it.
# shellcheck disable=SC2046,SC2086
$cxx $flags "$work/consumer.o" -o "$work/pc-static" "$libdir/libpelkgraph.a" \
  -Wl,--as-needed $(pkg-config --static --libs pelkgraph)
check_run pkg-config-static "$work/pc-static"
