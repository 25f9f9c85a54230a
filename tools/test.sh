#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the fuzz harnesses for a bounded number of runs,
# then every unit, widget and end-to-end test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

# Fuzzing needs clang; it gets its own build tree.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWENDELMOOR_FUZZ=ON -DWENDELMOOR_GUI=OFF -DWENDELMOOR_TESTS=OFF -DWENDELMOOR_BENCH=OFF
cmake --build build-fuzz -j2
corpus=build-fuzz/corpus
rm -rf "$corpus"
mkdir -p "$corpus/file" "$corpus/clipboard"
build-fuzz/fuzz/fuzz_make_seeds "$corpus/file" "$corpus/clipboard"
cp -r fuzz/seeds/hotkey_text "$corpus/hotkey"
cp -r fuzz/seeds/handover_message "$corpus/handover"
cp -r fuzz/seeds/find_query "$corpus/find"
cp -r resources/skins "$corpus/skin"
mkdir -p "$corpus/firefox" "$corpus/chromium"
build-fuzz/fuzz/fuzz_make_session_seeds "$corpus/firefox" "$corpus/chromium"
mkdir -p "$corpus/html-bookmarks" "$corpus/chromium-bookmarks" "$corpus/firefox-places"
build-fuzz/fuzz/fuzz_make_bookmark_seeds "$corpus/html-bookmarks" "$corpus/chromium-bookmarks" "$corpus/firefox-places"
for harness in file:fuzz_collection_file clipboard:fuzz_clipboard_data hotkey:fuzz_hotkey_text skin:fuzz_skin_file \
    firefox:fuzz_firefox_session chromium:fuzz_chromium_session handover:fuzz_handover_message find:fuzz_find_query \
    html-bookmarks:fuzz_html_bookmarks chromium-bookmarks:fuzz_chromium_bookmarks firefox-places:fuzz_firefox_places; do
    build-fuzz/fuzz/"${harness#*:}" -runs=20000 -seed=1 -artifact_prefix=build-fuzz/ "$corpus/${harness%%:*}" 2>&1 | tail -n 1
done

# The installed tree's desktop files pass the desktop's own validators.
install_check=$(mktemp -d)
trap 'rm -rf "$install_check"' EXIT
cmake --install build --prefix "$install_check" >/dev/null
desktop-file-validate "$install_check"/share/applications/*.desktop
appstreamcli validate --no-net "$install_check"/share/metainfo/*.metainfo.xml
update-mime-database "$install_check/share/mime"

cd build
ctest --output-on-failure -j2
