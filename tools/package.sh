#!/usr/bin/env bash
# Builds the Debian package of the program: a release build installed under /usr in its own build
# tree (build-package/), packed by CPack. Prints the package's path; install it with
#   sudo apt-get install ./build-package/wendelmoor_VERSION_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# The build's Debian packages come from tools/setup.sh; dpkg-shlibdeps (dpkg-dev) reads the Depends.
command -v dpkg-shlibdeps >/dev/null || { echo "package.sh: dpkg-shlibdeps is missing; run tools/setup.sh first" >&2; exit 1; }

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DWENDELMOOR_TESTS=OFF -DWENDELMOOR_BENCH=OFF -DWENDELMOOR_WERROR=ON >/dev/null
cmake --build build-package -j2 --target wendelmoor
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls build-package/wendelmoor_*.deb)
dpkg-deb --field "$package" Package Version Depends Recommends
echo "$package"
