# Sourced with the build tree as $1: the environment every Wine process of
# that build's tests runs in, with the display of its session once started.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine.sh"
build_dir=$(cd "$1" && pwd)
session_dir=$build_dir/wine-session
use_wine_prefix "$build_dir/wineprefix"
if [[ -s $session_dir/display ]]; then
  DISPLAY=:$(<"$session_dir/display")
  export DISPLAY
fi
