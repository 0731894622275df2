#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, if any
# is missing. Sourced by ./run and ./test.
set -euo pipefail

POLKAMINA_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev
  libmspack-dev fp-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-ipafont-gothic fonts-monapo fonts-noto-color-emoji
  xvfb xauth xdotool x11-utils imagemagick libxcb-damage0-dev
)

polkamina_install_missing() {
  local missing=()
  local pkg
  for pkg in "${POLKAMINA_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
