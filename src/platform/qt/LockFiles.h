// Collection locks as lock files beside the collections ("links.goto.lock"), holding the process id
// and host of the program that holds them. The lock of a program that has ended (crashed, killed) is
// stale and taken over; a live program's lock is never stale, however old.
#pragma once

#include "collection/CollectionLock.h"

#include <map>
#include <memory>
#include <string>

class QLockFile;

class LockFiles : public CollectionLock {
public:
    LockFiles();
    ~LockFiles() override;

    bool take(const std::string& path, std::string& holder) override;
    void release(const std::string& path) override;

private:
    std::map<std::string, std::unique_ptr<QLockFile>> held_;
};
