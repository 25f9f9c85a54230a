#!/usr/bin/env bash
# End-to-end: the program as a desktop program under a virtual X server: its command line, an
# installed tree started with a scratch home folder, and one program at a time per data folder.
# usage: desktop_test.sh PROGRAM MAKE_COLLECTION DUMP_COLLECTION CMAKE BUILD_DIR X11_STAND_INS
set -euo pipefail
program=$1 make_collection=$2 dump_collection=$3 cmake=$4 build=$5 stand_ins=$6

source "$(dirname "$0")/e2e_common.sh"
export HOME="$work/home"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"

# 1. The command line: status, and what goes to standard output and standard error.
mkdir -p "$work/a-folder.goto"
check_run() { # STATUS STREAM PATTERN ARGUMENTS...
    local status=$1 stream=$2 pattern=$3
    shift 3
    set +e
    "$program" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    set -e
    [ "$got" -eq "$status" ] || fail "wendelmoor $* ended with $got, expected $status"
    grep -q -- "$pattern" "$work/$stream" || fail "wendelmoor $* did not write '$pattern' to $stream: $(cat "$work/$stream")"
}
check_run 0 out "--hidden" --help
check_run 0 out "^Wendelmoor [0-9]" --version
check_run 2 err "Unknown option 'no-such-option'" --no-such-option
check_run 2 err "does not exist" "$work/missing.goto"
check_run 2 err "is a folder" "$work/a-folder.goto"
check_run 2 err "Only one collection" "$work/x.goto" "$work/y.goto"
echo "ok command line"

# Waits for the window of the program started last ($pid); sets $window.
start() { # ARGUMENTS...
    "$@" >>"$work/log" 2>&1 &
    pid=$!
    pids+=($pid)
    window=$(program_window) || fail "no window appeared"
}
quit() { xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q; wait_exit "$pid"; }

# 2. The installed tree: its desktop files pass the validators; the collection goes to
#    ~/.local/share/wendelmoor, nothing beside the program.
"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
desktop-file-validate "$work/prefix/share/applications/org.wendelmoor.Wendelmoor.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/prefix/share/metainfo/org.wendelmoor.Wendelmoor.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
start "$work/prefix/bin/wendelmoor"
quit
[ -f "$HOME/.local/share/wendelmoor/links.goto" ] || fail "the installed program did not write ~/.local/share/wendelmoor/links.goto"
[ -d "$HOME/.local/share/wendelmoor/Info" ] || fail "the installed program did not make ~/.local/share/wendelmoor/Info"
[ ! -e "$work/prefix/bin/links.goto" ] || fail "the installed program wrote links.goto beside itself"
echo "ok installed tree"

# 3. A second start for the same data folder hands over and ends; the first one's work is kept.
mkdir -p "$work/program/Info"
cp "$program" "$work/program/wendelmoor"
"$make_collection" "$work/program/links.goto" Alpha Beta Gamma
start "$work/program/wendelmoor"
first=$pid first_window=$window
xdotool windowfocus --sync "$window"
xdotool mousemove 400 179 click 1
sleep 0.3
xdotool mousemove 580 135 click --repeat 3 1
sleep 0.2
xdotool key ctrl+a type "Renamed"
sleep 0.2
xdotool mousemove 400 199 click 1
sleep 0.3
started=$(date +%s%N)
"$work/program/wendelmoor" >>"$work/log" 2>&1 || fail "the second start ended with status $?"
elapsed=$((($(date +%s%N) - started) / 1000000))
[ "$elapsed" -lt 2000 ] || fail "the second start took ${elapsed} ms"
xdotool search --onlyvisible --name '^Wendelmoor$' | grep -qx "$first_window" || fail "the first window is not shown"
[ "$(xdotool search --onlyvisible --name '^Wendelmoor$' | wc -l)" -eq 1 ] || fail "a second window appeared"
echo "ok second start hands over (in ${elapsed} ms)"

# 4. A second start with FILE: the first program opens FILE (its lock moves there) and saves the
#    collection it leaves.
"$make_collection" "$work/other.goto" Other
"$work/program/wendelmoor" "$work/other.goto" >>"$work/log" 2>&1 || fail "the second start with FILE failed"
for _ in $(seq 50); do [ -f "$work/other.goto.lock" ] && break; sleep 0.1; done
[ -f "$work/other.goto.lock" ] || fail "the running program did not open the handed-over collection"
[ ! -f "$work/program/links.goto.lock" ] || fail "the running program still holds links.goto"
names=$("$dump_collection" "$work/program/links.goto")
[ "$names" = $'Renamed\nBeta\nGamma' ] || fail "the collection left was not saved with the first one's work: $names"
pid=$first window=$first_window
quit
[ "$("$dump_collection" "$work/other.goto")" = "Other" ] || fail "other.goto changed"
echo "ok second start with FILE"

# 5. A hidden start stays in the notification area (a stand-in one) until a second start asks for
#    the window. The main window is told from the icon, which carries the program's name too, by
#    its width.
main_windows() {
    xdotool search --onlyvisible --name '^Wendelmoor$' 2>/dev/null | while read -r id; do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: [0-9][0-9][0-9]' && echo "$id"; done || true
}
"$stand_ins" tray > "$work/tray.out" &
pids+=($!)
for _ in $(seq 100); do grep -q ready "$work/tray.out" 2>/dev/null && break; sleep 0.1; done
mkdir -p "$work/hidden/Info"
cp "$program" "$work/hidden/wendelmoor"
"$work/hidden/wendelmoor" --hidden >>"$work/log" 2>&1 &
pid=$!
pids+=($pid)
for _ in $(seq 100); do [ -f "$work/hidden/links.goto.lock" ] && break; sleep 0.1; done
[ -f "$work/hidden/links.goto.lock" ] || fail "the hidden program did not start"
sleep 1
[ -z "$(main_windows)" ] || fail "a hidden start showed its window"
"$work/hidden/wendelmoor" >>"$work/log" 2>&1 || fail "the second start for the hidden program failed"
for _ in $(seq 100); do window=$(main_windows | head -n 1); [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || fail "the hidden program's window did not come out of the notification area"
quit
echo "ok hidden start comes out for a second start"
echo "5 passed, 0 failed"
