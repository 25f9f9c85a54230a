#!/usr/bin/env bash
# The whole program's start to its visible main window under a virtual X server, with an empty
# collection and with large ones, five runs each, so that one can be read against the other:
#   bench/program_start.sh [BUILD] [ITEMS...]      (defaults: build-bench, 0 100000 300000)
# Each size runs from a scratch program folder holding a copy of the program and a links.goto.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
shift || true
sizes=("$@")
((${#sizes[@]})) || sizes=(0 100000 300000)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for items in "${sizes[@]}"; do
    folder="$scratch/$items"
    mkdir -p "$folder/Info"
    cp "$build/program/wendelmoor" "$folder/"
    cp "$build"/program/*.rbs "$folder/" 2>/dev/null || true
    "$build/bench/program_start" --sample "$items" "$folder/links.goto"
    times=()
    for _ in 1 2 3 4 5; do
        times+=("$(xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
            "$build/bench/program_start" "$folder/wendelmoor")")
    done
    echo "$items items: ${times[*]} s"
done
