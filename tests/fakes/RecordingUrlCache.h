// A web cache held in memory: its entries, some of which refuse deletion; records each deletion asked
// for, and keeps the entries that were not deleted.
#pragma once

#include "platform/UrlCache.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

class RecordingUrlCache : public UrlCache {
public:
    std::vector<std::string> stored;
    std::set<std::string> locked;       // entries that cannot be deleted
    std::vector<std::string> deletions; // every deleteEntry call, in order

    std::vector<std::string> entries() const override { return stored; }
    bool deleteEntry(const std::string& entry) override {
        deletions.push_back(entry);
        if (locked.count(entry) || std::find(stored.begin(), stored.end(), entry) == stored.end())
            return false;
        std::erase(stored, entry);
        return true;
    }
};
