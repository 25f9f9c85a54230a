#include "XdgUrlCache.h"

#include "platform/xdg/XdgFolders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace {

// An open folder; moving hands the descriptor over.
class FolderHandle {
public:
    FolderHandle() = default;
    explicit FolderHandle(int fd) : fd_(fd) {}
    FolderHandle(FolderHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FolderHandle& operator=(FolderHandle&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~FolderHandle() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    explicit operator bool() const { return fd_ >= 0; }
    int fd() const { return fd_; }

    // A folder inside this one; an empty handle when it is missing or is a symbolic link.
    FolderHandle open(const std::string& name) const {
        return FolderHandle(::openat(fd_, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }

    // The names inside this folder whose kind (not followed through links) passes `wanted`.
    template <class Wanted> std::vector<std::string> names(Wanted wanted) const {
        std::vector<std::string> result;
        const int copy = ::dup(fd_);
        if (copy < 0)
            return result;
        DIR* dir = ::fdopendir(copy);
        if (!dir) {
            ::close(copy);
            return result;
        }
        ::rewinddir(dir);  // the copy shares its reading position with this handle
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            struct stat st {};
            if (name != "." && name != ".." && ::fstatat(fd_, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                wanted(st.st_mode))
                result.push_back(name);
        }
        ::closedir(dir);
        std::sort(result.begin(), result.end());
        return result;
    }

private:
    int fd_ = -1;
};

bool isFolder(mode_t mode) {
    return S_ISDIR(mode);
}
bool isRegularFile(mode_t mode) {
    return S_ISREG(mode);
}

std::vector<std::string> split(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t slash; (slash = path.find('/', start)) != std::string_view::npos; start = slash + 1)
        parts.emplace_back(path.substr(start, slash - start));
    parts.emplace_back(path.substr(start));
    return parts;
}

// One name of a path: not empty, not "." or "..", no slash.
bool plainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// Whether a folder below the cache folder is one cacheFolders() can give: a browser's folder, a
// profile (a Chromium-family browser may be its own profile), then the cache inside the profile.
bool isCacheFolder(const std::vector<std::string>& path) {
    auto is = [&path](std::size_t at, const std::vector<std::string>& names) {
        return path.size() >= at + names.size() &&
               std::equal(names.begin(), names.end(), path.begin() + static_cast<std::ptrdiff_t>(at));
    };
    if (path.size() == 5 && is(0, {"mozilla", "firefox"}) && is(3, {"cache2", "entries"}))
        return true;
    for (std::string_view browser : kChromiumFamilyFolders) {
        const std::vector<std::string> base = split(browser);
        if (is(0, base) && ((path.size() == base.size() + 2 && is(base.size(), {"Cache", "Cache_Data"})) ||
                            (path.size() == base.size() + 3 && is(base.size() + 1, {"Cache", "Cache_Data"}))))
            return true;
    }
    return false;
}

} // namespace

std::vector<XdgUrlCache::Folder> XdgUrlCache::cacheFolders(const std::string& cacheHome) {
    std::vector<Folder> folders;
    // The cache folder itself is the user's choice and may be a link; nothing below it is followed.
    const FolderHandle root(::open(cacheHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!root)
        return folders;
    auto openPath = [&root](const Folder& path) {
        FolderHandle at = root.open(path.front());
        for (std::size_t i = 1; at && i < path.size(); ++i)
            at = at.open(path[i]);
        return at;
    };
    auto addProfiles = [&](const Folder& base, const Folder& cacheInProfile, bool baseIsProfile) {
        const FolderHandle browser = openPath(base);
        if (!browser)
            return;
        std::vector<std::string> profiles = browser.names(isFolder);
        if (baseIsProfile)
            profiles.insert(profiles.begin(), std::string());
        for (const std::string& profile : profiles) {
            Folder folder = base;
            if (!profile.empty())
                folder.push_back(profile);
            folder.insert(folder.end(), cacheInProfile.begin(), cacheInProfile.end());
            if (openPath(folder))
                folders.push_back(std::move(folder));
        }
    };
    addProfiles({"mozilla", "firefox"}, {"cache2", "entries"}, false);
    for (std::string_view browser : kChromiumFamilyFolders)
        addProfiles(split(browser), {"Cache", "Cache_Data"}, true);
    return folders;
}

XdgUrlCache XdgUrlCache::ofUser(const XdgFolders& folders) {
    return XdgUrlCache(std::vector<std::string>{folders.cacheHome, folders.home + "/snap/firefox/common/.cache",
                                                folders.home + "/.var/app/org.mozilla.firefox/cache"});
}

std::vector<std::string> XdgUrlCache::entries() const {
    std::vector<std::string> result;
    for (const std::string& home : cacheHomes_) {
        std::vector<std::string> some = entriesOf(home);
        result.insert(result.end(), some.begin(), some.end());
    }
    return result;
}

bool XdgUrlCache::deleteEntry(const std::string& entry) {
    return std::any_of(cacheHomes_.begin(), cacheHomes_.end(),
                       [&](const std::string& home) { return deleteEntryOf(home, entry); });
}

std::vector<std::string> XdgUrlCache::entriesOf(const std::string& cacheHome) {
    std::vector<std::string> result;
    const FolderHandle root(::open(cacheHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const Folder& folder : cacheFolders(cacheHome)) {
        FolderHandle at = root ? root.open(folder.front()) : FolderHandle();
        std::string prefix = cacheHome + "/" + folder.front();
        for (std::size_t i = 1; at && i < folder.size(); ++i) {
            at = at.open(folder[i]);
            prefix += "/" + folder[i];
        }
        if (!at)
            continue;
        for (const std::string& name : at.names(isRegularFile))
            result.push_back(prefix + "/" + name);
    }
    return result;
}

bool XdgUrlCache::deleteEntryOf(const std::string& cacheHome, const std::string& entry) {
    const std::string prefix = cacheHome + "/";
    if (!entry.starts_with(prefix))
        return false;
    std::vector<std::string> path = split(std::string_view(entry).substr(prefix.size()));
    const std::string name = path.back();
    path.pop_back();
    if (path.empty() || !plainName(name) || !std::all_of(path.begin(), path.end(), plainName))
        return false;
    if (!isCacheFolder(path))
        return false;

    FolderHandle at(::open(cacheHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (std::size_t i = 0; at && i < path.size(); ++i)
        at = at.open(path[i]);
    struct stat st {};
    if (!at || ::fstatat(at.fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
        return false;
    // Should the file have been swapped for a link since, unlinking removes the link, not its target.
    return ::unlinkat(at.fd(), name.c_str(), 0) == 0;
}
