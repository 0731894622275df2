#!/usr/bin/env bash
# install_tree.sh BUILD_DIR PREFIX SOURCE_DIR
# Installs the build into a fresh PREFIX and checks that every part is where
# the launcher, the menu, the icon theme and man look for it.
source "$(dirname "$0")/lib.sh"
build=$1
prefix=$2
src=$3

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

id=io.github.polkamina.Polkamina
data="$prefix/share/games/polkamina"
[ -x "$prefix/games/polkamina" ] || fail "the launcher is not installed"
# This prefix is not /usr or /usr/local, whose games/ is on Debian's PATH:
# bin/, the folder such a prefix's users put on their PATH, links to it.
[ "$(readlink "$prefix/bin/polkamina")" = ../games/polkamina ] || fail "no bin/polkamina"
[ -x "$prefix/libexec/polkamina/polkamina" ] || fail "the program is not installed"
diff -r "$src/assets/defaults" "$data/defaults" ||
  fail "the installed defaults differ from assets/defaults"
for help in pkHelp.chm pkHelp_en.chm; do
  cmp "$src/help/$help" "$data/$help" || fail "$help"
done
# Nothing of the install is where a ~/.local prefix keeps the game folder.
[ ! -e "$prefix/share/polkamina" ] || fail "share/polkamina is the player's game folder"
for file in "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  share/doc/polkamina/copyright share/lintian/overrides/polkamina; do
  [ -s "$prefix/$file" ] || fail "$file is not installed"
done
# Compressed as Debian asks, and readable by man and by Debian's tools.
man -l "$prefix/share/man/man6/polkamina.6.gz" 2>&1 | grep -q "pair-turning game" ||
  fail "the manual page cannot be read"
zcat "$prefix/share/doc/polkamina/changelog.gz" | dpkg-parsechangelog -l - -S Version |
  grep -qx "$(sed -n 's/^project(polkamina VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")" ||
  fail "the changelog's version is not the project's"

# The theme's icons: each a PNG of its own size, with transparency.
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no ${size}px application icon"
  got=$(identify -format '%m %w %h %A' "$icon")
  [ "$got" = "PNG $size $size True" ] || fail "the ${size}px application icon is $got"
done

echo "ok"
