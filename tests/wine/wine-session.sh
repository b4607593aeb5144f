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

case $action in
  start)
    mkdir -p "$session_dir"
    stop_session  # what an interrupted run may have left behind
    start_private_xvfb "$session_dir"
    make_wine_prefix "$session_dir/wineboot.log"
    manage_windows N "$session_dir/wineboot.log"
    "$WINESERVER" -w  # the one reg started, before the persistent one
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
