#!/usr/bin/env bash
# The settings button opens the settings window, where choosing an erase
# delay rewrites 設定.txt and confirms it; the help button opens a help
# window; the exit button then ends the program with status 0, help and all.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
cp "$(dirname "$E2E_PROGRAM")/../help/pkHelp.chm" "$folder/"
e2e_start_game "$folder"
e2e_find_main_window
e2e_shot_when_still "$E2E_WORK/idle.png"

e2e_click 483 40
settings=$(e2e_wait_window "設定")
e2e_shot_when_still "$E2E_WORK/settings.png"

# The delay list shows its text with no entry chosen; Down chooses the first, 0.1.
xdotool mousemove --window "$settings" 420 36 click 1
e2e_key Down "$settings"
notice=$(e2e_wait_window "設定更新")
e2e_key Return "$notice"
printf ' 1 \r\n .1 \r\n' >"$E2E_WORK/expected"
e2e_eventually 5 cmp -s "$E2E_WORK/expected" "$folder/設定.txt" ||
  e2e_fail "設定.txt holds $(xxd -p "$folder/設定.txt")"

windows_before=$(xdotool search --onlyvisible --pid "$E2E_GAME_PID" | wc -l)
e2e_click 538 40
more_windows() {
  [ "$(xdotool search --onlyvisible --pid "$E2E_GAME_PID" | wc -l)" -gt "$windows_before" ]
}
e2e_eventually 10 more_windows || e2e_fail "no help window opened"

# The help window never lies over the main window's buttons: 終了 is
# clicked where it is, without bringing the main window forward.
e2e_shot_when_still "$E2E_WORK/help.png"
e2e_click 593 40
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
