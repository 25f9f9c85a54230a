#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing), then configures and
# builds the project in build/. Run as root, or as a user who may use sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev
    libx11-dev libxcb1-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libsqlite3-dev liblz4-dev libxml2-dev
    clang libclang-rt-dev
    xvfb xauth xdotool fonts-dejavu-core
    desktop-file-utils appstream shared-mime-info dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWENDELMOOR_WERROR=ON
cmake --build build -j2
