# Helpers for end-to-end tests on a real desktop: the game runs as an
# ordinary user (a root test run makes and uses the account polkamina-e2e)
# under a headless Wayland compositor (sway) or a private X server, with a
# PulseAudio server whose null sink can be recorded.
# Source it from a test script run as:
#   script.sh PROGRAM INPUT_CLIENT SOURCE_DIR HELP_FILE
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/common.sh"

DESKTOP_WORK=$(mktemp -d "${TMPDIR:-/tmp}/polkamina-desktop.XXXXXX")
chmod 755 "$DESKTOP_WORK"
DESKTOP_PIDS=()
DESKTOP_ENV=(HOME="$DESKTOP_WORK/home" XDG_RUNTIME_DIR="$DESKTOP_WORK/run"
             PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DBUS_SESSION_BUS_ADDRESS=disabled:)
DESKTOP_USER=$(id -un)
DESKTOP_INPUT_OK=0

desktop_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Ends a process started in the background: asked first, killed when it has
# not ended within five seconds (Orca, for one, can hang on its way out).
desktop_stop() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  e2e_eventually 5 desktop_ended "$pid" || kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
# Succeeds once a child has ended (gone, or a zombie waiting to be reaped).
desktop_ended() { [[ $(ps -o stat= -p "$1") != [^Z]* ]]; }

desktop_cleanup() {
  local i
  if [ -n "${DESKTOP_INPUT_FD:-}" ]; then exec {DESKTOP_INPUT_FD}>&-; fi
  for ((i = ${#DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
    desktop_stop "${DESKTOP_PIDS[i]}"
  done
  if [ "${DESKTOP_KEEP:-0}" = 1 ]; then
    echo "kept $DESKTOP_WORK" >&2
  else
    rm -rf "$DESKTOP_WORK"
  fi
}
trap desktop_cleanup EXIT

# The user the desktop runs as: this one, or for root an ordinary account of
# the tests' own (compositors and sound servers refuse to run as root).
if [ "$(id -u)" -eq 0 ]; then
  DESKTOP_USER=polkamina-e2e
  id "$DESKTOP_USER" >/dev/null 2>&1 ||
    useradd --system --no-create-home --shell /usr/sbin/nologin "$DESKTOP_USER"
fi
mkdir -m 700 "$DESKTOP_WORK/run" "$DESKTOP_WORK/home"
mkdir -m 755 "$DESKTOP_WORK/bin"
# Copies, so that the account can run them wherever the build lies.
cp "$1" "$DESKTOP_WORK/bin/polkamina"
cp "$2" "$DESKTOP_WORK/bin/input_client"
DESKTOP_SOURCE=$(realpath "$3")
DESKTOP_HELP=$(realpath "$4")
chown "$DESKTOP_USER" "$DESKTOP_WORK/run" "$DESKTOP_WORK/home"

# What runs a command as the desktop's user: the command itself, not a shell
# around it, so that a process started in the background has the id $!.
DESKTOP_AS_USER=()
if [ "$(id -u)" -eq 0 ]; then
  DESKTOP_AS_USER=(setpriv --reuid="$DESKTOP_USER" --regid="$DESKTOP_USER" --clear-groups)
fi

# Runs a command as the desktop's user, in the desktop's environment, with
# the extra VAR=value words given before it.
desktop_run() { "${DESKTOP_AS_USER[@]}" env -i "${DESKTOP_ENV[@]}" "$@"; }

# Starts a command like desktop_run in the background, reading this
# function's standard input; it is ended with the test. Its output goes to
# $DESKTOP_WORK/NAME.log.
desktop_start() {
  local name=$1
  shift
  # Standard input is passed on explicitly: a background command would get
  # /dev/null.
  "${DESKTOP_AS_USER[@]}" env -i "${DESKTOP_ENV[@]}" "$@" <&0 >"$DESKTOP_WORK/$name.log" 2>&1 &
  DESKTOP_PIDS+=($!)
}

# Makes a game folder from the shipped defaults, owned by the desktop's
# user, with the hide and erase delays given; prints its path.
desktop_make_game_folder() {
  local folder="$DESKTOP_WORK/game"
  mkdir -p "$folder"
  cp "$DESKTOP_SOURCE"/assets/defaults/* "$DESKTOP_HELP" "$folder/"
  printf ' %s \r\n %s \r\n' "$1" "$2" >"$folder/設定.txt"
  # The level イージー: any two pieces match with even odds.
  printf '"イージー",0,1\r\n' | iconv -f UTF-8 -t CP932 >"$folder/設定2.txt"
  chown -R "$DESKTOP_USER" "$folder"
  echo "$folder"
}

# Starts the game in the folder with the extra environment given.
desktop_start_game() {
  local folder=$1
  shift
  desktop_start game env -C "$folder" "$@" "$DESKTOP_WORK/bin/polkamina"
  DESKTOP_GAME_PID=$!
}

# ---- Sway, headless ----

DESKTOP_WIDTH=2000
DESKTOP_HEIGHT=1100

desktop_start_sway() {
  # A window that asks to be activated after the player's click gets the
  # focus, as on GNOME and KDE Plasma (sway would only mark it urgent by
  # default).
  cat >"$DESKTOP_WORK/sway.conf" <<CONF
output HEADLESS-1 resolution ${DESKTOP_WIDTH}x${DESKTOP_HEIGHT} position 0 0
default_border normal
focus_follows_mouse no
focus_on_window_activation focus
CONF
  desktop_start sway WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$DESKTOP_WORK/sway.conf"
  e2e_eventually 20 test -S "$DESKTOP_WORK/run/wayland-1" ||
    desktop_fail "sway did not start: $(cat "$DESKTOP_WORK/sway.log")"
  local ipc
  e2e_eventually 10 compgen -G "$DESKTOP_WORK/run/sway-ipc.*.sock" >/dev/null
  ipc=$(compgen -G "$DESKTOP_WORK/run/sway-ipc.*.sock" | head -n 1)
  DESKTOP_ENV+=(WAYLAND_DISPLAY=wayland-1 SWAYSOCK="$ipc")
}

# Starts the virtual pointer and keyboard, which stay connected.
desktop_start_input() {
  mkfifo -m 600 "$DESKTOP_WORK/input"
  chown "$DESKTOP_USER" "$DESKTOP_WORK/input"
  # Opened for reading and writing, so that neither end waits for the other.
  exec {DESKTOP_INPUT_FD}<>"$DESKTOP_WORK/input"
  desktop_start input "$DESKTOP_WORK/bin/input_client" "$DESKTOP_WIDTH" "$DESKTOP_HEIGHT" \
    <"$DESKTOP_WORK/input"
  e2e_eventually 10 grep -q '^ready$' "$DESKTOP_WORK/input.log" ||
    desktop_fail "no virtual input: $(cat "$DESKTOP_WORK/input.log")"
}

input_answers() { [ "$(grep -c '^ok$' "$DESKTOP_WORK/input.log")" -ge "$1" ]; }

# Sends one command to the virtual devices and waits until the compositor
# has it: "move X Y", "click", "key COMBO".
desktop_input() {
  echo "$*" >&"$DESKTOP_INPUT_FD"
  DESKTOP_INPUT_OK=$((DESKTOP_INPUT_OK + 1))
  e2e_eventually 10 input_answers "$DESKTOP_INPUT_OK" ||
    desktop_fail "the input \"$*\" was not taken: $(cat "$DESKTOP_WORK/input.log")"
}

# Clicks at pixel (x, y) of the client area of the window captioned $1.
desktop_click() {
  local x y
  read -r x y _ _ < <(desktop_window "$1") || desktop_fail "no window \"$1\""
  desktop_input move $((x + $2)) $((y + $3))
  desktop_input click
}

# What sway knows of the game's windows, one line each, bottom to top:
# CAPTION X Y WIDTH HEIGHT FOCUSED (the client area in layout pixels).
desktop_windows() {
  desktop_run swaymsg -r -t get_tree | python3 -c '
import json, sys
def walk(node):
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        if child.get("app_id") or child.get("window"):
            r, w = child["rect"], child["window_rect"]
            print(child["name"].replace(" ", "_"), r["x"] + w["x"], r["y"] + w["y"],
                  w["width"], w["height"], str(child["focused"]).lower())
        walk(child)
walk(json.load(sys.stdin))'
}

# Prints "X Y WIDTH HEIGHT" of the window captioned $1; fails if none.
desktop_window() {
  desktop_windows | awk -v name="$1" '$1 == name {print $2, $3, $4, $5; found=1} END {exit !found}'
}

desktop_has_window() { desktop_window "$1" >/dev/null; }

# Moves the window whose caption holds $1 to (x, y) of the layout.
desktop_move_window() {
  desktop_run swaymsg "[title=\"$1\"] move absolute position $2 $3" >/dev/null
}

# The caption of the window that holds the focus.
desktop_focused() { desktop_windows | awk '$6 == "true" {print $1}'; }

# Saves the screen as a PNG file.
desktop_screenshot() {
  if [ -n "${DESKTOP_X:-}" ]; then
    desktop_run import -silent -window root "$DESKTOP_WORK/run/screen.png"
  else
    desktop_run grim "$DESKTOP_WORK/run/screen.png"
  fi
  cp "$DESKTOP_WORK/run/screen.png" "$1"
}

# Prints "X Y" of the main window's client area on the screen.
desktop_main_origin() {
  if [ -n "${DESKTOP_X:-}" ]; then
    local id
    id=$(desktop_run xdotool search --onlyvisible --name '^ポルカミナ$' | head -n 1)
    [ -n "$id" ] || return 1
    desktop_run xwininfo -id "$id" |
      awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
  else
    local x y
    read -r x y _ _ < <(desktop_window ポルカミナ) || return 1
    echo "$x" "$y"
  fi
}

# Clicks at pixel (x, y) of the main window.
desktop_click_main() {
  local x y
  read -r x y < <(desktop_main_origin) || desktop_fail "no main window"
  if [ -n "${DESKTOP_X:-}" ]; then
    desktop_run xdotool mousemove $((x + $1)) $((y + $2)) click 1
  else
    desktop_input move $((x + $1)) $((y + $2))
    desktop_input click
  fi
}

# Presses a key (an xkb key name, "m", "shift+Tab") in the main window.
desktop_key_main() {
  if [ -n "${DESKTOP_X:-}" ]; then
    local id
    id=$(desktop_run xdotool search --onlyvisible --name "^ポルカミナ\$" | head -n 1)
    desktop_run xdotool windowfocus --sync "$id" key "$1"
  else
    desktop_input key "$1"
  fi
}

# Pixels that differ between two screenshots in a rectangle (x y w h) of the
# main window.
desktop_changed() {
  local x y
  read -r x y < <(desktop_main_origin)
  local crop="${5}x${6}+$((x + $3))+$((y + $4))"
  convert "$1" -crop "$crop" +repage "$DESKTOP_WORK/crop-a.png"
  convert "$2" -crop "$crop" +repage "$DESKTOP_WORK/crop-b.png"
  compare -metric AE "$DESKTOP_WORK/crop-a.png" "$DESKTOP_WORK/crop-b.png" null: 2>&1 || true
}

# ---- X11 ----

# Starts a private X server and points the desktop at it.
desktop_start_x() {
  : >"$DESKTOP_WORK/display"
  desktop_start xvfb Xvfb -displayfd 3 -screen 0 "${DESKTOP_WIDTH}x${DESKTOP_HEIGHT}x24" \
    -nolisten tcp 3>"$DESKTOP_WORK/display"
  local number
  e2e_eventually 20 grep -q . "$DESKTOP_WORK/display" ||
    desktop_fail "no X display: $(cat "$DESKTOP_WORK/xvfb.log")"
  read -r number <"$DESKTOP_WORK/display"
  DESKTOP_X=":$number"
  DESKTOP_ENV+=(DISPLAY="$DESKTOP_X")
}

# ---- Screen readers ----

# Starts a session bus of the desktop's own, through which screen readers
# find the accessibility bus (started on demand by at-spi2-core).
desktop_start_session_bus() {
  : >"$DESKTOP_WORK/bus"
  desktop_start dbus dbus-daemon --session --nofork --nopidfile --print-address=3 \
    3>"$DESKTOP_WORK/bus"
  e2e_eventually 20 grep -q . "$DESKTOP_WORK/bus" ||
    desktop_fail "no session bus: $(cat "$DESKTOP_WORK/dbus.log")"
  local address
  read -r address <"$DESKTOP_WORK/bus"
  DESKTOP_ENV+=(DBUS_SESSION_BUS_ADDRESS="$address")
  # A desktop session starts the accessibility bus with the session; programs
  # look for it only at their start.
  desktop_run dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null || desktop_fail "no accessibility bus"
}

# Starts Orca, Debian's screen reader, before the game, as a desktop session
# would. It has no speech server to talk to: what it says is kept, one
# "SPEECH OUTPUT: '...'" line each, in $DESKTOP_WORK/run/transcript, written
# the moment it is said.
desktop_start_orca() {
  local prefs="$DESKTOP_WORK/home/orca"
  mkdir -p "$prefs"
  cat >"$prefs/orca-customizations.py" <<PY
import orca.debug
orca.debug.debugLevel = orca.debug.LEVEL_INFO
orca.debug.debugFile = open("$DESKTOP_WORK/run/transcript", "w", buffering=1)
PY
  chown -R "$DESKTOP_USER" "$prefs"
  desktop_start orca orca --replace --user-prefs "$prefs"
  e2e_eventually 30 grep -q "SPEECH OUTPUT: 'Screen reader on" "$DESKTOP_WORK/run/transcript" ||
    desktop_fail "Orca did not start: $(cat "$DESKTOP_WORK/orca.log")"
}

# What Orca said, one utterance a line (one of several lines joined into
# one), without the log's decoration.
desktop_transcript() {
  awk -v q="'" '
    index($0, "SPEECH OUTPUT: " q) { flush(); said = substr($0, index($0, "SPEECH OUTPUT: " q) + 16); next }
    said != "" && /^                  / { said = said " " substr($0, 19); next }
    { flush() }
    END { flush() }
    function flush() {
      if (said == "") return
      sub(q " ?[{].*$", "", said)  # the voice Orca would have used
      print said
      said = ""
    }' "$DESKTOP_WORK/run/transcript"
}

# ---- Sound ----

# Starts a PulseAudio server of the desktop's own with one null sink, and
# points the desktop at it.
desktop_start_sound() {
  desktop_start pulseaudio pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --disable-shm=yes --load="module-native-protocol-unix socket=$DESKTOP_WORK/run/pulse-native" \
    --load="module-null-sink sink_name=recorded" --load=module-always-sink
  DESKTOP_ENV+=(PULSE_SERVER="unix:$DESKTOP_WORK/run/pulse-native")
  e2e_eventually 20 desktop_run pactl info >/dev/null 2>&1 ||
    desktop_fail "no sound server: $(cat "$DESKTOP_WORK/pulseaudio.log")"
}

# Records what the null sink plays, until desktop_stop_recording.
desktop_start_recording() {
  rm -f "$DESKTOP_WORK/run/sound.raw"
  # A short latency: parecord writes what it has every 20 ms, so that
  # little is lost when it is ended.
  desktop_start parecord parecord --device=recorded.monitor --latency-msec=20 --raw \
    --format=s16le --rate=44100 --channels=1 "$DESKTOP_WORK/run/sound.raw"
  DESKTOP_RECORDER=$!
  # The recording runs once its file grows.
  e2e_eventually 10 test -s "$DESKTOP_WORK/run/sound.raw" ||
    desktop_fail "nothing is recorded"
}

# Ends the recording; prints its loudest sample (0 to 1).
desktop_stop_recording() {
  kill "$DESKTOP_RECORDER"
  wait "$DESKTOP_RECORDER" 2>/dev/null || true
  sox -t raw -r 44100 -e signed -b 16 -c 1 "$DESKTOP_WORK/run/sound.raw" -n stat 2>&1 |
    awk '/Maximum amplitude/ {print $3}'
}
