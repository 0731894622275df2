#!/usr/bin/env bash
# A game paused by keyboard: P covers the board and stops the clock, the Menu
# key opens the menu whose first entry resumes the game, and the time the
# history records leaves the pause out.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
printf ' .1 \r\n .1 \r\n' >"$folder/設定.txt"
# イージー, names off, auto-save on: two pictures on the board.
printf '"イージー",0,1\r\n' | iconv -f UTF-8 -t CP932 >"$folder/設定2.txt"
e2e_start_game "$folder"
e2e_find_main_window
xdotool mousemove 0 0

shot() { echo "$E2E_WORK/$1.png"; }
now() { date +%s.%N; }
clock="445 110 125 30"  # lblByou
board="20 160 590 270"  # the pieces, and the cover over them

click_piece() {
  local x y
  read -r x y < <(e2e_piece_centre "$1")
  e2e_click "$x" "$y"
}

# Plays one turn on pieces $1 and $2 and succeeds when they were a pair: a
# pair is removed, a miss shows its backs again.
turn() {
  click_piece "$1"
  click_piece "$2"
  e2e_shot_when_still "$(shot turn)"
  # shellcheck disable=SC2046
  ! e2e_unchanged "$(shot dealt)" "$(shot turn)" $(e2e_piece_rect "$1")
}

# Plays the rest of the game. Of the two pictures, a third piece that is not
# the first's is the second's, so at most three turns remove a pair.
play_to_end() {
  local left=("$@") a b c
  while [ "${#left[@]}" -gt 0 ]; do
    a=${left[0]} b=${left[1]}
    if turn "$a" "$b"; then
      left=("${left[@]:2}")
      continue
    fi
    c=${left[2]}
    if turn "$a" "$c"; then
      left=("$b" "${left[@]:3}")
    else
      turn "$b" "$c" || e2e_fail "pieces $b and $c are no pair"
      left=("$a" "${left[@]:3}")
    fi
  done
}

e2e_shot_when_still "$(shot idle)"
dealt_before=$(now)
e2e_key Return  # スタート has the focus from the start
# shellcheck disable=SC2086
e2e_shot_until "$(shot dealt)" 10 "Return on スタート dealt no game" \
  e2e_changed "$(shot idle)" "$(shot dealt)" 90 110 113 27 20

e2e_key p
# shellcheck disable=SC2086
e2e_shot_until "$(shot paused)" 10 "P covered no board" \
  e2e_changed "$(shot dealt)" "$(shot paused)" $board 1000
paused_after=$(now)
sleep 5  # the pause to be left out
e2e_screenshot "$(shot still_paused)"
# shellcheck disable=SC2086
e2e_unchanged "$(shot paused)" "$(shot still_paused)" $clock || e2e_fail "the clock ran on in a pause"

e2e_key Menu
# shellcheck disable=SC2086
e2e_shot_until "$(shot menu)" 10 "the Menu key opened no menu" \
  e2e_changed "$(shot still_paused)" "$(shot menu)" 0 0 631 452 100
resumed_before=$(now)
xdotool key Down Return  # 一時停止, ticked
# shellcheck disable=SC2086
e2e_shot_until "$(shot resumed)" 10 "the menu did not resume the game" \
  e2e_unchanged "$(shot dealt)" "$(shot resumed)" $board

play_to_end $(seq 40)
# The first game of the level sets both records, one window each.
for record in turns time; do
  window=$(e2e_wait_window "新記録達成！")
  ended_after=${ended_after:-$(now)}
  e2e_key Return "$window"
  e2e_eventually 5 bash -c "! xdotool search --onlyvisible --name '^新記録達成！\$' | grep -qx $window" ||
    e2e_fail "the $record record window stayed open"
done

e2e_eventually 5 test -s "$folder/履歴.txt" || e2e_fail "the game was not saved"
recorded=$(iconv -f CP932 -t UTF-8 "$folder/履歴.txt" | tail -n 1 | cut -d, -f5 | tr -d '"')
[[ $recorded =~ ^([0-9]+)分([0-9]{2})秒$ ]] || e2e_fail "recorded time \"$recorded\""
seconds=$((10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}))
# The game lasted at most from before the deal to after its end, and was
# paused at least from the cover showing to the resume asked for.
longest=$(awk -v e="$ended_after" -v d="$dealt_before" -v r="$resumed_before" -v p="$paused_after" \
  'BEGIN { printf "%.1f", e - d - (r - p) + 1 }')
awk -v s="$seconds" -v l="$longest" 'BEGIN { exit !(s <= l) }' ||
  e2e_fail "recorded $seconds s, but the game was played for at most $longest s"
echo "ok ($recorded)"
