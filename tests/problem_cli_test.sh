#!/usr/bin/env bash
# trapezoid-solve as a pupil or a script calls it: what it prints and its exit status for an
# answer (0), givens that make no trapezoid (1) and arguments it cannot read (2).
#   problem_cli_test.sh PATH_TO_TRAPEZOID_SOLVE
set -uo pipefail
solve=$1
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0

# expect STATUS TEXT_ON_STDOUT TEXT_ON_STDERR -- ARGS...
expect() {
  local status=$1 stdout=$2 stderr=$3
  shift 4
  "$solve" "$@" >"$out" 2>"$err"
  local got=$?
  if [ "$got" != "$status" ] || { [ -n "$stdout" ] && ! grep -qF -- "$stdout" "$out"; } ||
     { [ -n "$stderr" ] && ! grep -qF -- "$stderr" "$err"; }; then
    echo "FAILED: trapezoid-solve $* (status $got, wanted $status)"
    echo "stdout:"; cat "$out"; echo "stderr:"; cat "$err"
    failed=$((failed + 1))
  fi
}

expect 0 "b = 7√2 ≈ 9,8994949" "" -- a=27 c=13 alpha=45
expect 0 "S = 180√3 ≈ 311,7691454" "" -- c=24 b=12 α=60
expect 0 "a, c, b, P, α и R не се определят: безброй трапеци имат m = 12 и h = 5" "" -- m=12 h=5
expect 0 "Има 2 такива трапеца." "" -- a=10 b=5 R=5,2
expect 0 '"exact": "180√3"}' "" -- --json c=24 b=12 alpha=60
expect 0 '"undetermined": ["a", "c", "b", "P", "alpha", "R"]' "" -- m=12 h=5 --json
expect 0 "b = 6,5" "" -- a=9 c=4 incircle
expect 0 "x = 10/3" "" -- P=40 c=10 alpha=60
expect 1 "Отговор:" "Дадените не си съответстват: m = (a + c) / 2 = (10 + 4) / 2 = 7, а е дадено m = 8" -- a=10 c=4 m=8
expect 1 '"refused": "Няма такъв трапец: c = −2 < 0"' "Няма такъв трапец: c = −2 < 0" -- --json a=4 b=5 h=4
expect 1 "" "α е острият ъгъл при голямата основа" -- a=5 c=3 alpha=120
expect 0 "Употреба: trapezoid-solve" "" -- --help
for bad in a=5x a= a=1,2,3 alpha=1e999 foo bases_ratio=7 bases_ratio=7:x incircle=1 x=3; do
  expect 2 "" "$bad" -- b=5 "$bad"
  [ -s "$out" ] && { echo "FAILED: trapezoid-solve b=5 $bad printed on stdout"; failed=$((failed + 1)); }
done
expect 2 "" "Употреба" --

total=$(( $(grep -c '^expect ' "$0") + 9 ))
echo "$((total - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
