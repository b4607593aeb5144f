#!/usr/bin/env bash
# Sets up and runs every test: native, and the Windows builds (64-bit under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)"
  ctest --preset "$preset" -j"$(nproc)"
done
