#!/usr/bin/env bash
# A game played by keyboard alone: Return on the focused start button deals,
# Shift+Tab reaches the board, Space and Return turn pieces and the arrow
# keys move between them, Ctrl+H shows the history, Esc closes the settings
# window, and Tab and Return on the exit button end the program.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
printf ' .1 \r\n .1 \r\n' >"$folder/設定.txt"
e2e_start_game "$folder"
e2e_find_main_window
sleep 0.5

# What differs between two screenshots in a window rectangle (x y w h).
changed() { e2e_crop_difference "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" "${@:3}"; }
shot() {
  xdotool mousemove 0 0
  sleep 0.4
  e2e_screenshot "$E2E_WORK/$1.png"
}
turns="225 120 65 31"    # lblTrun
board="20 160 590 270"   # the pieces, and the history grid over them

e2e_key Return  # スタート has the focus from the start
shot dealt
e2e_key shift+Tab  # to the board's focused piece, 1
e2e_key space      # piece 1; the focus goes on to piece 2
e2e_key Return     # piece 2 settles the first turn
sleep 0.5
shot one_turn
[ "$(changed dealt one_turn $turns)" -gt 20 ] || e2e_fail "no turn was counted"

e2e_key Down
e2e_key space
e2e_key Right
e2e_key Return
sleep 0.5
shot two_turns
[ "$(changed one_turn two_turns $turns)" -gt 20 ] || e2e_fail "no second turn was counted"

e2e_key ctrl+h
shot history
[ "$(changed two_turns history $board)" -gt 1000 ] || e2e_fail "Ctrl+H showed no history"
e2e_key ctrl+h
shot board_again
[ "$(changed two_turns board_again $board)" -lt 1000 ] || e2e_fail "Ctrl+H did not hide the history"

# Tab from the board passes the hidden grid to スタート, then 設定.
e2e_key Tab
e2e_key Tab
e2e_key Return
settings=$(e2e_wait_window "設定")
e2e_key Escape "$settings"
for i in $(seq 50); do
  xdotool search --onlyvisible --name '^設定$' >/dev/null || break
  sleep 0.1
done
! xdotool search --onlyvisible --name '^設定$' >/dev/null || e2e_fail "Esc left the settings open"

# 設定 kept the focus: ヘルプ and 終了 follow it.
e2e_key Tab
e2e_key Tab
e2e_key Return
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
