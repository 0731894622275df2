#!/usr/bin/env bash
# package.sh PREFIX BUILD_DIR PACKAGE_DIR
# `cpack -G DEB` makes, in PACKAGE_DIR, a package that holds the same files
# as the install in PREFIX but for the bin/ link that only other prefixes
# need, installs the command where Debian puts games, and depends on the
# libraries the program links and on the fonts it draws with.
source "$(dirname "$0")/lib.sh"
prefix=$1
build=$2
package=$3

rm -rf "$package"
mkdir -p "$package"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$package" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
deb=$(find "$package" -maxdepth 1 -name 'polkamina_*.deb')
[ -n "$deb" ] || fail "no package: $(cat "$work/cpack.log")"

depends=$(dpkg-deb -f "$deb" Depends)
for name in libqt6widgets6 libqt6gui6 libqt6core6 libmspack0 fonts-ipafont-gothic fonts-monapo; do
  tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -qx "$name" ||
    fail "Depends lacks $name: $depends"
done

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's:^\./usr/::' | sort >"$work/packaged"
(cd "$prefix" && find . -type f -o -type l) | sed 's:^\./::' | grep -vx bin/polkamina |
  sort >"$work/installed"
diff "$work/installed" "$work/packaged" || fail "the package's files differ from the install"
grep -qx games/polkamina "$work/packaged" || fail "no /usr/games/polkamina"
echo "ok"
