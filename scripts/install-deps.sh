#!/usr/bin/env bash
# Installs the Debian packages gepfit needs to build and test, only those that
# are missing. Quiet when everything is already there. With the argument
# "fuzz" it also installs what the fuzz targets need (clang and its runtimes).
set -euo pipefail

packages=(
  g++ cmake make
  libgsl-dev libcli11-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev
  valgrind
)
if [ "${1:-}" = "fuzz" ]; then
  packages+=(clang libclang-rt-14-dev libomp-14-dev)
fi

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq </dev/null
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
