#!/usr/bin/env bash
# Runs the Windows build of parity_cases under Wine and compares its file with the desktop's.
#   win32_parity_test.sh PARITY_CASES.exe DESKTOP.json
set -euo pipefail
exe=$1
desktop=$2
if [ ! -f "$desktop" ]; then
  echo "no desktop file $desktop: build the desktop and run build/tests/parity_cases $desktop first"
  exit 77
fi
out=$(dirname "$exe")/parity_cases.json
# Wine finds a path of the Linux file system on its drive Z:, the current one.
bash "$(dirname "$0")/../tools/wine_run.sh" "$exe" "$out"
if ! cmp "$desktop" "$out"; then
  diff <(tr ',' '\n' <"$desktop") <(tr ',' '\n' <"$out") | head -20
  exit 1
fi
echo "the Windows build gives the desktop's answers in $(grep -c '"index"' "$out") cases, settings included"
