#!/usr/bin/env bash
# game_folder.sh SOURCE_DIR
# The game-folder functions the launcher and tools/prepare-play.sh share,
# where they can go wrong: a first start that fails half-way, odd things at
# the folder's or the help file's place, and the folder's permissions.
source "$(dirname "$0")/lib.sh"
source "$1/app/game-folder.sh"

defaults="$work/defaults"
mkdir "$defaults"
printf 'a' >"$defaults/a.ico"
printf 'b' >"$defaults/記録.txt"
printf 'help' >"$work/pkHelp.chm"

# Made with its parents, with the mode mkdir gives under the umask.
(umask 027 && polkamina_make_game_folder "$defaults" "$work/deep/er/game") || fail "not made"
[ "$(stat -c %a "$work/deep/er/game")" = 750 ] || fail "mode $(stat -c %a "$work/deep/er/game")"
diff -r "$defaults" "$work/deep/er/game" || fail "the new folder differs from the defaults"
[ "$(ls -A "$work/deep/er")" = game ] || fail "left behind: $(ls -A "$work/deep/er")"

# A copy that fails half-way leaves neither a game folder nor a scratch folder.
mkdir "$defaults/not-a-file"
if polkamina_make_game_folder "$defaults" "$work/half/game" 2>/dev/null; then
  fail "a failed copy succeeded"
fi
[ -z "$(ls -A "$work/half")" ] || fail "left behind: $(ls -A "$work/half")"
rmdir "$defaults/not-a-file"

# Something other than a folder at its place is a failure, and is left alone.
touch "$work/a-file"
ln -s "$work/nowhere" "$work/a-link"
for name in a-file a-link; do
  if polkamina_make_game_folder "$defaults" "$work/$name"; then fail "made over $name"; fi
done
[ ! -e "$work/nowhere" ] || fail "the link was followed"

# The help file: copied when it differs, left as it is when it is the same,
# nothing when the build has none, a failure when a folder holds its name.
game="$work/deep/er/game"
polkamina_update_help "$work/pkHelp.chm" "$game"
cmp -s "$work/pkHelp.chm" "$game/pkHelp.chm" || fail "the help file was not copied"
before=$(stat -c %i "$game/pkHelp.chm")
polkamina_update_help "$work/pkHelp.chm" "$game"
[ "$(stat -c %i "$game/pkHelp.chm")" = "$before" ] || fail "an up-to-date help file was rewritten"
polkamina_update_help "$work/no-such.chm" "$game" || fail "a build without help failed"
mkdir "$work/other" && mkdir "$work/other/pkHelp.chm"
if polkamina_update_help "$work/pkHelp.chm" "$work/other" 2>/dev/null; then
  fail "the help file was put over a folder"
fi
[ "$(ls -A "$work/other")" = pkHelp.chm ] || fail "left behind: $(ls -A "$work/other")"
echo "ok"
