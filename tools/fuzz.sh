#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for the given number of seconds, starting from the seed corpus in fuzz/corpus.
#   tools/fuzz.sh [SECONDS]      (default 60)
# New inputs go to a scratch corpus, so the repository's seeds stay as they are; a crash leaves
# its input in fuzz-out/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/deps.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRAPEZOID_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"

mkdir -p fuzz-out
for target in val format_number solver; do
  scratch=$(mktemp -d)
  cp fuzz/corpus/$target/* "$scratch"/
  echo "== ${target}_fuzz: $seconds s"
  ./build-fuzz/fuzz/${target}_fuzz "$scratch" fuzz/corpus/$target -max_total_time="$seconds" \
    -max_len=256 -timeout=5 -rss_limit_mb=2048 -artifact_prefix=fuzz-out/${target}- -print_final_stats=1 \
    2> "fuzz-out/$target.log" || { tail -40 "fuzz-out/$target.log"; exit 1; }
  grep -E '^Done|stat::number_of_executed_units|stat::peak_rss' "fuzz-out/$target.log"
  rm -rf "$scratch"
done
