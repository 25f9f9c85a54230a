// The open windows of the user's browsers, read from the session files the browsers keep while they
// run: Firefox first (every profile its profiles.ini lists whose "lock" link names a live process;
// the current session in sessionstore-backups/recovery.jsonlz4), then each browser of the Chromium family that is running
// (its user data folder holds the "SingletonLock" link), each profile's newest session file.
#pragma once

#include "platform/BrowserWindows.h"
#include "platform/xdg/XdgFolders.h"

#include <filesystem>
#include <vector>

class SessionFileBrowserWindows : public BrowserWindows {
public:
    explicit SessionFileBrowserWindows(XdgFolders folders) : folders_(std::move(folders)) {}

    OpenBrowserTabs openTabs() override;
    std::vector<BookmarkSourceFile> bookmarkFiles() override;

    // The session files that would be read, in order, each with its kind.
    enum class Kind { Firefox, Chromium };
    struct SessionFile {
        Kind kind;
        std::filesystem::path path;
    };
    std::vector<SessionFile> sessionFiles() const;

private:
    XdgFolders folders_;
};
