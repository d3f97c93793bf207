#!/usr/bin/env bash
# Installs what is missing, then runs the test stages in order, each a CMake workflow preset of
# CMakePresets.json (configure, build, test):
#   default   the program and every test (unit, window, packaging, bench, format), built with GCC
#   sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer, less packaging and
#             the start-up figures, which sanitizers cannot change
#   libcxx    the plain layers' tests built with clang and LLVM's libc++, so the core stays portable
#   web       the page built with emscripten; its core held to the native one (which the default
#             stage builds) and the page driven in Chromium, Firefox ESR and WebKitGTK
#   windows   the Windows program cross-built with mingw-w64; the core's tests, the window driven
#             through its messages, the packaging, and the native core's answers, under Wine
#   fuzz      a short run of each fuzz target, FUZZ_SECONDS each (default 60; 0 skips the stage)
#   tools/test.sh [STAGE...]      (every stage by default)
# The last line adds up CTest's own counts of every stage; a stage that does not configure or
# build counts as one failed test.
set -uo pipefail
cd "$(dirname "$0")/.."
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(default sanitize libcxx web windows fuzz)
export FUZZ_SECONDS=${FUZZ_SECONDS:-60}

bash tools/deps.sh || exit 1
for extra in web windows; do
  if [[ " ${stages[*]} " == *" $extra "* ]]; then bash tools/deps.sh "--$extra" || exit 1; fi
done

log=$(mktemp)
trap 'rm -f "$log"' EXIT
passed=0
failed=0
for stage in "${stages[@]}"; do
  if [ "$stage" = fuzz ] && [ "$FUZZ_SECONDS" -eq 0 ]; then
    echo "== fuzz: skipped (FUZZ_SECONDS=0)"
    continue
  fi
  echo "== $stage"
  cmake --workflow --preset "$stage" 2>&1 | tee "$log"
  # CTest's closing line: "100% tests passed, 0 tests failed out of 19".
  counts=$(sed -nE 's/.*tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1 \2/p' "$log" | tail -1)
  if [ -z "$counts" ]; then
    echo "== $stage: did not configure or build"
    failed=$((failed + 1))
    continue
  fi
  read -r stage_failed stage_total <<<"$counts"
  passed=$((passed + stage_total - stage_failed))
  failed=$((failed + stage_failed))
done

echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
