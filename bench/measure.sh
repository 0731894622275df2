#!/usr/bin/env bash
# bench/measure.sh [BUILD_DIR] [PAIRS]
#
# Measures the real program from outside, on a private X display, in one run:
#   - start-up to first paint and peak memory, against a bare Qt window of the
#     same size (bench/bare_window.cpp), runs taken in turn, medians, ratios,
#     and beside them the bare window showing only the game's first texts in
#     its fonts (bench/text_window.cpp): what drawing those texts costs Qt;
#   - start-up with 1,000,000 history rows against an empty history;
#   - resident memory after 100 openings of the settings window against one.
# Needs the build's bench targets, Xvfb and xdotool (./test installs them).
# POLKAMINA_GAME names another build's program to measure with this build's
# tools, for figures before and after a change.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$here/build}")
pairs=${2:-11}
game=$(realpath "${POLKAMINA_GAME:-$build/app/polkamina}")
bare=$build/bench/polkamina_bare_window
texts=$build/bench/polkamina_text_window
clock=$build/bench/polkamina_first_paint
work=$(mktemp -d "${TMPDIR:-/tmp}/polkamina-measure.XXXXXX")
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR=$work

folder() {
  mkdir -p "$work/$1"
  cp "$here"/assets/defaults/* "$work/$1/"
  echo "$work/$1"
}
empty=$(folder empty)
long=$(folder long)
row=$(printf '"2026/12/07","12:00:00","\x83m\x81[\x83}\x83\x8b","24\x89\xf1","01\x95\xaa23\x95\x62","","\x81\x9b"\r')
LC_ALL=C awk -v row="$row" 'BEGIN { for (i = 0; i < 1000000; i++) print row }' >"$long/履歴.txt"

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Runs each "NAME FOLDER PROGRAM" given in turn, $pairs times each, and keeps
# each run's "milliseconds KiB" in $results/NAME.
compare() {
  local i n
  for ((n = 1; n <= $#; n += 3)); do : >"$results/${!n}"; done
  for i in $(seq "$pairs"); do
    for ((n = 1; n <= $#; n += 3)); do
      local dir=$((n + 1)) program=$((n + 2))
      (cd "${!dir}" && "$clock" "${!program}") >>"$results/${!n}" 2>/dev/null
    done
  done
}
results=$work/results
mkdir "$results"
ms() { cut -d' ' -f1 "$results/$1" | median; }
kib() { cut -d' ' -f2 "$results/$1" | median; }

compare bare "$empty" "$bare" texts "$empty" "$texts" game "$empty" "$game"
compare empty "$empty" "$game" long "$long" "$game"

# Opens the settings window with its button and closes it with 戻る.
open_and_close_settings() {
  local main=$1 settings
  xdotool mousemove --window "$main" 483 40 click 1
  settings=$(timeout 10 xdotool search --sync --onlyvisible --name '^設定$' | head -n 1)
  xdotool mousemove --window "$settings" 555 298 click 1
  while xdotool search --onlyvisible --name '^設定$' >/dev/null; do sleep 0.02; done
}
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
(cd "$empty" && exec "$game") >/dev/null 2>&1 &
pid=$!
main=$(timeout 10 xdotool search --sync --onlyvisible --name '^ポルカミナ$' | head -n 1)
open_and_close_settings "$main"
once=$(rss "$pid")
for i in $(seq 100); do open_and_close_settings "$main"; done
hundred=$(rss "$pid")
kill "$pid"

awk -v bare_ms="$(ms bare)" -v texts_ms="$(ms texts)" -v game_ms="$(ms game)" -v bare_kib="$(kib bare)" \
  -v game_kib="$(kib game)" -v empty_ms="$(ms empty)" -v long_ms="$(ms long)" \
  -v empty_kib="$(kib empty)" -v long_kib="$(kib long)" -v once="$once" \
  -v hundred="$hundred" -v pairs="$pairs" 'BEGIN {
  printf "medians of %d runs each\n", pairs
  printf "start-up to first paint: bare window %.1f ms, game %.1f ms, ratio %.2f\n",
         bare_ms, game_ms, game_ms / bare_ms
  printf "                         the game'"'"'s texts alone %.1f ms, ratio %.2f to the bare window\n",
         texts_ms, texts_ms / bare_ms
  printf "                         the game against its texts alone: ratio %.2f\n",
         game_ms / texts_ms
  printf "peak memory:             bare window %.1f MB, game %.1f MB, ratio %.2f\n",
         bare_kib / 1024, game_kib / 1024, game_kib / bare_kib
  printf "1,000,000 history rows:  %+.0f ms, %+.1f MB over an empty history\n",
         long_ms - empty_ms, (long_kib - empty_kib) / 1024
  printf "100 settings openings:   %+.2f MB resident after 100 against after 1\n",
         (hundred - once) / 1024
}'
