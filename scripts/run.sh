#!/usr/bin/env bash
# Runs the window program ZelvarGermanPatch.exe under 64-bit Wine, with a
# stand-in Zelvar 2000 installed where the tool looks first:
# C:\Programme\Zelvar\Zelvar.exe of a Wine prefix of its own (build/run-prefix).
#
# With a display ($DISPLAY set) the tool opens there and this script waits
# until it ends. Without one, the tool runs on a private Xvfb just long enough
# for a screenshot, whose path is printed; everything started is stopped again.
#
#   scripts/run.sh             the tool, on a freshly installed English stand-in
#   scripts/run.sh zelvar      the stand-in as the last run left it (German if updated)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
what=${1:-tool}
case $what in
  tool | zelvar) ;;
  *)
    echo "usage: $0 [zelvar]" >&2
    exit 64
    ;;
esac

scripts/install-deps.sh
echo "Building the 64-bit Windows programs (build/win64)..."
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j"$(nproc)" --target ZelvarGermanPatch zelvar_stand_in >/dev/null
tool=$root/build/win64/main_window/ZelvarGermanPatch.exe

source scripts/lib/wine.sh
use_wine_prefix "$root/build/run-prefix"
log_dir=$root/build/run-logs
mkdir -p "$log_dir"

if [[ ! -e $WINEPREFIX/.ready ]]; then
  echo "Preparing the Wine prefix build/run-prefix (once, about half a minute)..."
  make_wine_prefix "$log_dir/wineboot.log"
fi
zelvar=$WINEPREFIX/drive_c/Programme/Zelvar/Zelvar.exe
if [[ $what == tool ]]; then
  mkdir -p "$(dirname "$zelvar")"
  cp build/win64/sample_target/Zelvar.exe "$zelvar"
  program=$tool
else
  program=$zelvar
fi

started_xvfb=""
stop_what_was_started() {
  if [[ -n $started_xvfb ]]; then
    "$WINESERVER" -k 2>/dev/null || true
    kill "$started_xvfb" 2>/dev/null || true
  fi
}
trap stop_what_was_started EXIT

# Managed windows on a desktop with a window manager; without one, Wine draws
# the title bars itself.
managed=Y
if [[ -z ${DISPLAY:-} ]]; then
  managed=N
  start_private_xvfb "$log_dir"
  started_xvfb=$(<"$log_dir/xvfb.pid")
fi
manage_windows "$managed" "$log_dir/wineboot.log"

if [[ -z $started_xvfb ]]; then
  echo "Starting $(basename "$program") on display $DISPLAY; this script ends with it."
  exec "$WINELOADER" "$program" </dev/null >"$log_dir/program.log" 2>&1
fi

echo "No display: starting $(basename "$program") on a private Xvfb ($DISPLAY)."
"$WINELOADER" "$program" </dev/null >"$log_dir/program.log" 2>&1 &
# The tool's window carries the marked title; the stand-in's is "Zelvar 2000".
title='"[_ Zelvar 2000 _| "'
[[ $what == zelvar ]] && title='"Zelvar 2000"'
shown=""
for _ in $(seq 150); do
  if xwininfo -root -tree 2>/dev/null | grep -qF "$title"; then
    shown=yes
    break
  fi
  sleep 0.2
done
if [[ -z $shown ]]; then
  echo "The window did not appear; see $log_dir/program.log" >&2
  exit 1
fi
sleep 1  # let it finish drawing
screenshot=$root/build/run-screenshot-$what.png
import -window root "$screenshot"
echo "Screenshot of the running program: $screenshot"
