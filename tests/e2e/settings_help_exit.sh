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
sleep 0.5

e2e_click 483 40
settings=$(e2e_wait_window "設定")
sleep 0.5

# The delay list shows its text with no entry chosen; Down chooses the first, 0.1.
xdotool mousemove --window "$settings" 420 36 click 1
sleep 0.3
xdotool key Down
notice=$(e2e_wait_window "設定更新")
e2e_key Return "$notice"
printf ' 1 \r\n .1 \r\n' >"$E2E_WORK/expected"
e2e_eventually 5 cmp -s "$E2E_WORK/expected" "$folder/設定.txt" ||
  e2e_fail "設定.txt holds $(xxd -p "$folder/設定.txt")"

windows_before=$(xdotool search --onlyvisible --pid "$E2E_GAME_PID" | wc -l)
e2e_click 538 40
for i in $(seq 50); do
  windows_now=$(xdotool search --onlyvisible --pid "$E2E_GAME_PID" | wc -l)
  [ "$windows_now" -gt "$windows_before" ] && break
  sleep 0.2
done
[ "$windows_now" -gt "$windows_before" ] || e2e_fail "no help window opened"

# The help window never lies over the main window's buttons: 終了 is
# clicked where it is, without bringing the main window forward.
sleep 0.3
e2e_click 593 40
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
