// Collection locks that record each take and release; the paths in heldElsewhere play collections
// another running program holds.
#pragma once

#include "collection/CollectionLock.h"

#include <set>
#include <string>
#include <vector>

class RecordingCollectionLock : public CollectionLock {
public:
    std::vector<std::string> calls; // "take PATH", "release PATH"
    std::set<std::string> heldElsewhere;

    bool take(const std::string& path, std::string& holder) override {
        calls.push_back("take " + path);
        if (!heldElsewhere.count(path))
            return true;
        holder = "process 4242";
        return false;
    }
    void release(const std::string& path) override { calls.push_back("release " + path); }
};
