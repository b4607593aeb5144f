# Sourced by scripts/run.sh and by the test session in tests/wine: how this
# project runs Windows programs under 64-bit Wine.

# use_wine_prefix DIR: the environment every Wine process of that prefix runs
# in. The 64-bit loader is called directly, so that a 32-bit Wine, which
# cannot run on these machines, is never picked.
use_wine_prefix() {
  export WINEPREFIX=$1
  export WINEARCH=win64
  export WINELOADER=/usr/lib/wine/wine64
  export WINESERVER=/usr/lib/wine/wineserver64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # Wine converts arguments and file names through the locale's character set.
  export LC_ALL=C.UTF-8
}

# make_wine_prefix LOG: makes $WINEPREFIX unless it is already there (about
# half a minute), with Wine's own fonts, so that text is laid out as in the
# tests.
make_wine_prefix() {
  local ready=$WINEPREFIX/.ready
  [[ -e $ready ]] && return
  rm -rf "$WINEPREFIX"
  "$WINELOADER" wineboot -i >"$1" 2>&1 </dev/null
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$WINESERVER" -w
  touch "$ready"
}

# manage_windows Y|N LOG: N has Wine draw the title bars itself and place
# windows where they are put, so that no window manager is needed.
manage_windows() {
  "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f \
    >>"$2" 2>&1 </dev/null
}

# start_private_xvfb DIR: starts Xvfb on a free display and exports DISPLAY;
# DIR/xvfb.pid gets its PID and DIR/display the display number. setsid may
# fork, so the PID is taken from inside; the output goes to DIR/xvfb.log, as a
# caller such as ctest would wait on any pipe Xvfb keeps open.
start_private_xvfb() {
  local dir=$1
  rm -f "$dir/display" "$dir/xvfb.pid"
  setsid sh -c 'echo $$ >"$1"; exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$2"' \
    sh "$dir/xvfb.pid" "$dir/display" </dev/null >"$dir/xvfb.log" 2>&1 &
  for _ in $(seq 100); do
    [[ -s $dir/display ]] && break
    sleep 0.1
  done
  if [[ ! -s $dir/display ]]; then
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
  fi
  DISPLAY=:$(<"$dir/display")
  export DISPLAY
}
