#!/usr/bin/env bash
# A match is heard through the sound server and a miss is silent, and a
# match is silent too once the menu's sound switch is off (M), with the
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

# Plays the turn of pieces $1 and $1 + 1, recorded on its own; keeps the
# loudest sound heard in loudest and "match" or "miss" in outcome.
recorded_turn() {
  local first=$1 x y
  shot before
  desktop_start_recording
  read -r x y < <(e2e_piece_centre "$first")
  desktop_click_main "$x" "$y"
  read -r x y < <(e2e_piece_centre $((first + 1)))
  desktop_click_main "$x" "$y"
  e2e_eventually 10 turn_over || desktop_fail "the turn of piece $first did not end"
  sleep 1  # the rest of the bell
  loudest=$(desktop_stop_recording)
  outcome=miss
  if [ "$(desktop_changed "$DESKTOP_WORK/before.png" "$DESKTOP_WORK/now.png" $left)" -gt 20 ]; then
    outcome=match
  fi
}

# Turns pairs of pieces until a match and a miss have both been heard or not,
# then switches the sound off with M and plays on until a silent match.
heard_match=""
heard_miss=""
silent_match=""
for first in $(seq 1 2 39); do
  recorded_turn "$first"
  if [ -n "$heard_match" ] && [ -n "$heard_miss" ]; then
    if [ "$outcome" = match ]; then
      awk -v l="$loudest" 'BEGIN {exit !(l < 0.001)}' ||
        desktop_fail "a match sounded with the sound switched off ($loudest)"
      silent_match=$loudest
      break
    fi
  elif [ "$outcome" = match ]; then
    awk -v l="$loudest" 'BEGIN {exit !(l > 0.05)}' || desktop_fail "a match was silent ($loudest)"
    heard_match=$loudest
  else
    awk -v l="$loudest" 'BEGIN {exit !(l < 0.001)}' || desktop_fail "a miss made a sound ($loudest)"
    heard_miss=$loudest
  fi
  if [ -n "$heard_match" ] && [ -n "$heard_miss" ] && [ -z "${switched_off:-}" ]; then
    desktop_key_main m  # 効果音, off
    switched_off=1
  fi
done
[ -n "$heard_match" ] && [ -n "$heard_miss" ] || desktop_fail "no match or no miss in 20 turns"
[ -n "$silent_match" ] || desktop_fail "no match after the sound was switched off"
echo "ok: match $heard_match, miss $heard_miss, match switched off $silent_match"
