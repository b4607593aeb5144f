#!/usr/bin/env bash
# Builds the command-line patcher and a stand-in Zelvar 2000 executable,
# shows the stand-in's texts, updates it, and shows them again in German.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native -j"$(nproc)" --target zelvar-german-patch zelvar_stand_in >/dev/null
sample=build/sample/Zelvar.exe
mkdir -p "$(dirname "$sample")"
cp build/native/sample_target/zelvar_stand_in "$sample"
echo "== $sample before the update:"; "$sample"
echo "== zelvar-german-patch $sample"
build/native/cli/zelvar-german-patch "$sample"
echo "== $sample after the update:"; "$sample"
