#!/usr/bin/env bash
# The main window opens at its size, deals on the start button, turns a
# clicked piece, and ends on the exit button with status 0.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
e2e_start_game "$folder"
e2e_find_main_window

[ "$(e2e_window_size)" = "631 452" ] || e2e_fail "window size is $(e2e_window_size)"

e2e_click 263 40  # スタート
sleep 0.5
e2e_screenshot "$E2E_WORK/dealt.png"

read -r px py < <(e2e_piece_centre 1)
e2e_click "$px" "$py"
sleep 0.5
e2e_screenshot "$E2E_WORK/turned.png"
changed=$(e2e_crop_difference "$E2E_WORK/dealt.png" "$E2E_WORK/turned.png" \
  $((px - 36)) $((py - 26)) 72 52)
[ "$changed" -gt 100 ] || e2e_fail "piece 1 did not turn ($changed pixels changed)"

# A piece far from it is untouched.
read -r qx qy < <(e2e_piece_centre 40)
unchanged=$(e2e_crop_difference "$E2E_WORK/dealt.png" "$E2E_WORK/turned.png" \
  $((qx - 36)) $((qy - 26)) 72 52)
[ "$unchanged" -eq 0 ] || e2e_fail "piece 40 changed ($unchanged pixels)"

e2e_click 593 40  # 終了
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
