#!/usr/bin/env bash
# The main window opens at its size, deals on the start button, turns a
# clicked piece, and ends on the exit button with status 0.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
e2e_start_game "$folder"
e2e_find_main_window

[ "$(e2e_window_size)" = "631 452" ] || e2e_fail "window size is $(e2e_window_size)"

level_list="90 110 113 27"  # cboMondai, disabled by a deal
e2e_shot_when_still "$E2E_WORK/idle.png"
e2e_click 263 40  # スタート
# shellcheck disable=SC2086
e2e_shot_until "$E2E_WORK/dealt.png" 10 "スタート dealt no game" \
  e2e_changed "$E2E_WORK/idle.png" "$E2E_WORK/dealt.png" $level_list 20

read -r px py < <(e2e_piece_centre 1)
e2e_click "$px" "$py"
# shellcheck disable=SC2046
e2e_shot_until "$E2E_WORK/turned.png" 10 "piece 1 did not turn" \
  e2e_changed "$E2E_WORK/dealt.png" "$E2E_WORK/turned.png" $(e2e_piece_rect 1)

# A piece far from it is untouched.
# shellcheck disable=SC2046
e2e_unchanged "$E2E_WORK/dealt.png" "$E2E_WORK/turned.png" $(e2e_piece_rect 40) ||
  e2e_fail "piece 40 changed"

e2e_click 593 40  # 終了
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
