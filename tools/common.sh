# SPDX-License-Identifier: MIT
# Shared by tools/run and tools/check: package setup and the build.

set -euo pipefail

ZIFREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZIFREL_BUILD=${ZIFREL_BUILD:-$ZIFREL_ROOT/build}

# Installs the Debian packages named that are not installed yet. As root it
# installs them itself; otherwise it prints the command and stops.
zifrel_need_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "zifrel: these Debian packages are missing: ${missing[*]}" >&2
        echo "zifrel: install them with:  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "zifrel: installing ${missing[*]}" >&2
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Configures a build folder: zifrel_configure FOLDER [CMAKE OPTION...]
zifrel_configure() {
    local folder=$1
    shift
    cmake -S "$ZIFREL_ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

# Builds a configured folder, all of it or the targets named.
zifrel_compile() {
    local folder=$1 targets=()
    shift
    for target in "$@"; do targets+=(--target "$target"); done
    cmake --build "$folder" --parallel "$(nproc)" "${targets[@]}"
}

# What building the program needs, and what its tests need on top.
ZIFREL_BUILD_PACKAGES=(cmake make g++ qt6-base-dev libxcb1-dev qt6-qpa-plugins fonts-liberation2
    qt6-l10n-tools qt6-translations-l10n python3)
ZIFREL_TEST_PACKAGES=(libgtest-dev xvfb xauth valgrind clang libclang-rt-dev
    desktop-file-utils appstream dpkg-dev x11-utils openbox xdotool strace lintian file parallel
    at-spi2-core python3-pyatspi dbus-daemon poppler-utils)
