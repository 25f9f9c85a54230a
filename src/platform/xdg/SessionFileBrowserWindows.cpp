#include "SessionFileBrowserWindows.h"

#include "platform/xdg/BrowserProfiles.h"
#include "platform/xdg/ChromiumSession.h"
#include "platform/xdg/FirefoxSession.h"
#include "platform/xdg/SessionFileError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace {

// Far beyond any real session; a larger file is not read into memory.
constexpr std::uintmax_t kLargestSessionFile = 512u << 20;

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// The newest session file of a Chromium profile: the "Sessions/Session_<time>" with the latest time,
// else the "Current Session" of older versions.
std::optional<fs::path> chromiumSessionFile(const fs::path& profile) {
    std::optional<fs::path> newest;
    std::string newestTime;
    // The times are decimal numbers without leading zeros: the longer, or else the greater, is later.
    auto later = [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a > b;
    };
    std::error_code ec;
    for (fs::directory_iterator it(profile / "Sessions", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with("Session_") || name.size() == 8 ||
            !std::all_of(name.begin() + 8, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const std::string time = name.substr(8);
        if (isFile(it->path()) && (!newest || later(time, newestTime))) {
            newest = it->path();
            newestTime = time;
        }
    }
    if (!newest && isFile(profile / "Current Session"))
        newest = profile / "Current Session";
    return newest;
}

std::vector<std::uint8_t> readWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw SessionFileError(std::strerror(errno));
    std::vector<std::uint8_t> bytes;
    char chunk[65536];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + in.gcount());
        if (bytes.size() > kLargestSessionFile)
            throw SessionFileError("it is too large");
    }
    if (in.bad())
        throw SessionFileError(std::strerror(errno));
    return bytes;
}

} // namespace

std::vector<SessionFileBrowserWindows::SessionFile> SessionFileBrowserWindows::sessionFiles() const {
    std::vector<SessionFile> files;
    // A session file of a browser that is not running describes windows that are closed.
    for (const BrowserProfile& profile : firefoxProfiles(folders_))
        if (const fs::path file = profile.folder / "sessionstore-backups/recovery.jsonlz4";
            firefoxIsRunning(profile.folder) && isFile(file))
            files.push_back({Kind::Firefox, file});
    for (const ChromiumBrowser& browser : chromiumBrowsers(folders_)) {
        if (!chromiumIsRunning(browser.userData))
            continue;
        for (const fs::path& profile :
             chromiumProfiles(browser.userData, [](const fs::path& p) { return chromiumSessionFile(p).has_value(); }))
            files.push_back({Kind::Chromium, *chromiumSessionFile(profile)});
    }
    return files;
}

OpenBrowserTabs SessionFileBrowserWindows::openTabs() {
    OpenBrowserTabs result;
    for (const SessionFile& file : sessionFiles()) {
        try {
            const std::vector<std::uint8_t> bytes = readWhole(file.path);
            const std::vector<BrowserTab> tabs =
                file.kind == Kind::Firefox ? readFirefoxSession(bytes) : readChromiumSession(bytes);
            result.tabs.insert(result.tabs.end(), tabs.begin(), tabs.end());
        } catch (const SessionFileError& e) {
            result.error = "The browser session file \"" + file.path.string() + "\" cannot be read: " + e.what() + ".";
            break;
        }
    }
    return result;
}

std::vector<BookmarkSourceFile> SessionFileBrowserWindows::bookmarkFiles() {
    std::vector<BookmarkSourceFile> files;
    for (const ProfileBookmarks& p : profileBookmarkFiles(folders_))
        files.push_back({p.label, p.file.string()});
    return files;
}
