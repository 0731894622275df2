#!/usr/bin/env bash
# A game played by keyboard alone: Return on the focused start button deals,
# Shift+Tab reaches the board, Space and Return turn pieces and the arrow
# keys move between them, also from a face turned up, Ctrl+H shows the history, Esc closes the settings
# window, and Tab and Return on the exit button end the program.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
printf ' .1 \r\n .1 \r\n' >"$folder/設定.txt"
e2e_start_game "$folder"
e2e_find_main_window
xdotool mousemove 0 0

shot() { echo "$E2E_WORK/$1.png"; }
level_list="90 110 113 27"  # cboMondai, disabled by a deal
turns="225 120 65 31"       # lblTrun
board="20 160 590 270"      # the pieces, and the history grid over them

e2e_shot_when_still "$(shot idle)"
e2e_key Return  # スタート has the focus from the start
# shellcheck disable=SC2086
e2e_shot_until "$(shot dealt)" 10 "Return on スタート dealt no game" \
  e2e_changed "$(shot idle)" "$(shot dealt)" $level_list 20
e2e_key shift+Tab  # to the board's focused piece, 1
e2e_key space      # piece 1, whose face keeps the focus
e2e_key Right      # piece 2
e2e_key Return     # settles the first turn
# shellcheck disable=SC2086
e2e_shot_until "$(shot one_turn)" 10 "no turn was counted" \
  e2e_changed "$(shot dealt)" "$(shot one_turn)" $turns 20

e2e_key Down
e2e_key space
e2e_key Right
e2e_key Return
# shellcheck disable=SC2086
e2e_shot_until "$(shot two_turns)" 10 "no second turn was counted" \
  e2e_changed "$(shot one_turn)" "$(shot two_turns)" $turns 20
e2e_shot_when_still "$(shot two_turns)"

e2e_key ctrl+h
# shellcheck disable=SC2086
e2e_shot_until "$(shot history)" 10 "Ctrl+H showed no history" \
  e2e_changed "$(shot two_turns)" "$(shot history)" $board 1000
e2e_key ctrl+h
# shellcheck disable=SC2086
e2e_shot_until "$(shot board_again)" 10 "Ctrl+H did not hide the history" \
  e2e_unchanged "$(shot two_turns)" "$(shot board_again)" $board

# Tab from the board passes the hidden grid to スタート, then 設定.
e2e_key Tab
e2e_key Tab
e2e_key Return
settings=$(e2e_wait_window "設定")
e2e_key Escape "$settings"
e2e_eventually 5 bash -c '! xdotool search --onlyvisible --name "^設定\$" >/dev/null' ||
  e2e_fail "Esc left the settings open"

# 設定 kept the focus: ヘルプ and 終了 follow it.
e2e_key Tab
e2e_key Tab
e2e_key Return
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
