#!/usr/bin/env bash
# A virtual X display for the Windows tests under Wine, started before them and stopped after
# them by CTest (the fixture wine_display), by its process id, with the build tree's Wine prefix
# and server. tools/wine_run.sh runs every program of the build tree on that display.
#   tools/wine_display.sh start|stop BUILD-DIR
set -euo pipefail
dir=$(cd "$2" && pwd)
export LC_ALL=${WINE_LOCALE:-C.UTF-8} # as tools/wine_run.sh sets it
case "$1" in
  start)
    rm -f "$dir/xvfb.display"
    # Xvfb picks a free display itself and writes its number on descriptor 3.
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$dir/xvfb.number" >/dev/null 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 300); do
      [ -s "$dir/xvfb.number" ] && break
      sleep 0.1
    done
    [ -s "$dir/xvfb.number" ] || { echo "Xvfb did not start" >&2; exit 1; }
    echo ":$(tr -d '\n' <"$dir/xvfb.number")" >"$dir/xvfb.display"
    # One Wine server for all the tests, kept until the stop, so that Wine's desktop and services
    # start once, before the tests, rather than in the first tests that run side by side.
    mkdir -p "$dir/wineprefix"
    WINEPREFIX=$dir/wineprefix wineserver -p </dev/null >/dev/null 2>&1
    bash "$(dirname "$0")/wine_run.sh" --init "$dir"
    # Wine's services start here, with nothing to write to, not in the first test: they outlive
    # it, and CTest would wait for them to close its output.
    DISPLAY=$(cat "$dir/xvfb.display") WINEPREFIX=$dir/wineprefix WINEDEBUG=-all wine wineboot </dev/null >/dev/null 2>&1
    echo "display $(cat "$dir/xvfb.display"), Wine prefix $dir/wineprefix"
    ;;
  stop)
    WINEPREFIX=$dir/wineprefix wineserver -k 2>/dev/null || true
    [ -f "$dir/xvfb.pid" ] && kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid" "$dir/xvfb.number" "$dir/xvfb.display"
    ;;
  *) echo "usage: tools/wine_display.sh start|stop BUILD-DIR" >&2 && exit 2 ;;
esac
