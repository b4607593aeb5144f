#!/usr/bin/env bash
# Installs what building and testing need, from Debian 12's packages.
# 64-bit Wine only: 32-bit programs cannot run on these machines.
set -euo pipefail
packages=(cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb imagemagick
  hyperfine time python3 zip x11-utils)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
