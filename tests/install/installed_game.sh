#!/usr/bin/env bash
# installed_game.sh PROGRAM SOURCE_DIR BUILD_DIR
# The game installed with the README's `cmake --install` into ~/.local of a
# fresh home and started as a desktop's menu starts it: `gio launch` on its
# desktop entry, with ~/.local/bin on PATH as Debian's ~/.profile puts it.
# The first start shows the main window in a game folder made from the
# defaults; a player's files survive; the README's reset removes only the
# game folder; a folder that lost a file gets it back; and a folder that
# cannot be prepared is told in a message box, not only on a terminal.
source "$2/tests/e2e/lib.sh"
build=$3

home="$E2E_WORK/home"
local_prefix="$home/.local"
game="$local_prefix/share/polkamina"
mkdir -p "$home"
cmake --install "$build" --prefix "$local_prefix" >/dev/null
data="$local_prefix/share/games/polkamina"
entry="$local_prefix/share/applications/io.github.polkamina.Polkamina.desktop"
program="$local_prefix/libexec/polkamina/polkamina"

# Launches the entry with a session's environment only (and the sanitizers'
# settings of a sanitized build); the launcher's and the game's output go to
# game.log.
start_from_menu() {
  (cd "$home" && env -i DISPLAY="$DISPLAY" HOME="$home" LANG=C.UTF-8 \
    PATH="$local_prefix/bin:/usr/bin:/bin" DBUS_SESSION_BUS_ADDRESS=disabled: \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} gio launch "$entry") >"$E2E_WORK/game.log" 2>&1 ||
    e2e_fail "gio launch: $(cat "$E2E_WORK/game.log")"
}

# Waits for the main window and keeps the game's process for the clean-up.
find_game() {
  e2e_find_main_window
  E2E_GAME_PID=$(pgrep -n -f -x "$program") || e2e_fail "no game process"
}

no_window() { ! xdotool search --onlyvisible --name '^ポルカミナ$' >/dev/null; }

end_game() {
  e2e_click 593 40 # 終了
  e2e_eventually 10 no_window || e2e_fail "the game did not end"
  E2E_GAME_PID=""
}

e2e_start_x
start_from_menu
find_game
diff -r -x 'pkHelp*.chm' "$data/defaults" "$game" || e2e_fail "the game folder is not the defaults"
for help in pkHelp.chm pkHelp_en.chm; do
  cmp -s "$data/$help" "$game/$help" || e2e_fail "no help file $help"
done
end_game

# The player's level and a history row, as the game itself would write them.
printf '"ハード",0,1\r\n' | iconv -f UTF-8 -t CP932 >"$game/設定2.txt"
printf '"2026/12/07","12:00:00","ハード","30回","01分02秒","",""\r\n' |
  iconv -f UTF-8 -t CP932 >"$game/履歴.txt"
cp "$game/設定2.txt" "$game/履歴.txt" "$E2E_WORK/"
start_from_menu
find_game
cmp -s "$E2E_WORK/設定2.txt" "$game/設定2.txt" || e2e_fail "設定2.txt was replaced"
cmp -s "$E2E_WORK/履歴.txt" "$game/履歴.txt" || e2e_fail "履歴.txt was replaced"
end_game

# The README's reset, then a folder that lost one file: both start again.
HOME="$home" bash -c 'rm -r ~/.local/share/polkamina'
[ -f "$data/defaults/設定2.txt" ] && [ -x "$program" ] || e2e_fail "the reset removed the install"
start_from_menu
find_game
end_game
rm "$game/記録.txt"
start_from_menu
find_game
cmp -s "$data/defaults/記録.txt" "$game/記録.txt" || e2e_fail "記録.txt was not filled in"
end_game

# A file where the game folder should be: a message box names it, and OK
# ends the launcher without a game.
rm -r "$game"
touch "$game"
start_from_menu
box=$(e2e_wait_window "ポルカミナ")
read -r width height < <(e2e_window_size "$box")
[ "$height" -lt 200 ] || e2e_fail "a window of ${width}x$height, not a message box"
e2e_screenshot "$E2E_WORK/message-box.png"
e2e_eventually 10 grep -qF "「$game」はフォルダではありません。" "$E2E_WORK/game.log" ||
  e2e_fail "no message on stderr: $(cat "$E2E_WORK/game.log")"
e2e_key Return "$box"
e2e_eventually 10 no_window || e2e_fail "the message box stayed"
! pgrep -f -x "$program" >/dev/null || e2e_fail "the game started without its folder"
echo "ok"
