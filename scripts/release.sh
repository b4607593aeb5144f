#!/usr/bin/env bash
# Builds the release archive build/release/ZelvarGermanPatch-<version>.zip:
# the 32-bit window program and command-line patcher (win32 preset, stripped),
# README.md and SHA256SUMS. The files carry the date of the last commit, so
# the same sources give the same archive.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)" --target ZelvarGermanPatch zelvar-german-patch >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win32/CMakeCache.txt)
name=ZelvarGermanPatch-$version
stage=build/release/$name
rm -rf "$stage" "build/release/$name.zip"
mkdir -p "$stage"

for program in build/win32/main_window/ZelvarGermanPatch.exe build/win32/cli/zelvar-german-patch.exe; do
  i686-w64-mingw32-strip -o "$stage/$(basename "$program")" "$program"
  # Only Windows' own DLLs: the C++ runtime must be linked in.
  foreign=$(i686-w64-mingw32-objdump -p "$stage/$(basename "$program")" |
    sed -n 's/^\tDLL Name: //p' | grep -viE '^(kernel32|user32|gdi32|comctl32|advapi32|shell32|msvcrt|ole32|api-ms-win-.*)\.dll$' || true)
  if [[ -n $foreign ]]; then
    echo "$program needs DLLs that Windows does not have: $foreign" >&2
    exit 1
  fi
done
cp README.md "$stage/"
(cd "$stage" && sha256sum ZelvarGermanPatch.exe zelvar-german-patch.exe README.md >SHA256SUMS)

stamp=$(git log -1 --format=%cd --date=format-local:%Y%m%d%H%M.%S 2>/dev/null || date +%Y%m%d%H%M.%S)
touch -t "$stamp" "$stage"/*
(cd build/release && zip -q -X -r "$name.zip" "$name/ZelvarGermanPatch.exe" \
  "$name/zelvar-german-patch.exe" "$name/README.md" "$name/SHA256SUMS")
echo "build/release/$name.zip"
(cd "$stage" && ls -l ZelvarGermanPatch.exe zelvar-german-patch.exe && cat SHA256SUMS)
