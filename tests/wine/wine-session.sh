#!/usr/bin/env bash
# wine-session.sh start|stop BUILD_DIR
#
# start: makes BUILD_DIR/wineprefix if it is not there yet, starts a private
# Xvfb and a persistent wineserver for it. The display number is written to
# BUILD_DIR/wine-session/display; logs and PIDs are kept in that folder too.
# stop: ends exactly those: the wineserver of this prefix with all its
# programs, and the Xvfb by its PID.
set -euo pipefail
action=$1
source "$(dirname "$0")/wine-env.sh" "$2"

stop_session() {
  if [[ -d $WINEPREFIX ]]; then "$WINESERVER" -k 2>/dev/null || true; fi
  if [[ -s $session_dir/xvfb.pid ]]; then
    kill "$(<"$session_dir/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$session_dir/xvfb.pid" "$session_dir/display"
}

start_xvfb() {
  # setsid may fork, so Xvfb's PID is taken from inside; its output goes to a
  # file, since ctest would wait on any pipe it keeps open.
  setsid sh -c 'echo $$ >"$1"; exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$2"' \
    sh "$session_dir/xvfb.pid" "$session_dir/display" </dev/null >"$session_dir/xvfb.log" 2>&1 &
  for _ in $(seq 100); do
    [[ -s $session_dir/display ]] && break
    sleep 0.1
  done
  if [[ ! -s $session_dir/display ]]; then
    echo "Xvfb did not start:" >&2
    cat "$session_dir/xvfb.log" >&2
    exit 1
  fi
  DISPLAY=:$(<"$session_dir/display")
  export DISPLAY
}

make_prefix() {
  local ready=$WINEPREFIX/.ready-for-tests
  [[ -e $ready ]] && return
  rm -rf "$WINEPREFIX"
  "$WINELOADER" wineboot -i >"$session_dir/wineboot.log" 2>&1
  # Wine then draws the title bars itself and places windows where they are
  # put: no window manager is needed.
  "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >>"$session_dir/wineboot.log" 2>&1
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$WINESERVER" -w
  touch "$ready"
}

case $action in
  start)
    mkdir -p "$session_dir"
    stop_session  # what an interrupted run may have left behind
    start_xvfb
    make_prefix
    setsid "$WINESERVER" -p </dev/null >"$session_dir/wineserver.log" 2>&1
    ;;
  stop)
    stop_session
    ;;
  *)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 64
    ;;
esac
