#!/usr/bin/env bash
# The program under Valgrind's memcheck for a start, one order and an exit, driven with xdotool
# under Xvfb and openbox on a 1366x768 screen, with sample data and preferences in a temporary
# folder. Prints the error summary and the definite leaks; the full log is kept in OUT_DIR.
#
#   scripts/check-valgrind.sh [OUT_DIR]     (after scripts/build.sh; needs valgrind xvfb openbox xdotool)
#
# Fails when memcheck reports an invalid read or write, a use of an uninitialised value, or a
# definite leak whose stack passes through our code. Memory Qt, X11 and fontconfig keep until
# the process ends ("still reachable") is not a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/valgrind}")"
for tool in Xvfb openbox xdotool valgrind; do
  command -v "$tool" >/dev/null || { echo "check-valgrind: $tool is missing" >&2; exit 1; }
done
[ -x build/soranowa ] && [ -x build/soranowa-admin ] || { echo "check-valgrind: run scripts/build.sh first" >&2; exit 1; }
mkdir -p "$out"
rm -f "$out"/*.png "$out/valgrind.log"

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
start=$SECONDS

mkdir -p "$work/program" "$work/config/SoranowaApp"
cp build/soranowa "$work/program/"
build/soranowa-admin sample-data "$work/program/data" --customers 200 --orders 400 --days 7 --seed 7 >/dev/null
# A shop started before (no first-start notice), the order window on the menu board.
printf '[SYSTEM]\nSTARTED=1\n\n[SET]\nSORTKEY=0\nSORT_AZ=0\nSEARCH=2\nMENU=1\nNOHIN=0\n\n[STAFF]\nNAME=佐藤\n' \
  >"$work/config/SoranowaApp/SoranowaApp.ini"
tel="$(dd if="$work/program/data/Customer.snw" bs=1 skip=4 count=14 2>/dev/null | tr -d ' \0')"
orders_before=$(($(stat -c %s "$work/program/data/Sales.snw") / 1628))

display=90
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
export DISPLAY=":${display}"
Xvfb "$DISPLAY" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# VG_PLAIN=1 runs the same steps without memcheck, to check the clicks quickly.
# Qt's regular-expression JIT scans strings 16 bytes at a time, past their ends, from code memcheck
# has no symbols for; it is turned off so that every report left is one worth reading.
export QT_ENABLE_REGEXP_JIT=0
runner=(valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite
  --num-callers=40 --track-origins=no --fullpath-after= --log-file="$out/valgrind.log")
[ "${VG_PLAIN:-0}" = 1 ] && runner=() && : >"$out/valgrind.log"
"${runner[@]}" "$work/program/soranowa" >"$out/program.log" 2>&1 &
vg=$!
pids+=($vg)

# Under memcheck every step is many times slower than without.
slow=${VG_SLOW:-4}
[ "${VG_PLAIN:-0}" = 1 ] && slow=1
pause() { sleep $(($1 * slow)); }

main=""
for _ in $(seq 600); do
  # The main window, not the splash: its title names the order board.
  main="$(xdotool search --onlyvisible --name '注文状況' 2>/dev/null | tail -1 || true)"
  [ -n "$main" ] && break
  sleep 0.5
done
[ -n "$main" ] || { echo "check-valgrind: the program did not open its window" >&2; exit 1; }
xdotool windowsize --sync "$main" 1366 740
xdotool windowmove --sync "$main" 0 0
xdotool windowactivate --sync "$main" 2>/dev/null || true
pause 15
shot() { import -window root "$out/$1.png" 2>/dev/null || true; }
shot 1-board

click() { xdotool mousemove --window "$main" "$1" "$2" click 1; pause "${3:-4}"; }
click ${VG_ORDER_BUTTON:-104 117} 20 # the left panel's 注文受付
shot 2-order
xdotool key --window "$main" ctrl+a
xdotool type --delay 80 "$tel"
xdotool key Return
pause 10
shot 3-customer
click ${VG_MENU_ITEM:-651 180} 8 # an item of the menu board
shot 4-item
click ${VG_CONFIRM:-1031 677} 20 # 注文確定
shot 5-confirmed
orders_after=$(($(stat -c %s "$work/program/data/Sales.snw") / 1628))

# Closing the main window asks about the end of work: No ends without compaction or backup.
xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key alt+F4
pause 15
shot 6-exit
xdotool key alt+n
for _ in $(seq 1200); do kill -0 "$vg" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$vg" 2>/dev/null; then
  echo "check-valgrind: the program did not end" >&2
  exit 1
fi
wait "$vg" || true

echo "orders on file: $orders_before before, $orders_after after"
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable' "$out/valgrind.log" || true
errors=$(grep -cE 'Invalid (read|write|free)|uninitialised|Conditional jump|Mismatched' "$out/valgrind.log" || true)
# A definite leak counts as ours when one of the frames that allocated it is in our own sources;
# an error when the first frame below memcheck's and the C library's own functions is (an error
# deep inside X11 or D-Bus with our main() far below is the library's). Paths of our sources
# contain the checkout's folder and /src/ or /tools/.
ours() { # pattern of a report's first line, "any" or "first"
  awk -v start="$1" -v mode="$2" -v root="$(pwd)/" '
    function mine(line) { return index(line, root) && line ~ /\/(src|tools)\// }
    $0 ~ start {inside=1; hit=0; decided=0; next}
    inside && (/^==[0-9]+== *$/ || /Address 0x/) {if (hit) n++; inside=0; next}
    inside && /(at|by) 0x/ {
      if (mode == "any") { if (mine($0)) hit=1; next }
      if (decided || /vgpreload|libc\.so/) next
      decided=1; hit=mine($0)
    }
    END {print n + 0}' "$out/valgrind.log"
}
invalid=$(ours 'Invalid (read|write|free)|uninitialised|Conditional jump|Mismatched' first)
leaks=$(ours 'definitely lost in loss record' any)
echo "memcheck errors: $errors, of them in our code: $invalid; definite leaks in our code: $leaks;" \
  "$((SECONDS - start)) s; log: $out/valgrind.log"
[ "$orders_after" -eq $((orders_before + 1)) ] || { echo "check-valgrind: the order was not stored" >&2; exit 1; }
[ "$invalid" -eq 0 ] && [ "$leaks" -eq 0 ]
