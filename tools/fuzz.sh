#!/usr/bin/env bash
# The test command's fuzz stage for a time of your choosing: builds the libFuzzer targets with
# clang (AddressSanitizer, UndefinedBehaviorSanitizer) and runs each for SECONDS, starting from
# its seed corpus in fuzz/corpus.
#   tools/fuzz.sh [SECONDS]      (default 60)
# New inputs go to a scratch corpus, so the repository's seeds stay as they are; a crash leaves
# its input, and every run its log, in fuzz-out/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/deps.sh

export FUZZ_SECONDS=$seconds # each test's time limit is set from it when the build is configured
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz --verbose
