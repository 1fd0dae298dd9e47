#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The board opens with its frame centred on the screen, under a real window
# manager (openbox), one that frames it seconds late and without one, at two
# screen sizes; the close question, Help and About open centred over the
# board. Positions are read from the X server, not from the program.
#   placement_test.sh ZIFREL
set -euo pipefail
program=$(realpath "$1")

# Prints "x y width height" of window $1's frame: the window plus
# the frame the window manager put around it (none without one).
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

wait_for() {
    for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
    return 1
}

# Prints the id of the shown window named $1 (not $2) once it has the focus.
focused() {
    local id
    id=$(xdotool getwindowfocus) && [ "$id" != "${2:-}" ] \
        && xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$id" && echo "$id"
}

# Checks that window $2's frame and a rectangle $3 are centred within 4 px.
centred() {
    local what=$1 ax ay aw ah bx by bw bh
    read -r ax ay aw ah <<<"$(frame_of "$2")"
    read -r bx by bw bh <<<"$3"
    local dx=$(((2 * ax + aw) - (2 * bx + bw))) dy=$(((2 * ay + ah) - (2 * by + bh)))
    echo "$what: centre off by $((dx / 2)), $((dy / 2)) px ($ax $ay $aw $ah against $3)"
    [ "${dx#-}" -le 8 ] && [ "${dy#-}" -le 8 ]
}
placed() { wait_for centred "$@" >/dev/null || true; centred "$@"; }

run() {
    local size=$1 manager=$2 board frame question
    cd "$(mktemp -d)"
    if [ "$manager" != none ]; then
        # openbox runs its start-up command once it manages windows.
        openbox --sm-disable --startup "touch $PWD/managing" >/dev/null 2>&1 &
        wait_for test -e managing
    fi
    [ "$manager" = late ] && kill -STOP %1
    "$program" &
    if [ "$manager" = late ]; then
        # The board has asked to be mapped; the window manager answers later.
        wait_for xwininfo -name Zifrel >/dev/null 2>&1
        sleep 3
        kill -CONT %1
    fi
    board=$(wait_for focused Zifrel)
    placed "board on ${size}, ${manager}" "$board" "0 0 ${size/x/ }"
    frame=$(frame_of "$board")
    xdotool key 7 Escape
    question=$(wait_for focused Zifrel "$board")
    placed "the close question over the board" "$question" "$frame"
    xdotool key Escape
    wait_for eval "! xwininfo -id $question 2>/dev/null | grep -q IsViewable"
    # Without a window manager the focus goes back to no window.
    xdotool windowfocus --sync "$board" key alt+h
    placed "Help over the board" "$(wait_for focused Help)" "$frame"
    xdotool key Return
    placed "About over the board" "$(wait_for focused "About Zifrel")" "$frame"
    kill $(jobs -p)
}
# Each run has a display of its own: the script calls itself under on-own-x.
if [ "${2:-}" = --inside ]; then
    run "$3" "$4"
    exit
fi
for size in 1280x1024 800x600; do
    for manager in openbox late none; do
        "$(dirname "$0")/on-own-x" -s "-screen 0 ${size}x24" "$0" "$program" --inside "$size" "$manager"
    done
done
echo "every window opened centred"
