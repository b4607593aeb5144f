# Sourced with the build tree as $1: the environment every Wine process of
# that build's tests runs in. The 64-bit loader is called directly, so that a
# 32-bit Wine, which cannot run here, is never picked.
build_dir=$(cd "$1" && pwd)
session_dir=$build_dir/wine-session
export WINEPREFIX=$build_dir/wineprefix
export WINEARCH=win64
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine converts arguments and file names through the locale's character set.
export LC_ALL=C.UTF-8
if [[ -s $session_dir/display ]]; then
  DISPLAY=:$(<"$session_dir/display")
  export DISPLAY
fi
