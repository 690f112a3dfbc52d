#!/usr/bin/env bash
# Runs one end-to-end test of the real program:
#   run.sh BUILD_DIR TEST_NAME
# on the display that is set, or on an Xvfb of its own, in a Wine prefix of
# its own inside the build directory.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
source "$root/tools/lib/display.sh"
lf_need_display || exit 1
trap lf_release_display EXIT
export LF_WINEPREFIX=$build/e2e/wineprefix
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all
lf_wine_prefix "$LF_WINEPREFIX" || exit 1
# A server of its own from the start, so that no test step starts one that
# holds its output open.
WINEPREFIX=$LF_WINEPREFIX wineserver -p5 </dev/null >/dev/null 2>&1
python3 "$here/e2e.py" "$root" "$build" "$2"
status=$?
WINEPREFIX=$LF_WINEPREFIX wineserver -k 2>/dev/null
exit $status
