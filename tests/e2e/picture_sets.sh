#!/usr/bin/env bash
# The pictures window switches to a set of 20: the game starts again in the
# same process with the set's pictures, the old ones kept as a set, the data
# files untouched. A switch that a killed run left half done is finished at
# the next start, before the icons are counted.
source "$(dirname "$0")/lib.sh"

e2e_start_x
folder=$(e2e_make_game_folder)
mkdir -p "$folder/絵/mine"
n=0
for icon in "$folder"/*.ico; do
  n=$((n + 1))
  cp "$icon" "$folder/絵/mine/mine$n.ico"
done
before="$E2E_WORK/before"
mkdir "$before"
cp "$folder"/*.txt "$before/"

# Whether the game folder holds exactly 20 icons named $1*.ico.
holds_set() {
  [ "$(find "$folder" -maxdepth 1 -name '*.ico' | wc -l)" -eq 20 ] &&
    [ "$(find "$folder" -maxdepth 1 -name "$1*.ico" | wc -l)" -eq 20 ]
}

e2e_start_game "$folder"
e2e_find_main_window
pid=$E2E_GAME_PID
e2e_key ctrl+e
pictures=$(e2e_wait_window "絵の管理")
# The set list holds the focus: the second line is the set "mine".
e2e_key Down "$pictures"
e2e_key alt+u "$pictures"
# The confirmation is a second window of that caption.
box=""
for i in $(seq 100); do
  box=$(xdotool search --onlyvisible --name '^絵の管理$' | grep -vx "$pictures" | head -n 1 || true)
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || e2e_fail "no confirmation was asked"
e2e_key Return "$box"
for i in $(seq 100); do
  holds_set mine && break
  sleep 0.1
done
holds_set mine || e2e_fail "the game folder does not hold the set mine"
# Started again in the same process: the pictures window has gone with the
# old run, and a main window is shown.
for i in $(seq 200); do
  xdotool search --name '^絵の管理$' >/dev/null 2>&1 || break
  sleep 0.1
done
! xdotool search --name '^絵の管理$' >/dev/null 2>&1 || e2e_fail "the game did not start again"
e2e_find_main_window
kill -0 "$pid" 2>/dev/null || e2e_fail "the game did not start again in its own process"
[ "$(find "$folder/絵/前の絵" -name '*.ico' | wc -l)" -eq 20 ] || e2e_fail "the old pictures are not kept"
[ ! -e "$folder/絵/mine" ] || e2e_fail "the set's folder is left"
for file in "$before"/*.txt; do
  cmp -s "$file" "$folder/$(basename "$file")" || e2e_fail "$(basename "$file") was rewritten"
done
kill "$E2E_GAME_PID"
wait "$E2E_GAME_PID" 2>/dev/null || true
E2E_GAME_PID=""

# A switch back to 前の絵 ended after 5 pictures had moved out.
old=$(cd "$folder" && ls mine*.ico)
new=$(cd "$folder/絵/前の絵" && ls *.ico)
mkdir "$folder/絵/.switch-old"
{
  printf 'polkamina-switch\0out\0前の絵\0mine\0'
  for f in $old; do printf '%s\0' "$f"; done
  printf '\0'
  for f in $new; do printf '%s\0' "$f"; done
  printf '\0'
} >"$folder/絵/.switching"
for f in $(echo "$old" | head -n 5); do mv "$folder/$f" "$folder/絵/.switch-old/"; done
e2e_start_game "$folder"
e2e_find_main_window
[ "$(find "$folder" -maxdepth 1 -name '*.ico' | wc -l)" -eq 20 ] || e2e_fail "the switch was not finished"
[ "$(find "$folder/絵/mine" -name 'mine*.ico' | wc -l)" -eq 20 ] || e2e_fail "the set mine is not whole"
[ ! -e "$folder/絵/.switching" ] || e2e_fail "the journal is left"
echo "ok"
