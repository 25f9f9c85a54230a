#include "SessionFileBrowserWindows.h"

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

bool isDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The profile folders a profiles.ini lists, in its order: the "Path" of each "[Profile…]" section,
// relative to the file's folder unless "IsRelative=0".
std::vector<fs::path> firefoxProfiles(const fs::path& root) {
    std::ifstream in(root / "profiles.ini");
    std::vector<fs::path> profiles;
    struct Section {
        std::string path;
        bool relative = true;
    };
    std::vector<Section> sections;
    bool inProfile = false;
    for (std::string line; std::getline(in, line);) {
        line = trimmed(line);
        if (line.starts_with('[')) {
            inProfile = line.starts_with("[Profile");
            if (inProfile)
                sections.emplace_back();
            continue;
        }
        const auto equals = line.find('=');
        if (!inProfile || equals == std::string::npos)
            continue;
        const std::string key = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
        if (key == "Path")
            sections.back().path = value;
        else if (key == "IsRelative")
            sections.back().relative = value != "0";
    }
    for (const Section& s : sections) {
        if (s.path.empty())
            continue;
        const fs::path profile = s.relative ? root / s.path : fs::path(s.path);
        if (std::find(profiles.begin(), profiles.end(), profile) == profiles.end())
            profiles.push_back(profile);
    }
    return profiles;
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

// The profile folders of a Chromium user data folder: "Default" first, then the others by name;
// the folder itself when it is its own profile.
std::vector<fs::path> chromiumProfiles(const fs::path& userData) {
    std::vector<fs::path> profiles;
    if (chromiumSessionFile(userData))
        profiles.push_back(userData);
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(userData, ec), end; !ec && it != end; it.increment(ec))
        if (isDirectory(it->path()) && chromiumSessionFile(it->path()))
            names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return (a == "Default") != (b == "Default") ? a == "Default" : a < b;
    });
    for (const std::string& name : names)
        profiles.push_back(userData / name);
    return profiles;
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
    const fs::path home = folders_.home;
    const fs::path firefoxRoots[] = {
        home / ".mozilla/firefox",
        fs::path(folders_.configHome) / "mozilla/firefox",
        home / "snap/firefox/common/.mozilla/firefox",
        home / ".var/app/org.mozilla.firefox/.mozilla/firefox",
    };
    for (const fs::path& root : firefoxRoots)
        for (const fs::path& profile : firefoxProfiles(root))
            if (const fs::path file = profile / "sessionstore-backups/recovery.jsonlz4"; isFile(file))
                files.push_back({Kind::Firefox, file});

    for (std::string_view browser : kChromiumFamilyFolders) {
        const fs::path userData = fs::path(folders_.configHome) / browser;
        std::error_code ec;
        if (fs::symlink_status(userData / "SingletonLock", ec).type() == fs::file_type::not_found)
            continue; // not running: its session files describe windows that are closed
        for (const fs::path& profile : chromiumProfiles(userData))
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
