#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts Zifrel under Xvfb with a session bus and the accessibility bus, as
# a desktop runs it before a screen reader starts, walks it with
# atspi_test.py, which then plays the screen reader, and fails if the
# program printed any accessibility warning.
#   atspi_test.sh ZIFREL PUZZLE-LINE
set -uo pipefail
if [ -z "${ZIFREL_ATSPI_INNER:-}" ]; then
    export ZIFREL_ATSPI_INNER=1
    exec "$(dirname "$0")/on-own-x" -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
printf '%s\n' "$2" > "$work/Zifrel.zfr"
# Its settings in memory: it starts as a desktop where no screen reader has
# run, and what the test sets goes with the test.
GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
# Up before the program, as on a desktop: the program asks for the bus once,
# as it starts.
for _ in $(seq 600); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
    sleep 0.1
done
# As a desktop starts it, before any screen reader runs.
(cd "$work" && unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON && QT_QPA_PLATFORM=xcb exec "$program" 2> "$work/stderr") &
ZIFREL_ATSPI_WORK=$work /usr/bin/python3 "$here/atspi_test.py"
status=$?
if grep -q "qt.accessibility" "$work/stderr"; then
    echo "atspi_test: accessibility warnings on standard error:" >&2
    grep -m 5 "qt.accessibility" "$work/stderr" >&2
    status=1
fi
exit $status
