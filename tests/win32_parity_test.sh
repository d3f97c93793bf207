#!/usr/bin/env bash
# Runs the desktop's parity_cases and its Windows build under Wine and compares their files.
#   win32_parity_test.sh PARITY_CASES.exe DESKTOP-PARITY_CASES
set -euo pipefail
exe=$1
desktop=$2
if [ ! -x "$desktop" ]; then
  echo "no desktop program $desktop: build the desktop first"
  exit 77
fi
out=$(dirname "$exe")
"$desktop" "$out/desktop.json" >/dev/null
# Wine finds a path of the Linux file system on its drive Z:, the current one.
bash "$(dirname "$0")/../tools/wine_run.sh" "$exe" "$out/windows.json" >/dev/null
if ! cmp "$out/desktop.json" "$out/windows.json"; then
  diff <(tr ',' '\n' <"$out/desktop.json") <(tr ',' '\n' <"$out/windows.json") | head -20
  exit 1
fi
echo "the Windows build gives the desktop's answers in $(grep -c '"index"' "$out/windows.json") cases, settings included"
