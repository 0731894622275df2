# Helpers shared by the end-to-end tests under Xvfb and on the desktops.

# Runs a command every 0.1 s until it succeeds or $1 seconds have passed;
# fails the way the command does if it never succeeds.
e2e_eventually() {
  local seconds=$1 i
  shift
  for i in $(seq $((seconds * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# The centre of piece i (1..40) in window pixels.
e2e_piece_centre() {
  local i=$1
  local column=$(((i - 1) % 8)) row=$(((i - 1) / 8))
  local lefts=(10 84 159 233 307 381 456 530) tops=(75 130 185 240 295)
  echo $((10 + ${lefts[column]} + 36)) $((90 + ${tops[row]} + 26))
}
