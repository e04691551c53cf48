#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing. With --fuzz: the packages of the libFuzzer build as well.
set -euo pipefail

packages=(g++ clang cmake pkg-config libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
  libpng-dev libcairo2-dev libsdl2-dev libgtest-dev libbenchmark-dev poppler-utils libxml2-utils xvfb xdotool)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
