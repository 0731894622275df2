#!/usr/bin/env bash
# The real game with hostile help files as its pkHelp.chm (compiled by
# tests/help): a page naming pictures, style sheets and FIFOs outside the
# file, in the game folder and elsewhere, shown at 150 % so that Qt also looks
# for "@2x" pictures; and a page of 20 000 nested tables. The game never
# touches a file the page names, and 終了 still ends it, well within a
# generous deadline, its button not hidden by the help window.
source "$(dirname "$0")/lib.sh"
# No session bus is started for the game: strace would wait for it too.
export DBUS_SESSION_BUS_ADDRESS=disabled:

hostile=$(dirname "$E2E_PROGRAM")/../tests/help
outside=$hostile/outside
[ -p "$outside/fifo.png" ] || mkfifo "$outside/fifo.png"

e2e_start_x
folder=$(e2e_make_game_folder)
cp "$outside/picture.png" "$outside/sheet.css" "$folder/"
mkfifo "$folder/fifo.png"

# Starts the game under strace, which logs every file name the game asks
# the system about; E2E_GAME_PID is strace's, which ends with the game.
start_traced_game() {
  (cd "$folder" && exec env -u QT_QPA_PLATFORM "$@" strace -f -qq -o "$E2E_WORK/files.log" \
    -e trace=%file "$E2E_PROGRAM") >"$E2E_WORK/game.log" 2>&1 &
  E2E_GAME_PID=$!
}
trap 'pkill -P "$E2E_GAME_PID" 2>/dev/null || true; e2e_cleanup' EXIT

# Clicks a top button of the main window at scale $1 (window pixels are
# design pixels times the scale).
click_button() {
  local scale=$1 x=$2
  e2e_click "$(awk -v s="$scale" -v x="$x" 'BEGIN { printf "%d", x * s }')" \
    "$(awk -v s="$scale" 'BEGIN { printf "%d", 40 * s }')"
}

cp "$hostile/hostile-outside.chm" "$folder/pkHelp.chm"
start_traced_game QT_SCALE_FACTOR=1.5
e2e_find_main_window
e2e_shot_when_still "$E2E_WORK/idle.png"
click_button 1.5 538  # ヘルプ
e2e_wait_window "outside" >/dev/null
e2e_shot_when_still "$E2E_WORK/outside.png"
click_button 1.5 593  # 終了
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
grep -q 'pkHelp.chm' "$E2E_WORK/files.log" || e2e_fail "strace saw no file of the game"
if grep -E 'picture|fifo|sheet\.css|/outside|polkamina-help' "$E2E_WORK/files.log"; then
  e2e_fail "the game looked for a file the help page names"
fi

cp "$hostile/hostile-deep.chm" "$folder/pkHelp.chm"
e2e_start_game "$folder"
e2e_find_main_window
e2e_shot_when_still "$E2E_WORK/idle.png"
e2e_click 538 40  # ヘルプ
e2e_wait_window "ヘルプ" >/dev/null
e2e_click 593 40  # 終了
e2e_wait_exit 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "exit status $E2E_STATUS"
echo "ok"
