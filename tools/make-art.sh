#!/usr/bin/env bash
# Rebuilds the generator and renders every picture into assets/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${POLKAMINA_BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build" -DPOLKAMINA_ARTGEN=ON >/dev/null
cmake --build "$build" --target polkamina_artgen -j"$(nproc)"
mkdir -p "$here/assets/art" "$here/assets/icons/hicolor"
QT_QPA_PLATFORM=offscreen "$build/tools/polkamina_artgen" "$here/assets/defaults" "$here/assets/art" \
  "$here/assets/icons/hicolor"
