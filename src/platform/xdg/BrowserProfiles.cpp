#include "BrowserProfiles.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>

#include <signal.h>

namespace fs = std::filesystem;

namespace {

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

// The profiles a profiles.ini lists, in its order: the "Path" of each "[Profile…]" section,
// relative to the file's folder unless "IsRelative=0", and its "Name".
std::vector<BrowserProfile> profilesOfIni(const fs::path& root) {
    std::ifstream in(root / "profiles.ini");
    struct Section {
        std::string path, name;
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
        else if (key == "Name")
            sections.back().name = value;
        else if (key == "IsRelative")
            sections.back().relative = value != "0";
    }
    std::vector<BrowserProfile> profiles;
    for (const Section& s : sections)
        if (!s.path.empty())
            profiles.push_back({"Firefox", s.name.empty() ? fs::path(s.path).filename().string() : s.name,
                                s.relative ? root / s.path : fs::path(s.path)});
    return profiles;
}

struct ChromiumName {
    std::string_view folder;
    std::string_view name;
};
constexpr ChromiumName kChromiumNames[] = {
    {"chromium", "Chromium"},
    {"google-chrome", "Google Chrome"},
    {"google-chrome-beta", "Google Chrome Beta"},
    {"google-chrome-unstable", "Google Chrome Dev"},
    {"BraveSoftware/Brave-Browser", "Brave"},
    {"microsoft-edge", "Microsoft Edge"},
    {"microsoft-edge-beta", "Microsoft Edge Beta"},
    {"microsoft-edge-dev", "Microsoft Edge Dev"},
    {"vivaldi", "Vivaldi"},
    {"opera", "Opera"},
};

std::string chromiumName(std::string_view folder) {
    for (const ChromiumName& n : kChromiumNames)
        if (n.folder == folder)
            return std::string(n.name);
    return std::string(folder);
}

} // namespace

std::vector<BrowserProfile> firefoxProfiles(const XdgFolders& folders) {
    const fs::path home = folders.home;
    const fs::path roots[] = {
        home / ".mozilla/firefox",
        fs::path(folders.configHome) / "mozilla/firefox",
        home / "snap/firefox/common/.mozilla/firefox",
        home / ".var/app/org.mozilla.firefox/.mozilla/firefox",
    };
    std::vector<BrowserProfile> profiles;
    for (const fs::path& root : roots)
        for (BrowserProfile& p : profilesOfIni(root))
            if (std::none_of(profiles.begin(), profiles.end(), [&](const BrowserProfile& q) { return q.folder == p.folder; }))
                profiles.push_back(std::move(p));
    return profiles;
}

bool firefoxIsRunning(const fs::path& profile) {
    // The link reads "<address>:+<process id>"; it stays behind when Firefox ends without tidying up.
    std::error_code ec;
    const std::string target = fs::read_symlink(profile / "lock", ec).string();
    const auto plus = target.rfind(":+");
    if (ec || plus == std::string::npos)
        return false;
    long pid = 0;
    const char* digits = target.data() + plus + 2;
    const auto [end, error] = std::from_chars(digits, target.data() + target.size(), pid);
    if (error != std::errc() || end != target.data() + target.size() || pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::vector<ChromiumBrowser> chromiumBrowsers(const XdgFolders& folders) {
    std::vector<ChromiumBrowser> browsers;
    for (std::string_view folder : kChromiumFamilyFolders)
        browsers.push_back({fs::path(folders.configHome) / folder, chromiumName(folder)});
    return browsers;
}

bool chromiumIsRunning(const fs::path& userData) {
    std::error_code ec;
    return fs::symlink_status(userData / "SingletonLock", ec).type() != fs::file_type::not_found;
}

std::vector<fs::path> chromiumProfiles(const fs::path& userData, const std::function<bool(const fs::path&)>& wanted) {
    std::vector<fs::path> profiles;
    if (!isDirectory(userData))
        return profiles;
    if (wanted(userData))
        profiles.push_back(userData);
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(userData, ec), end; !ec && it != end; it.increment(ec))
        if (isDirectory(it->path()) && wanted(it->path()))
            names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return (a == "Default") != (b == "Default") ? a == "Default" : a < b;
    });
    for (const std::string& name : names)
        profiles.push_back(userData / name);
    return profiles;
}

std::vector<ProfileBookmarks> profileBookmarkFiles(const XdgFolders& folders) {
    std::vector<ProfileBookmarks> files;
    for (const BrowserProfile& p : firefoxProfiles(folders))
        if (isFile(p.folder / "places.sqlite"))
            files.push_back({"Firefox (" + p.name + ")", p.folder / "places.sqlite"});
    for (const ChromiumBrowser& b : chromiumBrowsers(folders))
        for (const fs::path& profile :
             chromiumProfiles(b.userData, [](const fs::path& p) { return isFile(p / "Bookmarks"); }))
            files.push_back({b.name + " (" + (profile == b.userData ? std::string("Default") : profile.filename().string()) + ")",
                             profile / "Bookmarks"});
    return files;
}
