// The web caches of the user's browsers under the XDG cache folder, and under the cache folders the
// snap and Flatpak packages of Firefox keep in the home folder: Firefox's
// mozilla/firefox/<profile>/cache2/entries and, for each browser of the Chromium family,
// <browser>/<profile>/Cache/Cache_Data. An entry is one regular file directly inside such a folder,
// named by its full path. Below the cache folder no symbolic link is followed, and deleting takes
// nothing but such a file.
#pragma once

#include "platform/UrlCache.h"
#include "platform/xdg/XdgFolders.h"

#include <string>
#include <vector>

class XdgUrlCache : public UrlCache {
public:
    explicit XdgUrlCache(std::string cacheHome) : cacheHomes_{std::move(cacheHome)} {}
    explicit XdgUrlCache(std::vector<std::string> cacheHomes) : cacheHomes_(std::move(cacheHomes)) {}
    // The XDG cache folder, then the snap and Flatpak Firefox cache folders.
    static XdgUrlCache ofUser(const XdgFolders& folders);

    std::vector<std::string> entries() const override;
    bool deleteEntry(const std::string& entry) override;

private:
    using Folder = std::vector<std::string>; // the folder names below the cache folder
    static std::vector<Folder> cacheFolders(const std::string& cacheHome);
    static std::vector<std::string> entriesOf(const std::string& cacheHome);
    static bool deleteEntryOf(const std::string& cacheHome, const std::string& entry);

    std::vector<std::string> cacheHomes_;
};
