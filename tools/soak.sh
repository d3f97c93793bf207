#!/usr/bin/env bash
# Runs one test stage's tests N times over while every core is kept busy, to find the tests that
# race or hang only on a loaded machine (as CI's can be). The stage is built once first.
#   tools/soak.sh STAGE [N]        (N defaults to 10)
# Each run's CTest output goes to build-STAGE/soak/run-K.log (build/soak for the default stage);
# the last line counts the runs that passed, and the script fails if any did not.
set -uo pipefail
cd "$(dirname "$0")/.."
stage=${1:?usage: tools/soak.sh STAGE [N]}
runs=${2:-10}
dir=build-$stage
[ "$stage" = default ] && dir=build

cmake --workflow --preset "$stage" >/dev/null 2>&1 || cmake --workflow --preset "$stage" || exit 1
mkdir -p "$dir/soak"

# One busy loop per core, at ordinary priority, ended by its process id.
busy=()
for _ in $(seq "$(nproc)"); do
  bash -c 'while :; do :; done' &
  busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT

passed=0
for run in $(seq "$runs"); do
  start=$SECONDS
  if ctest --preset "$stage" >"$dir/soak/run-$run.log" 2>&1; then
    passed=$((passed + 1))
    echo "run $run: passed in $((SECONDS - start)) s"
  else
    echo "run $run: FAILED in $((SECONDS - start)) s; $dir/soak/run-$run.log:"
    grep -E '\*\*\*|Failed|Timeout|not ok' "$dir/soak/run-$run.log" | head -20
  fi
done
echo "soak $stage: $passed of $runs runs passed"
[ "$passed" -eq "$runs" ]
