// The open windows of the user's web browsers: what "Add Active Links" brings into the outline.
#pragma once

#include <optional>
#include <string>
#include <vector>

// One open tab: the address it shows and the title of its page (UTF-8).
struct BrowserTab {
    std::string LocationURL;
    std::string LocationName;

    bool operator==(const BrowserTab&) const = default;
};

// The open tabs in order, browser by browser, window by window, tab by tab. When a browser's window
// list cannot be read, `error` says why and `tabs` holds the tabs found before it; nothing after it
// is read.
struct OpenBrowserTabs {
    std::vector<BrowserTab> tabs;
    std::optional<std::string> error;
};

// A browser profile's bookmarks file, named for the person choosing: "Firefox (default-release)".
struct BookmarkSourceFile {
    std::string label;
    std::string path;

    bool operator==(const BookmarkSourceFile&) const = default;
};

class BrowserWindows {
public:
    virtual ~BrowserWindows() = default;
    virtual OpenBrowserTabs openTabs() = 0;
    // The bookmarks files of the same browsers' profiles, for "Import Bookmarks…"; none by default.
    virtual std::vector<BookmarkSourceFile> bookmarkFiles() { return {}; }

    // Finds no window: what a part of the program that is given no browsers sees. It holds nothing.
    static BrowserWindows& none();
};

inline BrowserWindows& BrowserWindows::none() {
    struct None : BrowserWindows {
        OpenBrowserTabs openTabs() override { return {}; }
    };
    static None none;
    return none;
}
