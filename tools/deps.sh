#!/usr/bin/env bash
# deps.sh ROLE...
# Installs the Debian packages of the given roles (play, package, test) that
# are missing; tools/packages.txt lists them and says what each one serves.
set -euo pipefail
list="$(dirname "$0")/packages.txt"
roles=" $* "
wanted=()
while read -r role pkg _; do
  case $role in '#'* | '') continue ;; esac
  [[ $roles == *" $role "* ]] && wanted+=("$pkg")
done <"$list"
[ ${#wanted[@]} -gt 0 ] || {
  echo "usage: $0 ROLE... (roles: play package test)" >&2
  exit 2
}

missing=()
for pkg in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
