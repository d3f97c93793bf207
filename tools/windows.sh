#!/usr/bin/env bash
# The Windows program, cross-built with mingw-w64 into build-windows/ and tested under Wine:
#   tools/windows.sh build        trapezoid.exe and its installer trapezoid-1.00-setup.exe
#   tools/windows.sh test         builds, then runs the tests under Wine on a virtual display (the
#                                 parity test needs the desktop's build/tests/parity_cases)
#   tools/windows.sh screenshot   builds, then saves docs/windows.png (or the path given after it)
#                                 after a calculation of a = 8, b = 5, c = 2
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh --windows

# The preset "windows" of CMakePresets.json, into build-windows/.
export WINEPREFIX=$PWD/build-windows/wineprefix
cmake --preset windows >/dev/null
cmake --build --preset windows

# Wine's server outlives its last program by a few seconds; this prefix's own is ended at once.
stop_wine() { wineserver -k 2>/dev/null || true; }

case "${1:-build}" in
  build) ;;
  test) ctest --preset windows ;;
  screenshot)
    trap stop_wine EXIT
    xvfb-run -a -s '-screen 0 1600x1200x24' bash tools/windows_screenshot.sh build-windows/trapezoid.exe "${2:-docs/windows.png}" calculated
    ;;
  *) echo "usage: tools/windows.sh [build|test|screenshot]" >&2 && exit 2 ;;
esac
