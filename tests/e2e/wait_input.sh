#!/usr/bin/env bash
# During the delay of a turn both pieces stay on screen and a click on another
# piece is not handled; once the delay is over that click turns its piece.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
printf ' 2 \r\n 2 \r\n' >"$folder/設定.txt"
e2e_start_game "$folder"
e2e_find_main_window

e2e_click 263 40  # スタート
sleep 0.5
e2e_screenshot "$E2E_WORK/dealt.png"

cell() {  # the rectangle of piece $1's back, window-relative
  local x y
  read -r x y < <(e2e_piece_centre "$1")
  echo $((x - 36)) $((y - 26)) 72 52
}

read -r x1 y1 < <(e2e_piece_centre 1)
read -r x2 y2 < <(e2e_piece_centre 2)
read -r x3 y3 < <(e2e_piece_centre 3)
e2e_click "$x1" "$y1"
sleep 0.3
e2e_click "$x2" "$y2"  # the second piece: a delay of 2 s follows
sleep 0.5
e2e_click "$x3" "$y3"  # during the delay
sleep 0.3
e2e_screenshot "$E2E_WORK/waiting.png"
# shellcheck disable=SC2046
[ "$(e2e_crop_difference "$E2E_WORK/dealt.png" "$E2E_WORK/waiting.png" $(cell 2))" -gt 100 ] ||
  e2e_fail "piece 2 is not shown during the delay"
# shellcheck disable=SC2046
[ "$(e2e_crop_difference "$E2E_WORK/dealt.png" "$E2E_WORK/waiting.png" $(cell 3))" -eq 0 ] ||
  e2e_fail "piece 3 turned during the delay"

sleep 2.5
e2e_screenshot "$E2E_WORK/after.png"
# shellcheck disable=SC2046
[ "$(e2e_crop_difference "$E2E_WORK/dealt.png" "$E2E_WORK/after.png" $(cell 3))" -gt 100 ] ||
  e2e_fail "the click made during the delay was lost"
echo "ok"
