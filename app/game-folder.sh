# The game folder's set-up, shared by the installed launcher (which carries a
# copy of these functions) and tools/prepare-play.sh. POSIX sh.

# polkamina_make_game_folder DEFAULTS_DIR GAME_DIR
# Makes GAME_DIR from the files in DEFAULTS_DIR if nothing is there yet. The
# files are copied into a scratch folder beside it that is then renamed, so an
# interrupted first start never leaves a half-filled game folder. A folder
# that exists is the player's and none of its files is touched.
polkamina_make_game_folder() {
  local defaults="$1" game="$2" parent scratch
  if [ ! -e "$game" ] && [ ! -L "$game" ]; then
    parent=$(dirname -- "$game")
    mkdir -p -- "$parent" || return 1
    scratch=$(mktemp -d -- "$parent/.polkamina-new.XXXXXX") || return 1
    # mktemp makes the folder private; give it the mode mkdir would have.
    if ! chmod -- "$(umask -S)" "$scratch" || ! cp -- "$defaults"/* "$scratch/" ||
      ! mv -T -- "$scratch" "$game"; then
      rm -rf -- "$scratch"
      return 1
    fi
  fi
  [ -d "$game" ]
}

# polkamina_update_help HELP_FILE GAME_DIR
# The help file belongs to the install, not to the player: GAME_DIR gets a copy
# of HELP_FILE whenever its own differs. Nothing happens if HELP_FILE is absent.
polkamina_update_help() {
  local help="$1" game="$2"
  [ -f "$help" ] || return 0
  cmp -s -- "$help" "$game/pkHelp.chm" && return 0
  if ! cp -- "$help" "$game/.pkHelp.chm.new" ||
    ! mv -T -f -- "$game/.pkHelp.chm.new" "$game/pkHelp.chm"; then
    rm -f -- "$game/.pkHelp.chm.new"
    return 1
  fi
}
