#!/usr/bin/env bash
# Stops the program's operations dead (SIGKILL) at random file writes and checks the data
# folder afterwards. Usage: scripts/killtest.sh [KILLS] (default 200), after scripts/build.sh.
#
# Each round copies a prepared sample shop, runs one operation to its end to learn the result
# and how many file changes it makes, then runs it again on a fresh copy under a preloaded
# stopper that kills it just before the K-th change (K random over the whole range). The
# stopped folder must open, build its indexes, and hold every file and record either as before
# or as after the operation; a folder left as before must reach exactly the "after" state when
# the operation is simply repeated (no points or counts taken twice).
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-200}
build=${SORANOWA_BUILD:-build}
driver=$build/soranowa-killdriver
shim=$(pwd)/$build/killshim.so
admin=$build/soranowa-admin
for f in "$driver" "$shim" "$admin"; do
  [ -e "$f" ] || { echo "missing $f: run scripts/build.sh first" >&2; exit 2; }
done
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d "${TMPDIR:-/tmp}/soranowa-kill.XXXXXX")
trap 'rm -rf "$work"' EXIT
now=$(date +%Y-%m-%dT12:00:00)
start=$SECONDS

"$admin" sample-data "$work/base/data" --customers 500 --orders 3000 --days 30 --seed 7 >/dev/null
"$driver" prepare "$work/base" "$now" 2>"$work/prepare.log" || { cat "$work/prepare.log" >&2; exit 1; }

ops=(confirm progress change cancel register import settings compact backup restore)
declare -A kills_of old_of new_of bad_of changes_of
damaged=0 lost=0 failures=0
for op in "${ops[@]}"; do kills_of[$op]=0 old_of[$op]=0 new_of[$op]=0 bad_of[$op]=0 changes_of[$op]=0; done

for ((i = 0; i < kills; i++)); do
  op=${ops[$((i % ${#ops[@]}))]}
  seed=$((RANDOM * 32768 + RANDOM))
  rm -rf "$work/after" "$work/run"
  cp -a "$work/base" "$work/after"
  cp -a "$work/base" "$work/run"
  if ! KILLSHIM_COUNT_FILE="$work/count" LD_PRELOAD="$shim" "$driver" run "$work/after" "$op" "$seed" "$now" \
      2>"$work/after.log"; then
    echo "round $i: $op (seed $seed) failed when run to its end" >&2
    cat "$work/after.log" >&2
    failures=$((failures + 1))
    continue
  fi
  changes=$(cat "$work/count")
  at=$((1 + (RANDOM * 32768 + RANDOM) % changes))
  changes_of[$op]=$changes
  set +e
  { KILLSHIM_AT=$at LD_PRELOAD="$shim" "$driver" run "$work/run" "$op" "$seed" "$now"; } 2>/dev/null
  status=$?
  set -e
  kills_of[$op]=$((${kills_of[$op]} + 1))
  if [ $status -ne 137 ]; then
    echo "round $i: $op was not stopped at change $at of $changes (status $status)" >&2
    failures=$((failures + 1))
  fi
  report=$("$driver" verify "$work/run" "$work/base" "$work/after" "$op" 2>&1) && ok=1 || ok=0
  state=$(sed -n 's/.*state=\([a-z]*\).*/\1/p' <<<"$report" | tail -1)
  d=$(sed -n 's/.*damaged=\([0-9]*\).*/\1/p' <<<"$report" | tail -1)
  l=$(sed -n 's/.*lost=\([0-9]*\).*/\1/p' <<<"$report" | tail -1)
  damaged=$((damaged + ${d:-0})) lost=$((lost + ${l:-0}))
  if [ $ok -ne 1 ]; then
    echo "round $i: $op stopped at change $at of $changes: $report" >&2
    bad_of[$op]=$((${bad_of[$op]} + 1))
    failures=$((failures + 1))
    continue
  fi
  if [ "$state" = new ]; then
    new_of[$op]=$((${new_of[$op]} + 1))
    continue
  fi
  old_of[$op]=$((${old_of[$op]} + 1))
  # As the shop would after a restart: do it again, and it must come out exactly as if the
  # stop had never happened.
  if ! "$driver" run "$work/run" "$op" "$seed" "$now" 2>"$work/repeat.log"; then
    echo "round $i: $op repeated after a stop at change $at failed" >&2
    cat "$work/repeat.log" >&2
    bad_of[$op]=$((${bad_of[$op]} + 1))
    failures=$((failures + 1))
    continue
  fi
  report=$("$driver" verify "$work/run" "$work/base" "$work/after" "$op" 2>&1) && ok=1 || ok=0
  if [ $ok -ne 1 ] || ! grep -q 'state=new' <<<"$report"; then
    echo "round $i: $op repeated after a stop at change $at of $changes differs: $report" >&2
    bad_of[$op]=$((${bad_of[$op]} + 1))
    failures=$((failures + 1))
  fi
done

# changes: file changes the last uninterrupted run of the operation made (the range of stops)
printf '%-10s %8s %6s %6s %6s %6s\n' operation changes kills old new bad
total=0
for op in "${ops[@]}"; do
  printf '%-10s %8d %6d %6d %6d %6d\n' "$op" "${changes_of[$op]}" "${kills_of[$op]}" "${old_of[$op]}" "${new_of[$op]}" "${bad_of[$op]}"
  total=$((total + ${kills_of[$op]}))
done
echo "kills: $total, damaged records: $damaged, lost records: $lost, failures: $failures, $((SECONDS - start)) s"
[ $failures -eq 0 ] && [ $damaged -eq 0 ] && [ $lost -eq 0 ]
