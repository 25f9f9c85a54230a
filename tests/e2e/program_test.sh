#!/usr/bin/env bash
# End-to-end: the real program in a fresh program folder under a virtual X server, driven by xdotool.
# usage: program_test.sh PROGRAM MAKE_COLLECTION DUMP_COLLECTION
set -euo pipefail
program=$1 make_collection=$2 dump_collection=$3

source "$(dirname "$0")/e2e_common.sh"

# Starts the program from a fresh copy of the program folder; sets $pid and $window.
start() {
    "$work/program/wendelmoor" >"$work/log" 2>&1 &
    pid=$!
    window=$(program_window) || fail "no window appeared"
}

# A click focuses the first row, a new title typed into the title box reaches that item when a click
# focuses the second row. (Positions are those of the window at the top left corner of the screen.)
rename_first_row() { # TITLE
    xdotool windowfocus --sync "$window"
    xdotool mousemove 400 179 click 1
    sleep 0.3
    xdotool mousemove 580 135 click --repeat 3 1
    sleep 0.2
    xdotool key ctrl+a type "$1"
    sleep 0.2
    xdotool mousemove 400 199 click 1
}

fresh_folder() {
    rm -rf "$work/program"
    mkdir -p "$work/program/Info"
    cp "$program" "$work/program/wendelmoor"
}

# 1. First start without a collection: closing writes one empty item.
fresh_folder
start
xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
wait_exit "$pid"
[ -f "$work/program/links.goto" ] || fail "links.goto was not written on closing"
[ "$(stat -c %s "$work/program/links.goto")" -eq 177 ] || fail "links.goto does not hold one empty item"
echo "ok first start"

# 2. An existing collection is shown and renamed through the title box.
fresh_folder
"$make_collection" "$work/program/links.goto" Alpha Beta Gamma
start
rename_first_row Renamed
sleep 0.3
xdotool key ctrl+q
wait_exit "$pid"
names=$("$dump_collection" "$work/program/links.goto")
[ "$names" = $'Renamed\nBeta\nGamma' ] || fail "expected the first item renamed, found: $names"
echo "ok existing collection shown and renamed"

# 3. A request to stop from outside saves the collection.
fresh_folder
start
kill -TERM "$pid"
wait_exit "$pid"
[ -f "$work/program/links.goto" ] || fail "links.goto was not written on SIGTERM"
echo "ok SIGTERM saves"
# 4. Saving as the user works: a rename is on disk within 3 s, so a killed program keeps it.
fresh_folder
"$make_collection" "$work/program/links.goto" Alpha Beta Gamma
start
rename_first_row Kept
sleep 3
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
names=$("$dump_collection" "$work/program/links.goto")
[ "$names" = $'Kept\nBeta\nGamma' ] || fail "expected the rename saved before the kill, found: $names"
[ "$(ls "$work/program/Backups" | wc -l)" -eq 1 ] || fail "expected one backup of the collection as it was"
echo "ok a killed program keeps what was done 3 s before"
echo "4 passed, 0 failed"
