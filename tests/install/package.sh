#!/usr/bin/env bash
# package.sh PREFIX BUILD_DIR
# `cpack -G DEB` makes a package that holds the same files as the install in
# PREFIX, installs under /usr, and depends on the libraries the program links
# and on the fonts it draws with.
source "$(dirname "$0")/lib.sh"
prefix=$1
build=$2

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
deb=$(find "$work" -maxdepth 1 -name 'polkamina_*.deb')
[ -n "$deb" ] || fail "no package: $(cat "$work/cpack.log")"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libmspack0 fonts-ipafont-gothic fonts-monapo; do
  tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -qx "$package" ||
    fail "Depends lacks $package: $depends"
done

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's:^\./usr/::' | sort >"$work/packaged"
(cd "$prefix" && find . -type f -o -type l) | sed 's:^\./::' | sort >"$work/installed"
diff "$work/installed" "$work/packaged" || fail "the package's files differ from the install"

dpkg-deb -x "$deb" "$work/root"
grep -qx "Exec=/usr/bin/polkamina" "$work/root/usr/share/applications/"*.desktop ||
  fail "the packaged entry runs $(grep '^Exec=' "$work/root/usr/share/applications/"*.desktop)"
echo "ok"
