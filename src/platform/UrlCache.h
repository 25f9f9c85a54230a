// The web caches of the user's browsers: "Delete Temporary Internet Files" empties them.
#pragma once

#include <string>
#include <vector>

class UrlCache {
public:
    virtual ~UrlCache() = default;
    // Every entry of the caches, by a name that deleteEntry takes back.
    virtual std::vector<std::string> entries() const = 0;
    // Deletes one entry; false when it could not be deleted (gone, not an entry, not permitted).
    virtual bool deleteEntry(const std::string& entry) = 0;
};
