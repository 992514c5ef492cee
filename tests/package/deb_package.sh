#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root as dpkg would lay it out, and checks what
# the package holds and how the program runs from there: its version, and its settings kept under
# $XDG_CONFIG_HOME although the scratch root could be written. Usage: deb_package.sh BUILD VERSION APP_ID
set -euo pipefail
build=$1 version=$2 id=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
deb=$(echo "$scratch"/out/webkestrane_"$version"_*.deb)
[ -f "$deb" ] || fail "no webkestrane_${version}_*.deb in: $(ls "$scratch/out")"
# dpkg-shlibdeps found the libraries the program links.
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6webenginewidgets6* && $depends == *libc6* ]] || fail "Depends misses libraries: $depends"

dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr
for file in bin/webkestrane share/webkestrane/help/index.html share/man/man1/webkestrane.1.gz \
            share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
for size in 16 32 48 64 128 256; do
  png=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no ${size}px icon"
  # A PNG's width is the big-endian word at byte 16.
  width=$((16#$(od -An -j16 -N4 -tx1 "$png" | tr -d ' \n')))
  [ "$width" -eq "$size" ] || fail "the ${size}px icon is $width pixels wide"
done
desktop-file-validate "$usr/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo is not valid"

run() { env -u WEBKESTRANE_APP_FOLDER XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home" "$usr/bin/webkestrane" "$@"; }
[ "$(run --version)" = "webkestrane $version" ] || fail "--version says: $(run --version)"
run options set --proposals improved || fail "options set failed"
[ -f "$scratch/config/webkestrane/proposals.sgt" ] || fail "settings not kept in \$XDG_CONFIG_HOME/webkestrane"
shown=$(run options) || fail "options failed"
grep -q '^proposals:' <<<"$shown" || fail "options shows no proposals line once one is stored: $shown"
leftovers=$(find "$scratch/root" -newer "$deb" -type f)
[ -z "$leftovers" ] || fail "the program wrote into its own install: $leftovers"
echo "package $(basename "$deb") installs and runs"
