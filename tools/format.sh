#!/usr/bin/env bash
# Keeps the C++ files under git in the repository's .clang-format, with Debian 12's clang-format 14:
#   tools/format.sh           rewrites them in place
#   tools/format.sh --check   changes nothing; names each difference and fails if there is one
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=$(command -v clang-format-14 || command -v clang-format)
# Files not yet added count too, so that a new file is checked before it is committed.
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  "$clang_format" --dry-run --Werror "${files[@]}"
else
  "$clang_format" -i "${files[@]}"
fi
