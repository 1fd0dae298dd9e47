#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display, or with one that cannot be reached, the program says so
# in one line that names it, and exits with status 1. (The tests' own X
# servers take displays from :1000 to :8999, so the unreachable one is
# not among them.) --help and
# --version answer without any display; an unknown option gets one line and
# status 2. -display alone names a display, as DISPLAY does.
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
# answers EXPECTED-STATUS EXPECTED-TEXT LINES ARGUMENT...: no display needed.
answers() {
    local expected_status=$1 expected=$2 expected_lines=$3
    shift 3
    local out status lines
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1)
    status=$?
    lines=$(printf '%s\n' "$out" | wc -l)
    if [ "$status" -ne "$expected_status" ] || [[ "$out" != *"$expected"* ]] \
        || { [ "$expected_lines" != any ] && [ "$lines" -ne "$expected_lines" ]; }; then
        echo "with $*: status $status, $lines lines: $out" >&2
        failed=1
    else
        echo "with $*: status $status"
    fi
}
answers 0 "Usage: zifrel" any --help
answers 0 "Zifrel.zfr in the current folder" any -h
answers 0 "zifrel 1." 1 --version
answers 2 "zifrel: unknown option '--bogus'; try --help" 1 --bogus
answers 2 "zifrel: unexpected argument 'puzzle.txt'; try --help" 1 -style Fusion puzzle.txt
answers 2 "zifrel: -display needs a value; try --help" 1 -display
answers 2 "zifrel: --level goes with --print-pdf FILE" 1 --level 2
answers 1 "zifrel: cannot reach the display :9917 (-display)" 1 -display :9917
# -display names the display as DISPLAY does: the window opens there.
opened=$("$(dirname "$0")/on-own-x" sh -c 'display=$DISPLAY; env -u DISPLAY "$1" -display "$display" & pid=$!
    timeout 30 xdotool search --sync --name "^Zifrel$" >/dev/null && echo opened; kill $pid' sh "$program" 2>/dev/null)
if [ "$opened" = opened ]; then echo "with -display: the window opened"; else echo "with -display: $opened" >&2; failed=1; fi
exit $failed
