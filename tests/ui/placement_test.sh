#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The board opens with its frame centred on the screen, under a real window
# manager (openbox) and without one, at two screen sizes; Help opens centred
# over the board. Positions are read from the X server, not from the
# program.
#   placement_test.sh ZIFREL
set -euo pipefail
program=$(realpath "$1")

# Prints "x y width height" of the named window's frame: the window plus
# the frame the window manager put around it (none without one).
frame_of() {
    local info extents left=0 right=0 top=0 bottom=0
    info=$(xwininfo -name "$1")
    extents=$(xprop -name "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r left right top bottom <<<"$extents"
    local x y w h
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

wait_for() {
    for _ in $(seq 100); do
        xwininfo -name "$1" >/dev/null 2>&1 && { sleep 1; return 0; }
        sleep 0.05
    done
    echo "no window named $1" >&2
    return 1
}

# Checks that the centres of two rectangles ("x y w h") are within 4 px.
centred() {
    local what=$1 ax ay aw ah bx by bw bh
    read -r ax ay aw ah <<<"$2"
    read -r bx by bw bh <<<"$3"
    local dx=$(((2 * ax + aw) - (2 * bx + bw))) dy=$(((2 * ay + ah) - (2 * by + bh)))
    echo "$what: centre off by $((dx / 2)), $((dy / 2)) px ($2 against $3)"
    [ "${dx#-}" -le 8 ] && [ "${dy#-}" -le 8 ]
}

run() {
    local size=$1 manager=$2 width height
    width=${size%x*}
    height=${size#*x}
    cd "$(mktemp -d)"
    if [ "$manager" = openbox ]; then
        # openbox runs its start-up command once it manages windows.
        openbox --sm-disable --startup "touch $PWD/managing" >/dev/null 2>&1 &
        for _ in $(seq 200); do [ -e managing ] && break; sleep 0.05; done
    fi
    "$program" & local board=$!
    wait_for Zifrel
    local frame
    frame=$(frame_of Zifrel)
    centred "board on ${size}, ${manager}" "$frame" "0 0 $width $height"
    if [ "$manager" = openbox ]; then
        xdotool search --onlyvisible --name '^Zifrel$' windowactivate --sync key alt+h
        wait_for Help
        centred "Help over the board, ${size}" "$(frame_of Help)" "$frame"
    fi
    kill "$board"
    [ "$manager" = openbox ] && kill %1
    return 0
}
# Each run has a display of its own: the script calls itself under xvfb-run.
if [ "${2:-}" = --inside ]; then
    run "$3" "$4"
    exit
fi
for size in 1280x1024 800x600; do
    for manager in openbox none; do
        xvfb-run -a -s "-screen 0 ${size}x24" "$0" "$program" --inside "$size" "$manager"
    done
done
echo "every window opened centred"
