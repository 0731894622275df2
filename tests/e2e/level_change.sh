#!/usr/bin/env bash
# Choosing another level in the level list rewrites 設定2.txt at once with
# the new level and the two unchanged switches.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
e2e_start_game "$folder"
e2e_find_main_window
sleep 0.5

# The shipped level is ノーマル; one step down the list is ハード.
e2e_click 146 123
sleep 0.5
xdotool key Down
sleep 0.2
xdotool key Return

printf '"ハード",0,1\r\n' | iconv -f UTF-8 -t CP932 >"$E2E_WORK/expected"
e2e_eventually 5 cmp -s "$E2E_WORK/expected" "$folder/設定2.txt" ||
  e2e_fail "設定2.txt holds $(xxd -p "$folder/設定2.txt"), expected $(xxd -p "$E2E_WORK/expected")"
echo "ok"
