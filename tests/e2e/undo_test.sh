#!/usr/bin/env bash
# End-to-end: items deleted with Ctrl+D come back with Ctrl+Z, and the collection written on closing
# holds them again; without Ctrl+Z it does not. The real program under a virtual X server, driven by
# xdotool.
# usage: undo_test.sh PROGRAM MAKE_COLLECTION DUMP_COLLECTION
set -euo pipefail
program=$1 make_collection=$2 dump_collection=$3

source "$(dirname "$0")/e2e_common.sh"

# The rows of the outline in a window at the top left corner of the screen.
row() { echo $((179 + 20 * $1)); }

# Starts the program on Alpha, Beta, Gamma, Delta, selects Beta and Gamma with the mouse, deletes
# them with Ctrl+D, presses the given keys, closes with Ctrl+Q and prints the collection written.
delete_then() { # KEYS...
    rm -rf "$work/program"
    mkdir -p "$work/program/Info"
    cp "$program" "$work/program/wendelmoor"
    "$make_collection" "$work/program/links.goto" Alpha Beta Gamma Delta
    "$work/program/wendelmoor" >"$work/log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    local window
    window=$(program_window) || fail "no window appeared"
    xdotool windowfocus --sync "$window"
    xdotool mousemove 400 "$(row 1)" click 1
    sleep 0.3
    xdotool keydown ctrl mousemove 400 "$(row 2)" click 1 keyup ctrl
    sleep 0.3
    xdotool key --clearmodifiers ctrl+d
    sleep 0.3
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.3
    done
    xdotool key --clearmodifiers ctrl+q
    wait_exit "$pid"
    "$dump_collection" "$work/program/links.goto"
}

names=$(delete_then)
[ "$names" = $'Alpha\nDelta' ] || fail "Ctrl+D should have deleted Beta and Gamma, found: $names"
echo "ok Ctrl+D deletes the selected items"

names=$(delete_then ctrl+z)
[ "$names" = $'Alpha\nBeta\nGamma\nDelta' ] || fail "Ctrl+Z should have brought Beta and Gamma back, found: $names"
echo "ok Ctrl+Z brings them back and closing writes them"

names=$(delete_then ctrl+z ctrl+y)
[ "$names" = $'Alpha\nDelta' ] || fail "Ctrl+Y should have deleted them again, found: $names"
echo "ok Ctrl+Y deletes them again"
echo "3 passed, 0 failed"
