#!/usr/bin/env bash
# Sets everything up and starts Wendelmoor from its program folder (build/program).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY or WAYLAND_DISPLAY): start Wendelmoor from a desktop session." >&2
    exit 1
fi
exec build/program/wendelmoor
