#!/usr/bin/env bash
# The game natively on a Wayland compositor (sway, headless): a short game
# by keyboard, and the Menu key opens the game's menu; the settings window stays above the main window when the main
# window is clicked; ヘルプ pressed again brings the help window back.
source "$(dirname "$0")/lib.sh"

desktop_start_sway
desktop_start_input
folder=$(desktop_make_game_folder .3 .3)
desktop_start_game "$folder" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1
e2e_eventually 20 desktop_has_window ポルカミナ || desktop_fail "no main window"
e2e_eventually 10 eval 'desktop_windows | grep -q "^ポルカミナ .* true$"' ||
  desktop_fail "the main window has no focus"

turns="225 120 65 31"  # lblTrun
turn_counted() {
  desktop_screenshot "$DESKTOP_WORK/now.png"
  [ "$(desktop_changed "$DESKTOP_WORK/$1.png" "$DESKTOP_WORK/now.png" $turns)" -gt 20 ]
}

desktop_input key Return  # スタート holds the focus
desktop_screenshot "$DESKTOP_WORK/dealt.png"
desktop_input key shift+Tab  # to the board
desktop_input key space
desktop_input key Right  # from the face turned up to the next back
desktop_input key Return
e2e_eventually 10 turn_counted dealt || desktop_fail "no turn was counted by keyboard"
cp "$DESKTOP_WORK/now.png" "$DESKTOP_WORK/one_turn.png"
desktop_input key Down
desktop_input key space
desktop_input key Right
desktop_input key Return
e2e_eventually 10 turn_counted one_turn || desktop_fail "no second turn was counted"

# The menu is a popup of the main window.
popups() { grep -c 'get_popup(' "$DESKTOP_WORK/game.log" || true; }
popups_before=$(popups)
desktop_input key Menu
e2e_eventually 10 eval '[ "$(popups)" -gt "$popups_before" ]' ||
  desktop_fail "the Menu key opened no menu"
desktop_input key Escape

# Windows of their own that the compositor knows to be the main window's:
# each names the main window's toplevel as its parent, so that compositors
# that keep such windows above their parent (GNOME, KDE Plasma) do so. sway
# 1.7 does not: a click on the main window raises it over them. Pressing
# 設定 or ヘルプ again then asks for the window to be activated, with the
# click as the proof that the player wants it.
parent_of() {  # the toplevel that the window whose title holds $1 names as parent
  local toplevel
  toplevel=$(grep -oP "xdg_toplevel@\d+(?=\.set_title\(\"[^\"]*$1[^\"]*\"\))" "$DESKTOP_WORK/game.log" |
    tail -n 1)
  [ -n "$toplevel" ] || return 0
  grep -oP "$toplevel\.set_parent\(\Kxdg_toplevel@\d+" "$DESKTOP_WORK/game.log" | tail -n 1
}
main_toplevel=$(grep -oP 'xdg_toplevel@\d+(?=\.set_title\("ポルカミナ"\))' "$DESKTOP_WORK/game.log" |
  head -n 1)
main_focused() { [ "$(desktop_focused)" = ポルカミナ ]; }

for window in 設定 ヘルプ; do
  case $window in 設定) button_x=483 ;; ヘルプ) button_x=538 ;; esac
  desktop_click ポルカミナ "$button_x" 40
  e2e_eventually 20 eval 'desktop_windows | grep -q "$window"' ||
    desktop_fail "$window opened no window: $(desktop_windows)"
  # Out of the way: the compositor may have put it over the main window.
  desktop_move_window "$window" 0 0
  [ "$(parent_of "$window")" = "$main_toplevel" ] ||
    desktop_fail "the window $window has no parent"
  desktop_click ポルカミナ 100 15  # the title picture
  e2e_eventually 10 main_focused || desktop_fail "the click did not reach the main window"
  desktop_click ポルカミナ "$button_x" 40
  e2e_eventually 10 eval 'desktop_focused | grep -q "$window"' ||
    desktop_fail "$window did not bring its window back: $(desktop_windows)"
done
[ "$(desktop_windows | grep -c .)" -eq 3 ] || desktop_fail "windows: $(desktop_windows)"
echo "ok"
