#!/usr/bin/env bash
# launcher.sh PREFIX
# The installed launcher, in a copy of the install whose program only writes
# down the folder it was started in: the game folder is made where XDG puts
# a user's data, a player's files survive later starts, a link to the
# launcher works, and a folder that cannot be made stops it with a message.
source "$(dirname "$0")/lib.sh"
prefix=$1

tree="$work/tree"
cp -r "$prefix" "$tree"
printf '#!/bin/sh\npwd >"$STUB_REPORT"\n' >"$tree/libexec/polkamina/polkamina"
report="$work/started-in"
home="$work/home"
mkdir -p "$home"
defaults="$tree/share/polkamina/defaults"

# Runs the launcher from HOME, as a desktop's menu does, with nothing else of
# this environment; arguments are extra VAR=value pairs and then the launcher.
launch() {
  rm -f "$report"
  (cd "$home" && env -i PATH="$PATH" HOME="$home" STUB_REPORT="$report" "$@")
}
started_in() {
  [ -f "$report" ] || fail "the program was not started"
  cat "$report"
}

# First start: the folder is made from the defaults, with the help file.
launch "$tree/bin/polkamina"
game="$home/.local/share/polkamina"
[ "$(started_in)" = "$game" ] || fail "the program started in $(started_in)"
for file in "$defaults"/*; do
  cmp -s "$file" "$game/$(basename "$file")" || fail "$(basename "$file") is not the default"
done
cmp -s "$tree/share/polkamina/pkHelp.chm" "$game/pkHelp.chm" || fail "no help file"
[ "$(ls -A "$game" | wc -l)" -eq $(($(ls -A "$defaults" | wc -l) + 1)) ] ||
  fail "the new folder holds $(ls -A "$game")"
[ "$(ls -A "$home/.local/share")" = polkamina ] || fail "left behind: $(ls -A "$home/.local/share")"

# A player's records and own icons survive the next start, made through a
# link to the launcher; only an outdated help file is replaced.
printf '9999 \r\n' >"$game/記録.txt"
rm "$game/いぬ.ico"
cp "$defaults/ねこ.ico" "$game/じぶん.ico"
echo "an older help file" >"$game/pkHelp.chm"
mkdir "$work/bin"
ln -s "$tree/bin/polkamina" "$work/bin/polkamina"
launch "$work/bin/polkamina"
[ "$(started_in)" = "$game" ] || fail "the second start was in $(started_in)"
[ "$(cat "$game/記録.txt")" = $'9999 \r' ] || fail "記録.txt was replaced"
[ ! -e "$game/いぬ.ico" ] || fail "a removed icon came back"
[ -f "$game/じぶん.ico" ] || fail "the player's icon is gone"
cmp -s "$tree/share/polkamina/pkHelp.chm" "$game/pkHelp.chm" || fail "the help file is outdated"

# XDG_DATA_HOME counts only as an absolute path.
launch XDG_DATA_HOME="$work/data" "$tree/bin/polkamina"
[ "$(started_in)" = "$work/data/polkamina" ] || fail "with XDG_DATA_HOME: $(started_in)"
launch XDG_DATA_HOME=relative "$tree/bin/polkamina"
[ "$(started_in)" = "$game" ] || fail "with a relative XDG_DATA_HOME: $(started_in)"
[ ! -e "$home/relative" ] || fail "a relative XDG_DATA_HOME was used"

# A file where the folder should be: a message, a failure, and no game.
mkdir "$work/blocked"
touch "$work/blocked/polkamina"
if launch XDG_DATA_HOME="$work/blocked" "$tree/bin/polkamina" 2>"$work/stderr"; then
  fail "the launcher succeeded without a game folder"
fi
[ ! -f "$report" ] || fail "the program started without a game folder"
grep -q "ゲームフォルダ" "$work/stderr" || fail "no message: $(cat "$work/stderr")"
echo "ok"
