#!/usr/bin/env bash
# With one icon file too few, and with one too many, the game tells the
# player, shows no main window, writes nothing and ends with status 1.
source "$(dirname "$0")/lib.sh"

e2e_start_x

# Runs the game in folder, expects the message box with caption $2.
expect_icon_message() {
  local folder=$1 caption=$2
  local before="$E2E_WORK/before-$caption"
  mkdir -p "$before"
  cp "$folder"/*.txt "$before/"
  e2e_start_game "$folder"
  local box
  box=$(e2e_wait_window "$caption")
  if xdotool search --onlyvisible --name '^ポルカミナ$' >/dev/null 2>&1; then
    e2e_fail "the main window is shown behind \"$caption\""
  fi
  e2e_key Return "$box"
  e2e_wait_exit 10
  [ "$E2E_STATUS" -eq 1 ] || e2e_fail "exit status $E2E_STATUS after \"$caption\""
  local file
  for file in "$before"/*.txt; do
    cmp -s "$file" "$folder/$(basename "$file")" || e2e_fail "$(basename "$file") was rewritten"
  done
}

few=$(e2e_make_game_folder)
rm "$(find "$few" -maxdepth 1 -iname '*.ico' | sort | head -n 1)"
expect_icon_message "$few" "アイコン不足"

many="$E2E_WORK/many"
mkdir -p "$many"
cp "$E2E_SOURCE"/assets/defaults/* "$many/"
cp "$(find "$many" -maxdepth 1 -iname '*.ico' | sort | head -n 1)" "$many/Extra.ICO"
expect_icon_message "$many" "アイコン余分"
echo "ok"
