#!/usr/bin/env bash
# run-under-wine.sh BUILD_DIR PROGRAM.exe [ARGUMENTS...]
#
# Runs a 64-bit Windows program under the Wine prefix and display of the
# build tree BUILD_DIR and exits with the program's exit status. CMake uses it
# as the emulator of the win64 build, so every test runs through it.
#
# To run one test program by hand, with the session up:
#   tests/wine/wine-session.sh start build/win64
#   tests/wine/run-under-wine.sh build/win64 build/win64/tests/platform_win32/platform_win32_test.exe \
#     --gtest_filter='*Replace*'
#   tests/wine/wine-session.sh stop build/win64
# (ctest --test-dir build/win64 -R NAME does the same, session included.)
set -uo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
shift
if [[ -z ${DISPLAY:-} ]]; then
  echo "No Wine session for $build_dir: run tests/wine/wine-session.sh start $build_dir" >&2
  exit 1
fi
# The output goes through a file: Wine's helper processes inherit the
# program's descriptors, and ctest would wait for a pipe they keep open.
mkdir -p "$session_dir/output"
output=$(mktemp "$session_dir/output/XXXXXX.log")
"$WINELOADER" "$@" </dev/null >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit "$status"
