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

    // Has no entry: what a part of the program that is given no caches sees. It holds nothing.
    static UrlCache& none();
};

inline UrlCache& UrlCache::none() {
    struct None : UrlCache {
        std::vector<std::string> entries() const override { return {}; }
        bool deleteEntry(const std::string&) override { return false; }
    };
    static None none;
    return none;
}
