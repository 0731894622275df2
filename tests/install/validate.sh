#!/usr/bin/env bash
# validate.sh PREFIX
# The installed desktop entry and metainfo pass their validators and point at
# what is installed: the launcher, the icon and each other.
source "$(dirname "$0")/lib.sh"
prefix=$1

id=io.github.polkamina.Polkamina
entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# Started by name through PATH, so a moved prefix keeps a working entry.
[ "$(sed -n 's/^Exec=//p' "$entry")" = polkamina ] || fail "Exec is $(grep '^Exec=' "$entry")"
[ "$(sed -n 's/^TryExec=//p' "$entry")" = polkamina ] || fail "no TryExec=polkamina"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no icon named $icon"
grep -qF "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $(basename "$entry")"
echo "ok"
