// Writes the session files of a running Firefox and a running Chromium into a home folder, as the
// browsers keep them: make_browser_sessions HOME
// Firefox: one window with the tabs "Mail" and "News"; Chromium: two windows, "W1" and "W2".
#include "support/SessionFiles.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_browser_sessions HOME\n";
        return 2;
    }
    const fs::path home = argv[1];
    fs::create_directories(home / ".mozilla/firefox");
    std::ofstream(home / ".mozilla/firefox/profiles.ini")
        << "[Profile0]\nName=default\nIsRelative=1\nPath=e2e.default\n";
    saveSessionFile(home / ".mozilla/firefox/e2e.default/sessionstore-backups/recovery.jsonlz4",
         mozLz4(R"({"windows":[{"tabs":[{"entries":[{"url":"https://mail.example/","title":"Mail"}],"index":1},)"
                R"({"entries":[{"url":"https://news.example/","title":"News"}],"index":1}]}]})"));
    // Firefox runs: its lock names a live process, the test script that outlives the program under test.
    fs::create_symlink("127.0.1.1:+" + std::to_string(::getppid()), home / ".mozilla/firefox/e2e.default/lock");

    SnssWriter chromium;
    chromium.setTabWindow(1, 10)
        .setTabWindow(2, 20)
        .updateTabNavigation(10, 0, "https://w1.example/", u"W1")
        .updateTabNavigation(20, 0, "https://w2.example/", u"W2");
    saveSessionFile(home / ".config/chromium/Default/Sessions/Session_13360000000000000", chromium.bytes());
    fs::create_symlink("e2e-host-1", home / ".config/chromium/SingletonLock");
    return 0;
}
