#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package, unpacks it into a scratch root, checks what it
# installs and starts the installed program under Xvfb to a shown window.
#   package_test.sh BUILD_FOLDER SOURCE_FOLDER
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

desktop-file-validate "$source/res/io.github.zifrel.Zifrel.desktop"
appstreamcli validate --no-net "$source/res/io.github.zifrel.Zifrel.metainfo.xml"

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
package=$(ls "$scratch"/out/zifrel_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || { echo "package does not depend on $needed" >&2; exit 1; }
done

dpkg -x "$package" "$scratch/root"
for file in usr/bin/zifrel usr/bin/zifrel-batch usr/share/applications/io.github.zifrel.Zifrel.desktop \
            usr/share/metainfo/io.github.zifrel.Zifrel.metainfo.xml usr/share/man/man6/zifrel.6 \
            usr/share/man/man6/zifrel-batch.6 usr/share/icons/hicolor/scalable/apps/io.github.zifrel.Zifrel.svg; do
    [ -e "$scratch/root/$file" ] || { echo "package lacks $file" >&2; exit 1; }
done
for size in 16 32 48 64 128; do
    [ -e "$scratch/root/usr/share/icons/hicolor/${size}x${size}/apps/io.github.zifrel.Zifrel.png" ] \
        || { echo "package lacks the ${size}px icon" >&2; exit 1; }
done

# The installed program must bring up its window.
xvfb-run -a bash -c '
    "$1/usr/bin/zifrel" & program=$!
    for _ in $(seq 50); do
        if xwininfo -root -tree | grep -q "\"Zifrel\""; then kill $program; exit 0; fi
        sleep 0.1
    done
    kill $program 2>/dev/null; echo "the installed program showed no window" >&2; exit 1
' _ "$scratch/root"
echo "package installs and starts"
