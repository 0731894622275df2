#!/usr/bin/env bash
# A whole game at イージー (two pictures) played by keyboard and by ear, with
# Orca running: every decision is taken on what Orca said, as a blind
# player's would be. Orca must tell every control of the main window as the
# focus reaches it, each piece turned with its picture, each match or miss,
# the end of the game and both new records, and never the picture of a
# piece lying face down.
source "$(dirname "$0")/lib.sh"

desktop_start_x
desktop_start_session_bus
desktop_start_orca
# Delays as a player would choose them: Orca keeps up with a turn even on a
# busy machine.
folder=$(desktop_make_game_folder .5 .5)
desktop_start_game "$folder" QT_QPA_PLATFORM=xcb
e2e_eventually 20 desktop_main_origin >/dev/null ||
  desktop_fail "no main window: $(cat "$DESKTOP_WORK/game.log")"

said=0    # the lines of the transcript already heard
heard=""  # the last line heard
# Waits until Orca says a line holding $1 after those already heard, and
# hears everything up to it; keeps that line in $heard. Called in this shell,
# never in a command substitution, so that what is heard stays heard.
hear() {
  local line=""
  for _ in $(seq 100); do
    line=$(desktop_transcript | tail -n +$((said + 1)) | grep -n -m 1 -- "$1") && break
    sleep 0.1
  done
  [ -n "$line" ] ||
    desktop_fail "Orca never said \"$1\"; it said: $(desktop_transcript | tail -n +$((said + 1)))"
  said=$((said + ${line%%:*}))
  heard=${line#*:}
}
key() { desktop_run xdotool key --delay 50 "$@"; }

# Every control of the window, in the tab order, before a game.
hear "スタート"
# The board is told as the focus enters it, at the level list.
for control in 設定 ヘルプ 終了 中止 保存 クリア 盤面 "レベル イージー" 名前表示 履歴保存 \
  "1行1列 伏せてある" スタート; do
  [ "$control" = "レベル イージー" ] || key Tab
  hear "$control"
done

key Return
key shift+Tab
hear "1行1列 伏せてある"

# Turns the back that the keys $1 lead to from the first one, then the back
# that the keys $2 lead to from there; succeeds when the two matched.
turn() {
  # shellcheck disable=SC2086
  key Home $1 space
  hear "めくれている"
  # shellcheck disable=SC2086
  key $2 space
  hear "めくれている"
  hear "そろいました\|はずれ"
  [[ $heard == *そろいました* ]]
}

# The first two backs; after a miss, the first and the third, which shows
# the picture of one of them; after a second miss the second and the third.
until desktop_transcript | grep -q "ゲーム終了"; do
  turn "" Right && continue
  turn "" "Right Right" && continue
  turn Right Right || desktop_fail "the second and third backs did not match"
done
# The last match was told with the end of the game.
[[ $heard == *"ゲーム終了。ターン数 "[0-9]*"、時間 "* ]] ||
  desktop_fail "the last match was told as \"$heard\""
hear "イージーモードのターン記録を更新しました！"
key Return
hear "イージーモードのタイム記録を更新しました！"
key Return

# With no window manager, a window closed leaves the keyboard nowhere: it is
# given back to the main window, as a desktop would.
focus_main() {
  local id
  id=$(desktop_run xdotool search --onlyvisible --name '^ポルカミナ$' | head -n 1)
  desktop_run xdotool windowfocus --sync "$id"
}

# The help window reads its page as it opens, and the links Tab reaches.
focus_main
key F1
hear "ポルカミナは、"
key Tab
hear "リンク "
key Escape

# A delay chosen from the open list by keyboard is confirmed once.
focus_main
desktop_click_main 483 40  # 設定
hear "見せる"
key Tab Tab Tab
hear "コマが隠れる時間"
key alt+Down Down Return
hear "設定更新"
key Return
sleep 2
[ "$(desktop_transcript | grep -c "設定更新")" -eq 1 ] ||
  desktop_fail "設定更新 was told $(desktop_transcript | grep -c "設定更新") times"

# Pieces turned were told with their pictures; no picture of a piece face
# down ever was.
turned=0
for icon in "$DESKTOP_SOURCE"/assets/defaults/*.ico; do
  name=$(basename "$icon" .ico)
  ! desktop_transcript | grep -E "[0-9]+行[0-9]+列 伏せてある" | grep -q -- "$name" ||
    desktop_fail "a piece face down was told as $name"
  turned=$((turned + $(desktop_transcript | grep -c -- "めくれている $name" || true)))
done
[ "$turned" -ge 40 ] || desktop_fail "only $turned pieces were told turned with their picture"
echo "ok: $turned pieces heard turned"
