#!/usr/bin/env bash
# A match is heard through the sound server and a miss is silent, with the
# game on Wayland (sway) or on X11: sound.sh wayland|x11 PROGRAM INPUT_CLIENT
# SOURCE_DIR HELP_FILE.
mode=$1
shift
source "$(dirname "$0")/lib.sh"

desktop_start_sound
if [ "$mode" = wayland ]; then
  desktop_start_sway
  desktop_start_input
  platform=wayland
else
  desktop_start_x
  platform=xcb
fi
folder=$(desktop_make_game_folder .3 .3)
desktop_start_game "$folder" QT_QPA_PLATFORM=$platform
e2e_eventually 20 desktop_main_origin >/dev/null || desktop_fail "no main window"
desktop_click_main 263 40  # スタート

turns="225 120 65 31"  # lblTrun
left="300 120 65 31"   # lblZan
shot() { desktop_screenshot "$DESKTOP_WORK/$1.png"; }
turn_over() {
  shot now
  [ "$(desktop_changed "$DESKTOP_WORK/before.png" "$DESKTOP_WORK/now.png" $turns)" -gt 20 ]
}

# Turns pairs of pieces, each turn recorded on its own, until a match and a
# miss have both been heard or not.
heard_match=""
heard_miss=""
for first in $(seq 1 2 39); do
  shot before
  desktop_start_recording
  read -r x y < <(e2e_piece_centre "$first")
  desktop_click_main "$x" "$y"
  read -r x y < <(e2e_piece_centre $((first + 1)))
  desktop_click_main "$x" "$y"
  e2e_eventually 10 turn_over || desktop_fail "the turn of piece $first did not end"
  sleep 1  # the rest of the bell
  loudest=$(desktop_stop_recording)
  if [ "$(desktop_changed "$DESKTOP_WORK/before.png" "$DESKTOP_WORK/now.png" $left)" -gt 20 ]; then
    awk -v l="$loudest" 'BEGIN {exit !(l > 0.05)}' || desktop_fail "a match was silent ($loudest)"
    heard_match=$loudest
  else
    awk -v l="$loudest" 'BEGIN {exit !(l < 0.001)}' || desktop_fail "a miss made a sound ($loudest)"
    heard_miss=$loudest
  fi
  [ -n "$heard_match" ] && [ -n "$heard_miss" ] && break
done
[ -n "$heard_match" ] && [ -n "$heard_miss" ] || desktop_fail "no match or no miss in 20 turns"
echo "ok: match $heard_match, miss $heard_miss"
