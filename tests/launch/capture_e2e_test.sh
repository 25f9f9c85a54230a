#!/usr/bin/env bash
# End-to-end: "Add Active Links" (F2) in the real program under a virtual X server reads the session
# files of the browsers in the user's home folder (a temporary one here) into the collection.
# usage: capture_e2e_test.sh PROGRAM MAKE_BROWSER_SESSIONS MAKE_COLLECTION DUMP_COLLECTION
set -euo pipefail
program=$1 make_sessions=$2 make_collection=$3 dump_collection=$4

source "$(dirname "$0")/../e2e/e2e_common.sh"

mkdir -p "$work/program/Info" "$work/home"
cp "$program" "$work/program/wendelmoor"
"$make_sessions" "$work/home"
"$make_collection" "$work/program/links.goto" Captured

HOME="$work/home" XDG_CONFIG_HOME= XDG_CACHE_HOME= "$work/program/wendelmoor" >"$work/log" 2>&1 &
pid=$!
window=$(program_window) || fail "no window appeared"
xdotool windowfocus --sync "$window" key --clearmodifiers F2
sleep 0.5
xdotool key --clearmodifiers ctrl+q
wait_exit "$pid" "the program did not end (a message box open?)"

# The tabs follow the start item, wherever the focus put them.
names=$("$dump_collection" "$work/program/links.goto" | sed 's/^ *//')
[ "$names" = $'Captured\nMail\nNews\nW1\nW2' ] || fail "expected the open tabs after the start item, found: $names"
echo "ok open browser tabs captured"
