#!/usr/bin/env bash
# prepare-play.sh BUILD_DIR GAME_DIR
# Makes GAME_DIR from the shipped defaults if it does not exist yet; an
# existing folder is the player's and its files are left alone. The help file
# belongs to the build, so it is always brought up to date. The installed
# launcher does the same with the same functions.
set -euo pipefail
build=$1
game=$2
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/app/game-folder.sh"
polkamina_make_game_folder "$here/assets/defaults" "$game"
polkamina_update_help "$build/help/pkHelp.chm" "$game"
