#!/usr/bin/env bash
# During the delay of a turn both pieces stay on screen and a click on another
# piece is not handled; once the delay is over that click turns its piece.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
# A delay long enough for the checks made during it, on a slow machine too.
printf ' 3 \r\n 3 \r\n' >"$folder/設定.txt"
e2e_start_game "$folder"
e2e_find_main_window

shot() { echo "$E2E_WORK/$1.png"; }
click_piece() {
  local x y
  read -r x y < <(e2e_piece_centre "$1")
  e2e_click "$x" "$y"
}

e2e_shot_when_still "$(shot idle)"
e2e_click 263 40  # スタート
e2e_shot_until "$(shot dealt)" 10 "スタート dealt no game" \
  e2e_changed "$(shot idle)" "$(shot dealt)" 90 110 113 27 20

click_piece 1
# shellcheck disable=SC2046
e2e_shot_until "$(shot first)" 10 "piece 1 did not turn" \
  e2e_changed "$(shot dealt)" "$(shot first)" $(e2e_piece_rect 1)
click_piece 2  # the second piece: the delay follows
# shellcheck disable=SC2046
e2e_shot_until "$(shot second)" 10 "piece 2 did not turn" \
  e2e_changed "$(shot dealt)" "$(shot second)" $(e2e_piece_rect 2)
click_piece 3  # during the delay
e2e_screenshot "$(shot waiting)"
# Piece 2 still shows its face, so the delay is not over yet.
# shellcheck disable=SC2046
e2e_unchanged "$(shot second)" "$(shot waiting)" $(e2e_piece_rect 2) ||
  e2e_fail "the delay ended before the click on piece 3 could be checked"
# shellcheck disable=SC2046
e2e_unchanged "$(shot dealt)" "$(shot waiting)" $(e2e_piece_rect 3) ||
  e2e_fail "piece 3 turned during the delay"

# shellcheck disable=SC2046
e2e_shot_until "$(shot after)" 15 "the click made during the delay was lost" \
  e2e_changed "$(shot dealt)" "$(shot after)" $(e2e_piece_rect 3)
echo "ok"
