#!/usr/bin/env bash
# Runs win32_regional_test.exe in a Wine prefix of its own, whose regional settings it first sets
# as a user would in Control Panel, so that the build tree's shared prefix keeps Windows' defaults.
#   win32_regional_test.sh BUILD-DIR PROGRAM.exe
set -euo pipefail
build=$(cd "$1" && pwd)
program=$2
run() { bash "$(dirname "$0")/../tools/wine_run.sh" "$@"; }
export WINEPREFIX=$build/wineprefix-regional
# The prefix's own Wine server, kept for the test and ended after it, with nothing to write to.
mkdir -p "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
run --init "$build"
key='HKCU\Control Panel\International'
for setting in 'sDecimal=;' "sThousand='" 'sNegativeSign=~' 'sGrouping=3;0'; do
  run reg add "$key" /v "${setting%%=*}" /d "${setting#*=}" /f </dev/null >/dev/null 2>&1
done
run "$program"
