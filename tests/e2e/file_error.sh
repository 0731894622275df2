#!/usr/bin/env bash
# A missing data file is reported in a message box before the main window is
# shown; the game then ends with status 1 and writes nothing.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
rm "$folder/設定.txt"
cp "$folder/設定2.txt" "$E2E_WORK/options-before"

e2e_start_game "$folder"
box=$(e2e_wait_any_window)
[ "$(e2e_window_name "$box")" != "ポルカミナ" ] || e2e_fail "the main window is shown"
e2e_key Return "$box"
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 1 ] || e2e_fail "exit status $E2E_STATUS"
cmp -s "$folder/設定2.txt" "$E2E_WORK/options-before" || e2e_fail "設定2.txt was rewritten"
[ ! -e "$folder/設定.txt" ] || e2e_fail "設定.txt was written"
echo "ok"
