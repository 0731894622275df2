# End-to-end helpers: a private X display, a fresh game folder, the game
# started in it, and clicks and screenshots in window coordinates.
# Source it from a test script run as: script.sh PROGRAM SOURCE_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

E2E_PROGRAM=$(realpath "$1")
E2E_SOURCE=$(realpath "$2")
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/polkamina-e2e.XXXXXX")
E2E_XVFB_PID=""
E2E_GAME_PID=""
E2E_WINDOW=""
# Qt's run-time files go here, not into a folder of its own under /tmp.
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_cleanup() {
  if [ -n "$E2E_GAME_PID" ] && kill -0 "$E2E_GAME_PID" 2>/dev/null; then
    kill "$E2E_GAME_PID" 2>/dev/null || true
    wait "$E2E_GAME_PID" 2>/dev/null || true
  fi
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
  fi
  if [ "${E2E_KEEP:-0}" = 1 ]; then
    echo "kept $E2E_WORK" >&2
  else
    rm -rf "$E2E_WORK"
  fi
}
trap e2e_cleanup EXIT

# Starts Xvfb on a display it picks itself (so that tests running side by
# side never share one) and points DISPLAY at it.
e2e_start_x() {
  local number_file="$E2E_WORK/display" number tries
  : >"$number_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >"$E2E_WORK/xvfb.log" 2>&1 &
  E2E_XVFB_PID=$!
  for tries in $(seq 100); do
    # Xvfb writes the number and a line end once it accepts clients.
    if read -r number <"$number_file"; then
      export DISPLAY=":$number"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  e2e_fail "no X display could be started: $(cat "$E2E_WORK/xvfb.log")"
}

# Makes a game folder from the shipped defaults and prints its path.
e2e_make_game_folder() {
  local folder="$E2E_WORK/game"
  mkdir -p "$folder"
  cp "$E2E_SOURCE"/assets/defaults/* "$folder/"
  echo "$folder"
}

# Starts the game in the folder; its output goes to $E2E_WORK/game.log. With
# no session bus to talk to, Qt would start one of its own that outlives the
# test. The player's preferences are kept in the test's own folder.
e2e_start_game() {
  local folder=$1
  (cd "$folder" && exec env -u QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS=disabled: \
    XDG_CONFIG_HOME="$E2E_WORK/config" "$E2E_PROGRAM") >"$E2E_WORK/game.log" 2>&1 &
  E2E_GAME_PID=$!
}

# Waits for a window of the game whose caption is exactly $1; prints its id.
e2e_wait_window() {
  local caption=$1 id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^${caption}\$" | head -n 1) ||
    e2e_fail "no window \"$caption\" appeared"
  echo "$id"
}

# Waits for any visible window of the game; prints its id.
e2e_wait_any_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --pid "$E2E_GAME_PID" | head -n 1) ||
    e2e_fail "no window of the game appeared"
  echo "$id"
}

# Prints the caption of a window.
e2e_window_name() {
  xdotool getwindowname "$1"
}

# Waits for the main window and keeps its id in E2E_WINDOW.
e2e_find_main_window() {
  E2E_WINDOW=$(e2e_wait_window "ポルカミナ")
}

# Prints "WIDTH HEIGHT" of the window's client area.
e2e_window_size() {
  xwininfo -id "${1:-$E2E_WINDOW}" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

# Prints "X Y" of the window's top left corner on the screen.
e2e_window_origin() {
  xwininfo -id "${1:-$E2E_WINDOW}" |
    awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
}

# Clicks at window-relative pixel (x, y) of the main window.
e2e_click() {
  xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1
}

# Gives the window $2 (the main window by default) the keyboard focus and
# presses a key there (an xdotool key name).
e2e_key() {
  xdotool windowfocus --sync "${2:-$E2E_WINDOW}"
  xdotool key "$1"
}

# Saves the whole screen as a PNG file.
e2e_screenshot() {
  import -silent -window root "$1"
}

# Takes screenshots into $1 until the command after the deadline $2 (seconds)
# succeeds: a wait for a state the screen shows. Fails the test with the
# message $3 if the state never comes.
e2e_shot_until() {
  local shot=$1 deadline=$((SECONDS + $2)) message=$3
  shift 3
  until e2e_screenshot "$shot" && "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || e2e_fail "$message"
    sleep 0.1
  done
}

# Takes screenshots into $1 until two in a row are the same: the windows have
# drawn everything they were asked to.
e2e_shot_when_still() {
  local shot=$1 previous="$E2E_WORK/previous-shot.png"
  e2e_screenshot "$previous"
  e2e_shot_until "$shot" 10 "the screen never came to rest" e2e_same_shots "$previous" "$shot"
}

# Succeeds when two screenshots are equal; the second becomes the first for
# the next call.
e2e_same_shots() {
  local first=$1 second=$2 differ
  differ=$(compare -metric AE "$first" "$second" null: 2>&1 || true)
  cp "$second" "$first"
  [ "$differ" = 0 ]
}

# Succeeds when the window rectangle x y w h ($3..$6) differs between two
# screenshots in more than $7 pixels (100 by default).
e2e_changed() {
  [ "$(e2e_crop_difference "$@")" -gt "${7:-100}" ]
}

# Succeeds when the window rectangle x y w h ($3..$6) is the same in two
# screenshots.
e2e_unchanged() {
  [ "$(e2e_crop_difference "$@")" -eq 0 ]
}

# Counts the pixels that differ between two screenshots within the main
# window's rectangle (x, y, width, height) in window-relative pixels.
e2e_crop_difference() {
  local first=$1 second=$2 x=$3 y=$4 w=$5 h=$6 ox oy
  read -r ox oy < <(e2e_window_origin)
  local crop="${w}x${h}+$((ox + x))+$((oy + y))"
  convert "$first" -crop "$crop" +repage "$E2E_WORK/crop-a.png"
  convert "$second" -crop "$crop" +repage "$E2E_WORK/crop-b.png"
  compare -metric AE "$E2E_WORK/crop-a.png" "$E2E_WORK/crop-b.png" null: 2>&1 || true
}

# Waits up to $1 seconds for the game to end and keeps its exit status in
# E2E_STATUS. Call it directly, not inside $(...): a subshell cannot wait
# for the game, which is a child of this shell only.
E2E_STATUS=""
e2e_wait_exit() {
  local seconds=$1 i
  for i in $(seq $((seconds * 10))); do
    if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
      E2E_STATUS=0
      wait "$E2E_GAME_PID" || E2E_STATUS=$?
      E2E_GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "the game did not end within $seconds s"
}

# The rectangle of piece i's back (1..40), "x y w h" in window pixels.
e2e_piece_rect() {
  local x y
  read -r x y < <(e2e_piece_centre "$1")
  echo $((x - 36)) $((y - 26)) 72 52
}
