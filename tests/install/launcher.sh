#!/usr/bin/env bash
# launcher.sh PREFIX
# The installed launcher, in a copy of the install moved elsewhere, whose
# program only writes down the folder it was started in: the game folder is
# made where XDG puts a user's data, a player's files survive later starts,
# two starts at once both play, and a folder that cannot be prepared stops
# it with a message and no game.
source "$(dirname "$0")/lib.sh"
prefix=$1

tree="$work/tree"
cp -a "$prefix" "$tree"
printf '#!/bin/sh\npwd >>"$STUB_REPORT"\n' >"$tree/libexec/polkamina/polkamina"
report="$work/started-in"
home="$work/home"
mkdir -p "$home"
defaults="$tree/share/games/polkamina/defaults"
help="$tree/share/games/polkamina/pkHelp.chm"
english_help="$tree/share/games/polkamina/pkHelp_en.chm"
game="$home/.local/share/polkamina"

# Runs the launcher from HOME with nothing else of this environment (but the
# sanitizers' settings of a sanitized build) and no display, as a terminal
# start would; arguments are extra VAR=value pairs.
clean_env=(env -i PATH="$tree/bin:/usr/bin:/bin" HOME="$home" STUB_REPORT="$report"
  ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"})
launch() {
  rm -f "$report"
  (cd "$home" && "${clean_env[@]}" "$@" polkamina)
}
started_in() {
  [ -f "$report" ] || fail "the program was not started"
  cat "$report"
}
same_as_defaults() {
  for file in "$defaults"/*; do
    cmp -s "$file" "$game/$(basename "$file")" || fail "$(basename "$file") is not the default"
  done
}

# First start, through bin/'s link: the folder is made from the defaults,
# with the help files of both languages, and nothing else.
launch
[ "$(started_in)" = "$game" ] || fail "the program started in $(started_in)"
same_as_defaults
cmp -s "$help" "$game/pkHelp.chm" || fail "no help file"
cmp -s "$english_help" "$game/pkHelp_en.chm" || fail "no English help file"
[ "$(ls -A "$game" | wc -l)" -eq $(($(ls -A "$defaults" | wc -l) + 2)) ] ||
  fail "the new folder holds $(ls -A "$game")"
[ "$(ls -A "$home/.local/share")" = polkamina ] || fail "left behind: $(ls -A "$home/.local/share")"

# A player's records and own icons survive the next start; only an outdated
# help file is replaced.
printf '9999 \r\n' >"$game/記録.txt"
rm "$game"/*.ico
cp "$defaults/ねこ.ico" "$game/じぶん.ico"
echo "an older help file" >"$game/pkHelp.chm"
launch
[ "$(started_in)" = "$game" ] || fail "the second start was in $(started_in)"
[ "$(cat "$game/記録.txt")" = $'9999 \r' ] || fail "記録.txt was replaced"
[ "$(ls "$game"/*.ico)" = "$game/じぶん.ico" ] || fail "the icons are now $(ls "$game"/*.ico)"
cmp -s "$help" "$game/pkHelp.chm" || fail "the help file is outdated"

# XDG_DATA_HOME holds the game folder where it is an absolute path.
launch XDG_DATA_HOME="$work/data"
[ "$(started_in)" = "$work/data/polkamina" ] || fail "with XDG_DATA_HOME: $(started_in)"

# Two first starts at once (a double click): both play, in one whole folder.
rm -f "$report"
for i in 1 2; do
  (cd "$home" && "${clean_env[@]}" XDG_DATA_HOME="$work/twice" polkamina) &
done
wait
[ "$(grep -c . "$report")" = 2 ] || fail "two starts at once: $(cat "$report")"
game="$work/twice/polkamina"
same_as_defaults
[ "$(ls -A "$work/twice")" = polkamina ] || fail "left behind: $(ls -A "$work/twice")"

# A folder that cannot be prepared: a message naming it, a failure, no game.
expect_failure() {
  local why=$1 expected=$2
  shift 2
  if "$@" 2>"$work/stderr"; then fail "$why: the launcher succeeded"; fi
  [ ! -f "$report" ] || fail "$why: the program started"
  grep -qF "$expected" "$work/stderr" || fail "$why: $(cat "$work/stderr")"
}
mkdir "$work/blocked"
touch "$work/blocked/polkamina"
expect_failure "a file in its place" "「$work/blocked/polkamina」はフォルダではありません。" \
  launch XDG_DATA_HOME="$work/blocked"

# A read-only home on the first start, where this system lets a test mount
# one (in a user namespace of its own).
mkdir "$work/readonly"
if unshare -rm true 2>/dev/null; then
  expect_failure "a read-only home" "フォルダ「$work/readonly」に書き込めません：読み取り専用" \
    unshare -rm sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && "$@"' \
    sh "$work/readonly" "${clean_env[@]}" XDG_DATA_HOME="$work/readonly" polkamina
else
  echo "no user namespaces here: the read-only home is not tried"
fi
echo "ok"
