#!/usr/bin/env bash
# Choosing another level in the level list rewrites 設定2.txt at once with
# the new level and the two unchanged switches.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
e2e_start_game "$folder"
e2e_find_main_window

# The shipped level is ノーマル; one step down the list is ハード.
e2e_shot_when_still "$E2E_WORK/idle.png"
e2e_click 146 123
e2e_shot_until "$E2E_WORK/open.png" 10 "the level list did not open" \
  e2e_changed "$E2E_WORK/idle.png" "$E2E_WORK/open.png" 90 137 113 60 20
xdotool key Down Return

printf '"ハード",0,1\r\n' | iconv -f UTF-8 -t CP932 >"$E2E_WORK/expected"
e2e_eventually 5 cmp -s "$E2E_WORK/expected" "$folder/設定2.txt" ||
  e2e_fail "設定2.txt holds $(xxd -p "$folder/設定2.txt"), expected $(xxd -p "$E2E_WORK/expected")"
echo "ok"
