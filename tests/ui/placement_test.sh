#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The board opens with its frame centred on the screen, and the close
# question, Help and About centred over the board: under a real window manager
# (openbox), under one that frames the board only seconds after it is shown
# (openbox held stopped meanwhile), and without one, at two screen sizes.
# Positions are read from the X server, not from the program. Every wait is
# for a condition, for at most a minute.
#   placement_test.sh ZIFREL
set -Eeuo pipefail
trap 'echo "placement_test.sh: line $LINENO failed" >&2' ERR
program=$(realpath "$1")

# Runs a command until it succeeds, for at most a minute.
until_true() {
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    return 1
}

# Prints "x y width height" of a window's frame: the window plus the frame
# the window manager put around it (none without one).
frame_of() {
    local info extents left=0 right=0 top=0 bottom=0
    info=$(xwininfo -id "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r left right top bottom <<<"$extents"
    local x y w h
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

# The id of the shown window named $1, other than window $2. (A search
# fails when a window goes while it looks, and is then made again.)
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vx "${2:-0}" | head -1 | grep .; }
focused() { [ "$(xdotool getwindowfocus)" = "$1" ]; }
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# Prints the id of that window once it is shown and has the keyboard focus.
shown() {
    local id
    until_true visible "$@" >/dev/null && id=$(visible "$@") && until_true focused "$id" \
        || { echo "no window named $1 took the focus" >&2; return 1; }
    echo "$id"
}

# Whether the centres of two rectangles ("x y w h") are within 4 px.
near() {
    local ax ay aw ah bx by bw bh
    read -r ax ay aw ah <<<"$1"
    read -r bx by bw bh <<<"$2"
    dx=$(((2 * ax + aw) - (2 * bx + bw))) dy=$(((2 * ay + ah) - (2 * by + bh)))
    [ "${dx#-}" -le 8 ] && [ "${dy#-}" -le 8 ]
}

# Waits for window $2's frame to stand centred on the rectangle $3.
centred() {
    local status=0
    until_true near "$(frame_of "$2")" "$3" || status=1
    echo "$1: centre off by $((dx / 2)), $((dy / 2)) px ($(frame_of "$2") against $3)"
    return $status
}

run() {
    local size=$1 manager=$2 board frame question
    cd "$(mktemp -d)"
    if [ "$manager" != none ]; then
        # openbox runs its start-up command once it manages windows.
        openbox --sm-disable --startup "touch $PWD/managing" >/dev/null 2>&1 &
        until_true test -e managing
    fi
    [ "$manager" = late ] && kill -STOP %1
    "$program" &
    if [ "$manager" = late ]; then
        # The board has asked to be mapped; the window manager answers
        # seconds later.
        until_true xwininfo -name Zifrel >/dev/null 2>&1
        sleep 3
        kill -CONT %1
    fi
    board=$(shown Zifrel)
    centred "board on $size, $manager" "$board" "0 0 ${size/x/ }"
    frame=$(frame_of "$board")
    xdotool key 7 Escape
    question=$(shown Zifrel "$board")
    centred "the close question over the board" "$question" "$frame"
    xdotool key Escape
    until_true gone "$question"
    # Without a window manager the focus goes back to no window.
    xdotool windowfocus --sync "$board" key alt+h
    centred "Help over the board" "$(shown Help)" "$frame"
    xdotool key Return
    centred "About over the board" "$(shown "About Zifrel")" "$frame"
    kill $(jobs -p)
}
# Each run has a display of its own: the script calls itself under xvfb-run.
if [ "${2:-}" = --inside ]; then
    run "$3" "$4"
    exit
fi
for size in 1280x1024 800x600; do
    for manager in openbox late none; do
        xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$program" --inside "$size" "$manager"
    done
done
echo "every window opened centred"
