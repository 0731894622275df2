#!/usr/bin/env bash
# prepare-play.sh BUILD_DIR GAME_DIR
# Makes GAME_DIR from the shipped defaults if it does not exist yet; an
# existing folder is the player's and its files are left alone. The help file
# belongs to the build, so it is always brought up to date.
set -euo pipefail
build=$1
game=$2
here=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -e "$game" ]; then
  mkdir -p "$game"
  cp "$here"/assets/defaults/* "$game/"
fi
if [ -f "$build/help/pkHelp.chm" ]; then
  cp "$build/help/pkHelp.chm" "$game/pkHelp.chm"
fi
