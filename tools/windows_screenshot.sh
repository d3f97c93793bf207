#!/usr/bin/env bash
# Starts the Windows program under Wine on the X display it is given (DISPLAY) and saves a PNG
# of its window. Run through tools/windows.sh screenshot, which starts a virtual display.
#   tools/windows_screenshot.sh PROGRAM.exe OUTPUT.png [calculated]
# With "calculated" it first calculates "a,b,c" for a = 8, b = 5, c = 2, so that the picture shows
# the trapezoid drawn to scale; that needs the places of the controls that the web build writes
# (build-web/web/page/window.json, bash tools/web.sh build).
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
if [ "${3:-}" = calculated ]; then
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4}
    / Width:/ {print "width=" $2} / Height:/ {print "height=" $2}')"
  # Wine draws the frame itself: the client area of 481 × 424 stands inside its borders, under the caption.
  border=$(((width - 481) / 2))
  left=$((left + border))
  top=$((top + height - 424 - border))
  middle() {
    python3 -c 'import json, sys
c = next(c for c in json.load(open(sys.argv[1]))["controls"] if c["id"] == sys.argv[2])
print(int(c["left"] + c["width"] / 2), int(c["top"] + c["height"] / 2))' build-web/web/page/window.json "$1"
  }
  click() { read -r x y < <(middle "$1"); xdotool mousemove $((left + x)) $((top + y)) click 1; sleep 0.3; }
  for row_value in 0:8 1:5 2:2; do
    click "Text2_${row_value%%:*}"
    xdotool type --delay 50 "${row_value##*:}"
  done
  click Command1_0
  sleep 1
fi
import -window "$id" "$out"
echo "saved $out"
