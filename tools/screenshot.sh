#!/usr/bin/env bash
# Starts the calculator in a virtual X display and saves a PNG of its window.
#   tools/screenshot.sh [OUTPUT.png] [SCALE] [tooltip]     (defaults: docs/screenshot.png, 1)
# With "tooltip" it first calculates "a,b,c" for a = 5, b = 3, c = 1 and presses F1 in the box of S,
# so that the picture shows the tooltip that explains S.
# Needs a built ./build/app/trapezoid; installs Xvfb, xdotool and ImageMagick's import if missing.
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
if [ "$mode" != tooltip ]; then
  import -window "$id" "$out"
  echo "saved $out"
  exit 0
fi

eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4}')"
# Positions inside the window (window/layout.h): the value box of row i sits in the frame at
# (112, 32), 56 pixels in and 24 + 24 i down; Calculate is at (16, 216).
click() { xdotool mousemove $((left + $1 * scale)) $((top + $2 * scale)) click 1; sleep 0.2; }
box() { click 212 $((32 + 24 + 24 * $1 + 13)); }
for row_value in 0:5 1:3 2:1; do
  box "${row_value%%:*}"
  xdotool type "${row_value##*:}"
done
click 60 228
box 5
xdotool key F1
sleep 1
# The tooltip is a window of its own below the box, so the picture is cut from the screen.
import -window root -crop $((510 * scale))x$((424 * scale))+"$left"+"$top" +repage "$out"
echo "saved $out"
