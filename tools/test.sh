#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the whole suite in a normal
# build and again with AddressSanitizer and UndefinedBehaviorSanitizer; the plain layers' tests
# once more built with clang and LLVM's libc++, so the core stays portable; the web page built
# with emscripten, its core held to the native one and the page driven in Chromium; the Windows
# program built with mingw-w64 and tested under Wine; then a short run of each fuzz target
# (FUZZ_SECONDS each, default 60; 0 skips them).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}
export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
log=$(mktemp)
weblog=$(mktemp)
trap 'rm -f "$log" "$weblog"' EXIT

suite() {  # build-dir, extra cmake arguments...
  local dir=$1
  shift
  echo "== $dir"
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" | tee -a "$log"
}

suite build -DCMAKE_BUILD_TYPE=Release
suite build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRAPEZOID_SANITIZE=ON -DTRAPEZOID_BENCH=OFF
suite build-libcxx -DCMAKE_BUILD_TYPE=Release -DTRAPEZOID_QT=OFF -DTRAPEZOID_BENCH=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-stdlib=libc++ \
  -DCMAKE_EXE_LINKER_FLAGS=-stdlib=libc++ -DTRAPEZOID_GTEST_SOURCE=/usr/src/googletest

echo "== build-web"
bash tools/web.sh build
(cd tools && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
./build/tests/parity_cases build-web/parity_cases.json
if ! node --test --test-reporter=tap tests/web/parity.test.mjs tests/web/page.test.mjs >"$weblog"; then
  cat "$weblog"
  exit 1
fi
grep -E '^(not )?ok|^# (pass|fail)' "$weblog"

# The Windows program, cross-built with mingw-w64 and tested under Wine on a virtual display; its
# core's answers are held to the desktop's.
windows() {
  echo "== build-windows"
  bash tools/windows.sh test | tee -a "$log"
}
windows

if [ "$fuzz_seconds" -gt 0 ]; then
  bash tools/fuzz.sh "$fuzz_seconds"
fi

passed=$(grep -cE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed' "$log" || true)
passed=$((passed + $(sed -n 's/^# pass //p' "$weblog")))
echo "tests: $passed passed, 0 failed"
