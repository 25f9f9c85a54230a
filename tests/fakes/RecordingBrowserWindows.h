// Open browser windows held in memory: answers with the tabs (and the error) and the profiles'
// bookmarks files a test gives it, and counts how often it was asked for tabs.
#pragma once

#include "platform/BrowserWindows.h"

class RecordingBrowserWindows : public BrowserWindows {
public:
    OpenBrowserTabs open;
    std::vector<BookmarkSourceFile> bookmarks;  // what bookmarkFiles() answers
    int asked = 0;

    OpenBrowserTabs openTabs() override {
        ++asked;
        return open;
    }
    std::vector<BookmarkSourceFile> bookmarkFiles() override { return bookmarks; }
};
