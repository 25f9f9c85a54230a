#!/usr/bin/env bash
# End-to-end: the quick launcher of the real program under a virtual X server. The key comes from the
# settings file under XDG_CONFIG_HOME; it is pressed while the main window is hidden in a stand-in
# notification area, and the recording stand-in browser must receive the address of the item chosen.
# usage: quick_launcher_test.sh PROGRAM HOTKEY_COLLECTION X11_STAND_INS
set -euo pipefail
program=$1 collection=$2 stand_ins=$3

source "$(dirname "$0")/e2e_common.sh"

mkdir -p "$work/bin"
for name in xdg-open firefox; do recording_program "$work/bin/$name" "$name"; done
ln -s "$work/bin/firefox" "$work/bin/x-www-browser"

"$stand_ins" tray > "$work/stand-in.out" &
pids+=($!)
for _ in $(seq 100); do grep -q ready "$work/stand-in.out" 2>/dev/null && break; sleep 0.1; done
grep -q ready "$work/stand-in.out" || fail "the stand-in notification area did not start"

mkdir -p "$work/program/Info" "$work/config/wendelmoor"
printf '[QuickLauncher]\nKey=Ctrl+Shift+F9\n' > "$work/config/wendelmoor/wendelmoor.conf"
cp "$program" "$work/program/wendelmoor"
"$collection" make "$work/program/links.goto" \
    "Radio One|https://one.example|" "Zürich Wiki|https://wiki.example.ch|" "Radio Two|https://two.example|"
(cd "$work" && env -u DBUS_SESSION_BUS_ADDRESS PATH="$work/bin" XDG_CONFIG_HOME="$work/config" \
    "$work/program/wendelmoor" >"$work/log" 2>&1) &
pid=$!
pids+=($pid)
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Wendelmoor$' 2>/dev/null | while read -r id; do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: [0-9][0-9][0-9]' && echo "$id"; done | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window appeared"
xdotool windowfocus --sync "$window"
sleep 0.3

# Waits until the quick launcher box is shown (yes) or gone (no).
expect_box() {
    for _ in $(seq 100); do
        if xdotool search --onlyvisible --name '^Quick Launcher' >/dev/null 2>&1; then
            [ "$1" = yes ] && return 0
        else
            [ "$1" = no ] && return 0
        fi
        sleep 0.1
    done
    fail "the quick launcher box should be shown: $1"
}

# 1. With the window hidden, the key from the settings file opens the box; typing and Enter launch
#    the best match in a new browser window, and the box closes.
xdotool key Escape
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Wendelmoor$' | grep -qx "$window" || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Wendelmoor$' | grep -qx "$window" && fail "Esc did not hide the window"
xdotool key ctrl+shift+F9
expect_box yes
sleep 0.3
xdotool type --delay 50 zurich
sleep 0.3
xdotool key Return
expect_call firefox $'--new-window\nhttps://wiki.example.ch'
expect_box no
echo "ok the launcher key opens the box over the hidden window and Enter launches"

# 2. Down chooses the second match; Esc closes the box without launching.
xdotool key ctrl+shift+F9
expect_box yes
sleep 0.3
xdotool type --delay 50 radio
sleep 0.3
xdotool key Escape
expect_box no
xdotool key ctrl+shift+F9
expect_box yes
sleep 0.3
xdotool type --delay 50 radio
sleep 0.3
xdotool key Down Return
expect_call firefox $'--new-window\nhttps://wiki.example.ch\n--new-window\nhttps://two.example'
echo "ok Esc closes the box, Down chooses"

kill -TERM "$pid"
wait_exit "$pid"
echo "2 passed, 0 failed"
