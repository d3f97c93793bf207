#!/usr/bin/env bash
# Starts the calculator in a virtual X display and saves a PNG of its window.
#   tools/screenshot.sh [OUTPUT.png] [SCALE] [tooltip|calculated]   (defaults: docs/screenshot.png, 1)
# With "tooltip" it first calculates "a,b,c" for a = 5, b = 3, c = 1 and presses F1 in the box of S,
# so that the picture shows the tooltip that explains S; with "calculated" it calculates "a,b,c" for
# a = 8, b = 5, c = 2, so that the picture shows the trapezoid drawn to scale.
# Needs a built ./build/app/trapezoid, and for "tooltip" and "calculated" the places of the controls that the web
# build writes (build-web/web/page/window.json, bash tools/web.sh build); installs Xvfb, xdotool
# and ImageMagick's import if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
scale=${2:-1}
mode=${3:-window}
bash tools/deps.sh --screenshots

mkdir -p "$(dirname "$out")"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale LC_ALL=${LC_ALL:-bg_BG.UTF-8} ./build/app/trapezoid &
app=$!
for _ in $(seq 50); do
  id=$(xwininfo -root -tree 2>/dev/null | grep -m1 'Математика' | awk '{print $1}') || true
  [ -n "${id:-}" ] && break
  sleep 0.2
done
sleep 1
: "${id:?the window did not appear}"
if [ "$mode" = window ]; then
  import -window "$id" "$out"
  echo "saved $out"
  exit 0
fi

eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4}')"
# The middle of a control inside the window, from the table of controls as the web build wrote it.
middle() {
  python3 -c 'import json, sys
c = next(c for c in json.load(open(sys.argv[1]))["controls"] if c["id"] == sys.argv[2])
print(int(c["left"] + c["width"] / 2), int(c["top"] + c["height"] / 2))' build-web/web/page/window.json "$1"
}
click() { read -r x y < <(middle "$1"); xdotool mousemove $((left + x * scale)) $((top + y * scale)) click 1; sleep 0.2; }
values="0:5 1:3 2:1"
[ "$mode" = calculated ] && values="0:8 1:5 2:2"
for row_value in $values; do
  click "Text2_${row_value%%:*}"
  xdotool type "${row_value##*:}"
done
click Command1_0
if [ "$mode" = calculated ]; then
  sleep 0.5
  import -window "$id" "$out"
  echo "saved $out"
  exit 0
fi
click Text2_5
xdotool key F1
sleep 1
# The tooltip is a window of its own below the box, so the picture is cut from the screen.
import -window root -crop $((510 * scale))x$((424 * scale))+"$left"+"$top" +repage "$out"
echo "saved $out"
