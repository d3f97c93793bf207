#!/usr/bin/env bash
# Starts the calculator in a virtual X display and saves a PNG of its window.
#   tools/screenshot.sh [OUTPUT.png] [SCALE]     (defaults: docs/screenshot.png, 1)
# Needs a built ./build/app/trapezoid; installs Xvfb and ImageMagick's import if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
scale=${2:-1}
bash tools/deps.sh --screenshots
if ! command -v import >/dev/null || ! command -v xwininfo >/dev/null; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends imagemagick x11-utils
fi

mkdir -p "$(dirname "$out")"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale LC_ALL=${LC_ALL:-bg_BG.UTF-8} \
  ./build/app/trapezoid &
app=$!
for _ in $(seq 50); do
  id=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -m1 'Математика' | awk '{print $1}') || true
  [ -n "${id:-}" ] && break
  sleep 0.2
done
sleep 1
DISPLAY=$display import -window "${id:?the window did not appear}" "$out"
echo "saved $out"
