#!/usr/bin/env bash
# End-to-end: the command line's bookmark options on the real program in a fresh program folder.
# "--export" runs without a display; "--import" starts the window (under the virtual X server) and
# imports the file as a new top-level group.
# usage: bookmarks_test.sh PROGRAM MAKE_COLLECTION DUMP_COLLECTION
set -euo pipefail
program=$1 make_collection=$2 dump_collection=$3

source "$(dirname "$0")/e2e_common.sh"

mkdir -p "$work/program/Info"
cp "$program" "$work/program/wendelmoor"
"$make_collection" "$work/program/links.goto" "Work" "Home"

# 1. --export without a display writes the saved collection as a bookmark file.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$work/program/wendelmoor" --export "$work/out.html" \
    >"$work/log" 2>&1 || fail "--export failed"
grep -q '<!DOCTYPE NETSCAPE-Bookmark-file-1>' "$work/out.html" || fail "--export wrote no bookmark file"
grep -q '<DT><H3>Home</H3>' "$work/out.html" || fail "--export left out a group"
echo "ok --export"

# 2. Errors go to standard error with a non-zero exit status, and nothing is started.
if env -u DISPLAY "$work/program/wendelmoor" --import "$work/missing.html" 2>"$work/errors"; then
    fail "--import of a missing file succeeded"
fi
grep -q "missing.html" "$work/errors" || fail "the --import error does not name the file: $(cat "$work/errors")"
if "$work/program/wendelmoor" --export "$work/no/such/folder/out.html" 2>"$work/errors"; then
    fail "--export into a missing folder succeeded"
fi
grep -q "out.html" "$work/errors" || fail "the --export error does not name the file: $(cat "$work/errors")"
echo "ok errors"

# 3. --import starts the program and imports; the summary is shown, closing saves the new group.
cat >"$work/bookmarks.html" <<'HTML'
<!DOCTYPE NETSCAPE-Bookmark-file-1>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<DL><p>
    <DT><H3>Reading</H3>
    <DL><p>
        <DT><A HREF="https://news.example/">News</A>
    </DL><p>
</DL><p>
HTML
"$work/program/wendelmoor" --import "$work/bookmarks.html" >"$work/log" 2>&1 &
pid=$!
pids+=("$pid")
program_window >/dev/null || fail "no window appeared"
# The summary box is the newest window named so; Return closes it, then Ctrl+Q the program.
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --name '^Wendelmoor$' | wc -l)" -ge 2 ] && break
    sleep 0.2
done
summary=$(xdotool search --onlyvisible --name '^Wendelmoor$' | tail -n 1)
xdotool windowfocus --sync "$summary" key --clearmodifiers Return
sleep 0.5
window=$(program_window) || fail "the window went away"
xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
wait_exit "$pid"
expected="Work
Home
Bookmarks file bookmarks.html $(date +%Y-%m-%d)
  Reading
    News"
[ "$("$dump_collection" "$work/program/links.goto")" = "$expected" ] ||
    fail "the collection holds: $("$dump_collection" "$work/program/links.goto")"
echo "ok --import"
