#!/usr/bin/env bash
# installed_game.sh LAUNCHER SOURCE_DIR
# The installed game started the way a desktop's menu starts it: the entry's
# command, from a fresh home. The first start shows the main window in a new
# game folder made from the defaults; a player's changed files are still
# there, unchanged, after the next start.
source "$2/tests/e2e/lib.sh"

prefix=$(dirname "$(dirname "$E2E_PROGRAM")")
entry="$prefix/share/applications/io.github.polkamina.Polkamina.desktop"
command=$(sed -n 's/^Exec=//p' "$entry")
home="$E2E_WORK/home"
game="$home/.local/share/polkamina"
mkdir -p "$home"

start_from_menu() {
  (cd "$home" && exec env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$home" DBUS_SESSION_BUS_ADDRESS=disabled: "$command") \
    >"$E2E_WORK/game.log" 2>&1 &
  E2E_GAME_PID=$!
}

end_game() {
  e2e_click 593 40 # 終了
  e2e_wait_exit 10
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS: $(cat "$E2E_WORK/game.log")"
}

e2e_start_x
start_from_menu
e2e_find_main_window
diff -r -x pkHelp.chm "$prefix/share/polkamina/defaults" "$game" ||
  e2e_fail "the game folder is not the defaults"
cmp -s "$prefix/share/polkamina/pkHelp.chm" "$game/pkHelp.chm" || e2e_fail "no help file"
end_game

# The player's level and a history row, as the game itself would write them.
printf '"ハード",0,1\r\n' | iconv -f UTF-8 -t CP932 >"$game/設定2.txt"
printf '"2026/12/07","12:00:00","ハード","30回","01分02秒","",""\r\n' |
  iconv -f UTF-8 -t CP932 >"$game/履歴.txt"
cp "$game/設定2.txt" "$game/履歴.txt" "$E2E_WORK/"
start_from_menu
e2e_find_main_window
cmp -s "$E2E_WORK/設定2.txt" "$game/設定2.txt" || e2e_fail "設定2.txt was replaced"
cmp -s "$E2E_WORK/履歴.txt" "$game/履歴.txt" || e2e_fail "履歴.txt was replaced"
end_game
echo "ok"
