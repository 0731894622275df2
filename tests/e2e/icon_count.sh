#!/usr/bin/env bash
# With one icon file too few the game tells the player, shows no main window,
# writes nothing and ends with status 1.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
rm "$(find "$folder" -maxdepth 1 -iname '*.ico' | sort | head -n 1)"
cp "$folder/設定2.txt" "$E2E_WORK/options-before"

e2e_start_game "$folder"
box=$(e2e_wait_window "アイコン不足")
if xdotool search --onlyvisible --name '^ポルカミナ$' >/dev/null 2>&1; then
  e2e_fail "the main window is shown"
fi
e2e_key Return "$box"
status=$(e2e_wait_exit 10)
[ "$status" -eq 1 ] || e2e_fail "exit status $status"
cmp -s "$folder/設定2.txt" "$E2E_WORK/options-before" || e2e_fail "設定2.txt was rewritten"
echo "ok"
