#!/usr/bin/env bash
# A screen reader asks the game during the wait of a turn (5 s here) and is
# answered at once, and hears the second piece of the turn face up; paused
# with a piece face up, the game tells of its cover and of no piece.
source "$(dirname "$0")/lib.sh"

desktop_start_x
desktop_start_session_bus
folder=$(desktop_make_game_folder 5 5)
desktop_start_game "$folder" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_eventually 20 desktop_main_origin >/dev/null ||
  desktop_fail "no main window: $(cat "$DESKTOP_WORK/game.log")"
desktop_click_main 263 40  # スタート
read -r x y < <(e2e_piece_centre 1)
desktop_click_main "$x" "$y"
read -r x y < <(e2e_piece_centre 2)
started=$(date +%s.%N)
desktop_click_main "$x" "$y"  # the wait begins

desktop_run timeout 20 python3 "$(dirname "$0")/atspi_query.py" polkamina >"$DESKTOP_WORK/answer" ||
  desktop_fail "the screen reader's questions failed: $(cat "$DESKTOP_WORK/answer")"
finished=$(date +%s.%N)
read -r seconds title <"$DESKTOP_WORK/answer"
[ "$title" = ポルカミナ ] || desktop_fail "the main window is told as \"$title\""
awk -v s="$seconds" 'BEGIN {exit !(s < 0.5)}' ||
  desktop_fail "a question took $seconds s during the wait"
awk -v a="$started" -v b="$finished" 'BEGIN {exit !(b - a < 4.5)}' ||
  desktop_fail "the questions were answered only after the wait"
grep -q '^1行2列 めくれている ' "$DESKTOP_WORK/answer" ||
  desktop_fail "the second piece is not told face up: $(cat "$DESKTOP_WORK/answer")"

# Taken up after the wait, in order: the first piece of the next turn, then
# the pause.
read -r x y < <(e2e_piece_centre 3)
desktop_click_main "$x" "$y"
desktop_key_main p
# The bus delivers the pieces' hiding and the cover's showing one by one, so
# a question asked between them may still see both; once settled, only the
# cover is told.
paused() {
  desktop_run timeout 20 python3 "$(dirname "$0")/atspi_query.py" polkamina >"$DESKTOP_WORK/paused"
  grep -q '^一時停止中$' "$DESKTOP_WORK/paused" && ! grep -q 'めくれている' "$DESKTOP_WORK/paused"
}
e2e_eventually 15 paused ||
  desktop_fail "no pause cover alone is told: $(cat "$DESKTOP_WORK/paused")"
echo "ok: $seconds s"
