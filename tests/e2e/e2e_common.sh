# Sourced by the end-to-end scripts: a scratch folder $work, removed at exit together with the
# processes listed in $pids; a failure that shows the program's log; waiting for the program's window
# and for its end; recording stand-ins for the programs it starts.

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; [ -f "$work/log" ] && cat "$work/log" >&2; exit 1; }

# Prints the first visible window named "Wendelmoor", waiting up to 20 s for one.
program_window() { timeout 20 xdotool search --sync --onlyvisible --name '^Wendelmoor$' | head -n 1; }

# Waits up to 10 s for a process to end by itself; otherwise kills it and fails.
wait_exit() { # PID [FAILURE]
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || { wait "$1" 2>/dev/null || true; return 0; }
        sleep 0.1
    done
    kill -9 "$1"
    fail "${2:-the program did not end}"
}

# Writes a stand-in program that appends its arguments, one a line, to $work/calls/NAME; with "pwd"
# it writes its working folder first.
recording_program() { # PATH NAME [pwd]
    mkdir -p "$work/calls"
    {
        echo '#!/bin/sh'
        [ "${3:-}" = pwd ] && echo "pwd -P >> '$work/calls/$2'"
        echo "for a in \"\$@\"; do printf '%s\n' \"\$a\" >> '$work/calls/$2'; done"
    } > "$1"
    chmod +x "$1"
}

# Waits up to 10 s until $work/calls/NAME holds the expected lines.
expect_call() { # NAME EXPECTED
    local file="$work/calls/$1"
    for _ in $(seq 100); do
        [ -f "$file" ] && [ "$(cat "$file")" = "$2" ] && return 0
        sleep 0.1
    done
    [ -f "$file" ] || fail "$1 was not started"
    fail "$1 was started with: $(cat "$file"), expected: $2"
}
