#include "LockFiles.h"

#include <QLockFile>
#include <QString>

LockFiles::LockFiles() = default;
LockFiles::~LockFiles() = default;

bool LockFiles::take(const std::string& path, std::string& holder) {
    if (held_.count(path))
        return true;
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(path + ".lock"));
    lock->setStaleLockTime(0); // stale only when its process is gone
    if (lock->tryLock(0)) {
        held_[path] = std::move(lock);
        return true;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return true; // a folder that takes no lock file (read-only): the file is read all the same
    qint64 pid = 0;
    QString host, application;
    if (lock->getLockInfo(&pid, &host, &application))
        holder = "process " + std::to_string(pid) + (host.isEmpty() ? "" : " on " + host.toStdString());
    else
        holder = "a program whose lock could not be read";
    return false;
}

void LockFiles::release(const std::string& path) {
    held_.erase(path);
}
