#!/usr/bin/env bash
# End-to-end: items copied or cut in one running program are pasted into a second running program
# through the X clipboard, under a virtual X server, driven by xdotool. The copy's data is produced
# when the second program asks, so a title changed after the copy arrives changed; a cut item stays
# in the first program, which only copied it away.
# usage: clipboard_test.sh PROGRAM MAKE_COLLECTION DUMP_COLLECTION
set -euo pipefail
program=$1 make_collection=$2 dump_collection=$3

source "$(dirname "$0")/e2e_common.sh"

# Positions in a window at the top left corner of the screen: the rows of the outline, the title
# box, and the tool column's "Cut", "Copy" and "Paste" buttons.
row() { echo $((179 + 20 * $1)); }
title_box=(580 135)
cut_button=(198 329)
copy_button=(198 348)
paste_button=(198 291)

# Makes a program folder holding a collection of the given top-level items.
folder() {
    local dir=$work/$1
    shift
    mkdir -p "$dir/Info"
    cp "$program" "$dir/wendelmoor"
    "$make_collection" "$dir/links.goto" "$@"
}

# Starts the program of a folder; its process id goes into the variable named by $2.
start() {
    local dir=$work/$1
    "$dir/wendelmoor" >"$dir/log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name '^Wendelmoor$' >/dev/null ||
        fail "no window of $1 appeared"
    printf -v "$2" '%s' "$pid"
    sleep 0.5
}

window_of() { xdotool search --all --onlyvisible --pid "$1" --name '^Wendelmoor$' | head -n 1; }

# Clicks at a position in the window of a process, after raising it above the other one.
click_in() {
    local window
    window=$(window_of "$1")
    xdotool windowraise "$window" windowfocus --sync "$window"
    xdotool mousemove "$2" "$3" click 1
    sleep 0.3
}

# Closes the program of a process with Ctrl+Q (which saves) and waits for it to end.
quit() {
    local window
    window=$(window_of "$1")
    xdotool windowraise "$window" windowfocus --sync "$window" key --clearmodifiers ctrl+q
    wait_exit "$1"
}

expect_collection() {
    local found
    found=$("$dump_collection" "$work/$1/links.goto")
    [ "$found" = "$2" ] || fail "$1 holds $(printf '%q' "$found"), expected $(printf '%q' "$2")"
}

folder first Alpha Beta Gamma
folder second One Two

# 1. Copy "Beta" in the first program, then retitle it there; paste under "One" in the second.
start first first_pid
click_in "$first_pid" 400 "$(row 1)"
click_in "$first_pid" "${copy_button[@]}"
xdotool mousemove "${title_box[@]}" click --repeat 3 1
sleep 0.2
xdotool key ctrl+a type "Beta retitled"
sleep 0.2
click_in "$first_pid" 400 "$(row 2)"     # the focus moves on: the title reaches "Beta"

start second second_pid
click_in "$second_pid" 400 "$(row 0)"
click_in "$second_pid" "${paste_button[@]}"
quit "$second_pid"
expect_collection second $'One\n  Beta retitled\nTwo'
echo "ok a copy pasted into another running program, as it is when pasted"

# 2. Cut "Gamma" in the first program; pasting it in another program copies it, and it stays.
click_in "$first_pid" 400 "$(row 2)"
click_in "$first_pid" "${cut_button[@]}"
start second second_pid
click_in "$second_pid" 400 "$(row 0)"      # "One": the top row, however its branch is shown
click_in "$second_pid" "${paste_button[@]}"
quit "$second_pid"
expect_collection second $'One\n  Beta retitled\n  Gamma\nTwo'
quit "$first_pid"
expect_collection first $'Alpha\nBeta retitled\nGamma'
echo "ok a cut item pasted into another running program is copied and stays"
echo "2 passed, 0 failed"
