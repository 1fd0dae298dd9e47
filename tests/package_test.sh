#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package as it ships (tools/package), checks it as a
# distribution would (lintian, metadata validators), checks what it installs,
# installs and removes it in a scratch root, and starts the installed program
# under Xvfb to a shown window.
#   package_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

package=$("$source/tools/package" "$build/package" | tail -1)
echo "built $package"

desktop-file-validate "$source/res/io.github.zifrel.Zifrel.desktop"
appstreamcli validate --no-net "$build/package/res/io.github.zifrel.Zifrel.metainfo.xml"
# Not one error or warning; information (such as a binary with no call that
# fortifying would change) is shown but passes.
lintian --pedantic --display-info --fail-on error,warning "$package" 2>&1 | grep -v "running with root privileges"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || fail "does not depend on $needed"
done

root=$scratch/root
dpkg -x "$package" "$root"
for file in usr/games/zifrel usr/bin/zifrel-batch usr/share/applications/io.github.zifrel.Zifrel.desktop \
            usr/share/metainfo/io.github.zifrel.Zifrel.metainfo.xml usr/share/man/man6/zifrel.6.gz \
            usr/share/man/man6/zifrel-batch.6.gz usr/share/doc/zifrel/copyright usr/share/doc/zifrel/changelog.gz \
            usr/share/icons/hicolor/scalable/apps/io.github.zifrel.Zifrel.svg; do
    [ -e "$root/$file" ] || fail "lacks $file"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/io.github.zifrel.Zifrel.png
    [ -e "$icon" ] || fail "lacks the ${size}px icon"
    file "$icon" | grep -q "$size x $size" || fail "the ${size}px icon is $(file -b "$icon")"
done
grep -rq "example\.org" "$root" && fail "installs a placeholder address"
for binary in usr/games/zifrel usr/bin/zifrel-batch; do
    file "$root/$binary" | grep -q ", stripped" || fail "$binary is not stripped"
    readelf -d "$root/$binary" | grep -Eq "BIND_NOW|FLAGS.*NOW" || fail "$binary is not linked with -z now"
    readelf -l "$root/$binary" | grep -q GNU_RELRO || fail "$binary has no RELRO"
    # Security updates of the C++ library reach it only through the shared one.
    readelf -d "$root/$binary" | grep -q "NEEDED.*libstdc++" || fail "$binary does not use the shared C++ library"
done
# One version everywhere it is not fixed by the About text.
version=$(dpkg-deb -f "$package" Version)
zcat "$root/usr/share/man/man6/zifrel.6.gz" | grep -q "\"Zifrel $version\"" || fail "zifrel(6) has another version"
grep -q "version=\"$version\"" "$root/usr/share/metainfo/io.github.zifrel.Zifrel.metainfo.xml" || fail "the metainfo has another version"
[ "$("$root/usr/bin/zifrel-batch" --version)" = "zifrel-batch $version" ] || fail "zifrel-batch has another version"

# Installed and removed by dpkg in a root of its own: nothing stays behind.
admin=$scratch/dpkg
mkdir -p "$admin/var/lib/dpkg/info" "$admin/var/lib/dpkg/updates" "$admin/var/lib/dpkg/triggers"
touch "$admin/var/lib/dpkg/status" "$admin/var/lib/dpkg/available"
# The libraries it depends on are on the machine, not in this root.
dpkg_here() {
    dpkg --root="$admin" --force-depends --force-not-root --force-script-chrootless --log=/dev/null "$@" \
        >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; fail "dpkg $* failed"; }
}
dpkg_here -i "$package"
[ -x "$admin/usr/games/zifrel" ] || fail "dpkg did not install the program"
dpkg_here -r zifrel
left=$(cd "$admin" && find . -path ./var/lib/dpkg -prune -o \( -type f -o -type l \) -print)
[ -z "$left" ] || fail "removing it leaves $left"

# The installed program brings up its window, with the class the desktop
# file names, so that docks group the window with its launcher.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/io.github.zifrel.Zifrel.desktop")
"$(dirname "$0")/ui/on-own-x" bash -c '
    "$1/usr/games/zifrel" & program=$!
    for _ in $(seq 600); do
        if xwininfo -root -tree | grep -q "\"Zifrel\": (\"zifrel\" \"$2\")"; then kill $program; exit 0; fi
        sleep 0.1
    done
    kill $program 2>/dev/null; echo "the installed program showed no window of class $2" >&2; exit 1
' _ "$root" "$wm_class"
echo "package installs, starts and removes cleanly"
