#!/usr/bin/env bash
# One short run of a libFuzzer target, as a test: FUZZ_SECONDS seconds (default 60; 0 skips it),
# starting from the target's seed corpus.
#   fuzz/run.sh FUZZER SEED_CORPUS OUT_DIR
# New inputs go to a scratch corpus, so the repository's seeds stay as they are; a crash leaves
# its input, and every run its log, in OUT_DIR.
set -euo pipefail
fuzzer=$1
seeds=$2
out=$3
seconds=${FUZZ_SECONDS:-60}
if [ "$seconds" -eq 0 ]; then
  echo "FUZZ_SECONDS=0: not run"
  exit 77
fi

name=$(basename "$fuzzer")
log="$out/$name.log"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$seeds"/* "$scratch"/
mkdir -p "$out"
echo "$name: $seconds s"
"$fuzzer" "$scratch" "$seeds" -max_total_time="$seconds" -max_len=256 -timeout=5 -rss_limit_mb=2048 \
  -artifact_prefix="$out/$name-" -print_final_stats=1 2>"$log" || { tail -40 "$log"; exit 1; }
grep -E '^Done|stat::number_of_executed_units|stat::peak_rss' "$log"
