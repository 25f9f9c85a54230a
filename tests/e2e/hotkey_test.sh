#!/usr/bin/env bash
# End-to-end: global hot keys and the notification area of the real program under a virtual X server.
# A stand-in notification area and a stand-in program holding Ctrl+Shift+F6 run beside it as other X
# clients; a recording stand-in browser is the only program on the program's PATH.
# usage: hotkey_test.sh PROGRAM HOTKEY_COLLECTION X11_STAND_INS
set -euo pipefail
program=$1 collection=$2 stand_ins=$3

source "$(dirname "$0")/e2e_common.sh"

mkdir -p "$work/bin"
for name in xdg-open firefox; do recording_program "$work/bin/$name" "$name"; done
ln -s "$work/bin/firefox" "$work/bin/x-www-browser"

# Positions on the 1280 x 800 screen: the first outline row of the window at the top left corner,
# the icon in the stand-in notification area, and the controls of the centred properties dialog.
first_row=(400 179)
tray_icon=(1269 789)
keywords_tab=(509 190)
shift_box=(711 353)
key_list=(721 377)
assign_button=(804 377)
ok_button=(833 612)

# Starts a stand-in and waits until it is in place.
stand_in() {
    "$stand_ins" "$@" > "$work/stand-in.out" &
    pids+=($!)
    for _ in $(seq 100); do grep -q ready "$work/stand-in.out" 2>/dev/null && return 0; sleep 0.1; done
    fail "the stand-in $1 did not start"
}
# Waits until the main window is shown (yes) or hidden (no).
expect_shown() {
    for _ in $(seq 100); do
        if xdotool search --onlyvisible --name '^Wendelmoor$' | grep -qx "$window"; then
            [ "$1" = yes ] && return 0
        else
            [ "$1" = no ] && return 0
        fi
        sleep 0.1
    done
    fail "the window should be shown: $1"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

stand_in tray
stand_in hold 0xffc3 5 # Ctrl+Shift+F6

mkdir -p "$work/program/Info"
cp "$program" "$work/program/wendelmoor"
"$collection" make "$work/program/links.goto" \
    "Hot|https://example.org/hot|Ctrl+Alt+Home" "Twin|https://example.org/twin|Ctrl+Alt+Home"
(cd "$work" && env -u DBUS_SESSION_BUS_ADDRESS PATH="$work/bin" "$work/program/wendelmoor" >"$work/log" 2>&1) &
pid=$!
pids+=($pid)
# The main window, not the notification-area icon, which carries the program's name as well.
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Wendelmoor$' 2>/dev/null | while read -r id; do
        xdotool getwindowgeometry "$id" | grep -q 'Geometry: [0-9][0-9][0-9]' && echo "$id"; done | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window appeared"
xdotool windowfocus --sync "$window"
sleep 0.3

# 1. Esc hides the window into the notification area; the items' hot key still launches both items
#    that carry it, in order, each in a new browser window.
xdotool key Escape
expect_shown no
xdotool key ctrl+alt+Home
expect_call firefox $'--new-window\nhttps://example.org/hot\n--new-window\nhttps://example.org/twin'
echo "ok a hot key launches its items while the window is hidden"

# 2. One click on the icon brings the window back, the next hides it, the next brings it back.
click "${tray_icon[@]}"
expect_shown yes
click "${tray_icon[@]}"
expect_shown no
click "${tray_icon[@]}"
expect_shown yes
echo "ok Esc, click, click, click"

# 3. "Assign" in the properties dialog: Ctrl+Shift+F6, held by the other program, is refused with a
#    warning; Ctrl+Shift+F7 is registered, and once stored by "Ok" its press launches the item.
xdotool windowfocus --sync "$window"
click "${first_row[@]}"
xdotool key ctrl+Return
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^LinkPropForm$' | head -n 1) || fail "no properties dialog"
sleep 0.3
click "${keywords_tab[@]}"
click "${shift_box[@]}"
choose_key() { click "${key_list[@]}"; xdotool type "$1"; xdotool key Return; sleep 0.3; }
choose_key F6
before=$(xdotool search --onlyvisible --name '^Wendelmoor$' | sort)
click "${assign_button[@]}"
for _ in $(seq 100); do
    warning=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '^Wendelmoor$' | sort) | head -n 1)
    [ -n "$warning" ] && break
    sleep 0.1
done
[ -n "$warning" ] || fail "assigning a key another program holds showed no warning"
xdotool key Return
sleep 0.3
choose_key F7
click "${assign_button[@]}"
click "${ok_button[@]}"
xdotool search --onlyvisible --name '^LinkPropForm$' | grep -qx "$dialog" && fail "the dialog stayed open"
rm -f "$work/calls/firefox"
xdotool key ctrl+shift+F7
expect_call firefox $'--new-window\nhttps://example.org/hot'
echo "ok a key held elsewhere is refused with a warning, a free one is assigned and launches"

xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
[ "$("$collection" dump "$work/program/links.goto")" = $'Hot|Ctrl+Shift+F7\nTwin|Ctrl+Alt+Home' ] ||
    fail "the collection holds: $("$collection" dump "$work/program/links.goto")"
echo "ok the assigned key is saved"
echo "4 passed, 0 failed"
