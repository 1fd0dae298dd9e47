#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display, or with one that cannot be reached, the program says so
# in one line that names it, and exits with status 1. (xvfb-run takes
# displays from :99 up, so the unreachable one is far above.)
#   display_test.sh ZIFREL
set -uo pipefail
program=$1
failed=0
check() {
    local expected=$1
    shift
    local out status lines
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" "$program" 2>&1)
    status=$?
    lines=$(printf '%s\n' "$out" | wc -l)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || [[ "$out" != *"$expected"* ]]; then
        echo "with $*: status $status, $lines lines: $out" >&2
        failed=1
    else
        echo "with $*: $out"
    fi
}
check "no display to show the window on"
check "cannot reach the display :9917 (DISPLAY)" DISPLAY=:9917
check "cannot reach the display wayland-0 (QT_QPA_PLATFORM=wayland)" QT_QPA_PLATFORM=wayland
check "cannot reach the display wayland-7 (WAYLAND_DISPLAY)" WAYLAND_DISPLAY=wayland-7
exit $failed
