// Writes small seed corpora of browser session files with the tests' writers:
//   make_session_seeds <firefox-corpus-dir> <chromium-corpus-dir>
#include "support/SessionFiles.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_session_seeds <firefox-corpus-dir> <chromium-corpus-dir>\n";
        return 2;
    }
    const std::string firefox = argv[1], chromium = argv[2];
    saveSessionFile(firefox + "/two-windows.jsonlz4",
         mozLz4(R"({"windows":[{"tabs":[{"entries":[{"url":"https://a.example/","title":"A"},)"
                R"({"url":"https://a.example/2","title":"A2"}],"index":2},{"entries":[{"url":"about:blank"}]}]},)"
                R"({"tabs":[{"entries":[{"url":"https://b.example/","title":"B"}],"index":1}],"selected":1}],)"
                R"("_closedWindows":[]})"));
    saveSessionFile(firefox + "/empty.jsonlz4", mozLz4(R"({"windows":[]})"));

    SnssWriter twoWindows;
    twoWindows.setTabWindow(1, 11)
        .setTabIndexInWindow(11, 1)
        .setTabWindow(1, 12)
        .setTabIndexInWindow(12, 0)
        .setTabWindow(2, 21)
        .setSelectedTabInIndex(1, 0)
        .updateTabNavigation(11, 0, "https://a.example/", u"A")
        .updateTabNavigation(11, 1, "https://a.example/2", u"A2")
        .setSelectedNavigationIndex(11, 1)
        .updateTabNavigation(12, 0, "https://b.example/", u"B \u00E9")
        .updateTabNavigation(21, 0, "https://c.example/", u"C")
        .setSelectedNavigationIndex(21, 0);
    saveSessionFile(chromium + "/two-windows.snss", twoWindows.bytes());
    SnssWriter pruned(1);
    pruned.setTabWindow(3, 31)
        .updateTabNavigation(31, 0, "https://p.example/0", u"0")
        .updateTabNavigation(31, 1, "https://p.example/1", u"1")
        .prunedFromFront(31, 1)
        .prunedFromBack(31, 2)
        .pruned(31, 0, 1)
        .setTabWindow(4, 41)
        .tabClosed(31)
        .windowClosed(4);
    saveSessionFile(chromium + "/pruned-v1.snss", pruned.bytes());
    return 0;
}
