#!/usr/bin/env bash
# Starts the Windows program under Wine on the X display it is given (DISPLAY) and saves a PNG
# of its window. Run through tools/windows.sh screenshot, which starts a virtual display.
#   tools/windows_screenshot.sh PROGRAM.exe OUTPUT.png
set -euo pipefail
exe=$1
out=$2
mkdir -p "$(dirname "$out")"
# The window's language is Bulgarian; so are the regional settings it is shown with.
WINE_LOCALE=bg_BG.UTF-8 bash "$(dirname "$0")/wine_run.sh" "$exe" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  id=$(xwininfo -root -tree 2>/dev/null | grep -m1 'Математика' | awk '{print $1}') || true
  [ -n "${id:-}" ] && break
  sleep 0.2
done
: "${id:?the window did not appear}"
sleep 2
import -window "$id" "$out"
echo "saved $out"
