// The web caches of the user's browsers under the XDG cache folder: Firefox's
// mozilla/firefox/<profile>/cache2/entries and, for each browser of the Chromium family,
// <browser>/<profile>/Cache/Cache_Data. An entry is one regular file directly inside such a folder,
// named by its full path. Below the cache folder no symbolic link is followed, and deleting takes
// nothing but such a file.
#pragma once

#include "platform/UrlCache.h"

#include <string>
#include <vector>

class XdgUrlCache : public UrlCache {
public:
    explicit XdgUrlCache(std::string cacheHome) : cacheHome_(std::move(cacheHome)) {}

    std::vector<std::string> entries() const override;
    bool deleteEntry(const std::string& entry) override;

private:
    using Folder = std::vector<std::string>; // the folder names below the cache folder
    std::vector<Folder> cacheFolders() const;

    std::string cacheHome_;
};
