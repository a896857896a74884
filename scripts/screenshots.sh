#!/usr/bin/env bash
# Makes the README's screenshots: the order board and the order window of a demonstration shop.
# Runs a copy of the built program under Xvfb with openbox, on sample data and preferences in a
# temporary folder (the build's own data folder and the user's preferences are left alone), and
# writes docs/board.png and docs/order.png.
#
#   scripts/screenshots.sh [OUT_DIR]      (after scripts/build.sh; needs xvfb openbox xdotool imagemagick)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-docs}"
for tool in Xvfb openbox xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
[ -x build/soranowa ] && [ -x build/soranowa-admin ] || { echo "screenshots: run scripts/build.sh first" >&2; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The program's data folder is "data" beside the executable, so a copy gets a folder of its own.
mkdir -p "$work/program" "$work/config/SoranowaApp"
cp build/soranowa "$work/program/"
build/soranowa-admin sample-data "$work/program/data" --customers 300 --orders 900 --days 14 --seed 7 >/dev/null
# A shop that has been started before (no first-start notice), with the board sorted by status
# and the order window on the menu board, where one click adds an item.
printf '[SYSTEM]\nSTARTED=1\n\n[SET]\nSORTKEY=0\nSORT_AZ=0\nSEARCH=2\nMENU=1\n\n[STAFF]\nNAME=佐藤\n' \
  >"$work/config/SoranowaApp/SoranowaApp.ini"
# The phone number of the first customer (bytes 4-17 of its record).
tel="$(dd if="$work/program/data/Customer.snw" bs=1 skip=4 count=14 2>/dev/null | tr -d ' \0')"

# A free display number.
display=90
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
export DISPLAY=":${display}"
Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$work/program/soranowa" >"$work/program.log" 2>&1 &
pids+=($!)

# The main window's title carries the active child's name, so find it by its class.
main=""
for _ in $(seq 100); do
  main="$(xdotool search --onlyvisible --class soranowa 2>/dev/null | tail -1 || true)"
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || { echo "screenshots: the program did not open its window" >&2; cat "$work/program.log" >&2; exit 1; }
xdotool windowsize --sync "$main" 1280 800
xdotool windowmove --sync "$main" 0 0
xdotool windowactivate --sync "$main" 2>/dev/null || true
sleep 2

shoot() { # window, file
  import -window "$1" "$work/shot.png"
  # 32 flat colours keep the text sharp and the file small.
  convert "$work/shot.png" -strip +dither -colors 32 "PNG8:$2"
  echo "$2: $(stat -c %s "$2") bytes"
}

mkdir -p "$out"
shoot "$main" "$out/board.png"

# Positions inside the main window, as laid out at 1280 x 800 with the sample shop's menu board.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.4; }
click 104 117 # the left panel's 注文受付
sleep 2
# The caller's number, then 顧客チェック by Enter.
xdotool key --window "$main" ctrl+a
xdotool type --delay 30 "$tel"
xdotool key Return
sleep 1
# 天丼 twice, かけそば, 茶碗蒸し and 瓶ビール from the menu board.
click 651 180
click 651 180
click 512 153
click 651 234
click 512 261
sleep 1
shoot "$main" "$out/order.png"
