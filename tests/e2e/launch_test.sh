#!/usr/bin/env bash
# End-to-end: launching from the real program under a virtual X server. Recording stand-ins for
# xdg-open, xdg-email, lp and the web browser (firefox, with x-www-browser linked to it) are the only
# programs on the program's PATH; each writes its arguments, one a line, to calls/<name>.
# usage: launch_test.sh PROGRAM MAKE_LAUNCH_COLLECTION
set -euo pipefail
program=$1 make_collection=$2

source "$(dirname "$0")/e2e_common.sh"

mkdir -p "$work/bin" "$work/calls" "$work/docs" "$work/tools"
# The stand-ins record their arguments; the tool records its working folder first.
stand_in_programs() {
    for name in xdg-open xdg-email lp firefox; do recording_program "$work/bin/$name" "$name"; done
    ln -sf "$work/bin/firefox" "$work/bin/x-www-browser"
}
stand_in_programs
recording_program "$work/tools/tool" tool pwd

# Starts the program from a fresh program folder with the given items; sets $pid and $window.
start() {
    rm -rf "$work/program" "$work/calls"/*
    mkdir -p "$work/program/Info"
    cp "$program" "$work/program/wendelmoor"
    "$make_collection" "$work/program/links.goto" "$@"
    (cd "$work" && env -u BROWSER PATH="$work/bin" "$work/program/wendelmoor" >"$work/log" 2>&1) &
    pid=$!
    window=$(program_window) || fail "no window appeared"
    xdotool windowfocus --sync "$window"
    sleep 0.3
}
press() { xdotool windowfocus --sync "$window" key --clearmodifiers "$@"; }
quit() {
    press ctrl+q
    wait_exit "$pid"
}

URL=1 FOLDER=2 APPLICATION=4
page="$URL|Example|https://example.org/page||||1"
docs="$FOLDER|Docs|$work/docs||||0"
tool="$APPLICATION|Tool|$work/tools/tool|one 'two words'|$work/docs|1|0"
member="$URL|Member|https://example.org/member|||1|0"

# 1. F9 on a selected URL item: the desktop's handler opens the address as it is.
start "$page" "$docs" "$tool" "$member"
press F9
expect_call xdg-open "https://example.org/page"
echo "ok F9 on a URL item"

# 2. "Set #1": its members in order, each in a new browser window or as a program in its folder.
press ctrl+shift+1
expect_call tool "$work/docs"$'\n'"one"$'\n'"two words"
expect_call firefox "--new-window"$'\n'"https://example.org/member"
quit
echo "ok Set #1"

# 3. A folder item launched in mode 0 (Shift+F9, the command Enter in the outline runs as well):
#    the file manager on the folder.
start "$URL|Example|https://example.org/page||||0" "$FOLDER|Docs|$work/docs||||1"
press shift+F9
expect_call xdg-open "$work/docs"
quit
echo "ok folder item"

# 4. No browser at all: the launch shows an error instead of doing nothing.
rm "$work/bin/firefox" "$work/bin/x-www-browser" "$work/bin/xdg-open"
start "$member"
press ctrl+shift+1
for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name '^Wendelmoor$' | wc -l)" -ge 2 ] && break
    sleep 0.1
done
[ "$(xdotool search --onlyvisible --name '^Wendelmoor$' | wc -l)" -ge 2 ] || fail "no error was shown for the missing browser"
xdotool key --clearmodifiers Return
sleep 0.3
[ -z "$(ls "$work/calls")" ] || fail "something was started: $(ls "$work/calls")"
quit
echo "ok missing browser shows an error"
echo "4 passed, 0 failed"
