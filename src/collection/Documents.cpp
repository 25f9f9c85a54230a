#include "Documents.h"

#include "Backups.h"
#include "CollectionPreload.h"
#include "NodeStream.h"

#include <filesystem>
#include <optional>
#include <utility>

Documents::Documents(Outline& linksTree, std::string programFolder)
    : linksTree_(linksTree), programFolder_(std::move(programFolder)) {}

Documents::BusyScope::BusyScope(Documents& documents) : documents_(documents) {
    if (documents_.busyDepth_++ == 0 && documents_.busy_)
        documents_.busy_(true);
}

Documents::BusyScope::~BusyScope() {
    if (--documents_.busyDepth_ == 0 && documents_.busy_)
        documents_.busy_(false);
}

void Documents::LoadTree(const std::string& path) {
    BusyScope busy(*this);
    if (!currentPath_.empty())
        SaveTree(currentPath_);  // the collection being left is never lost
    else
        writer_.waitIdle();
    std::optional<ReadCollection> read = preload_ ? std::exchange(preload_, nullptr)->take(path, linksTree_.multiSelect())
                                                  : std::nullopt;
    std::error_code ignored;
    const bool exists = read || std::filesystem::exists(path, ignored);
    // A file that cannot be opened or read (no permission, a folder) is not damaged: nothing of it
    // is known, so nothing changes.
    FileBytes bytes;
    if (exists && !read) {
        try {
            bytes = readWholeFile(path);
        } catch (const FileError& e) {
            throw CollectionLoadError(std::string(e.what()) + "\n\nNothing was opened; the collection that was open stays open.",
                                      e.what(), 0);
        }
    }
    if (path != lockedPath_)
        takeLock(path, "opened here");
    moveLock(path);
    if (!exists) {
        currentPath_ = path;
        return;
    }
    // Read into a fresh outline and take it over afterwards, so that listeners see one change.
    if (!read)
        read = readCollection(bytes, linksTree_.multiSelect());
    linksTree_.swapContents(*read->outline);
    const std::string& message = read->streamMessage;
    const int number = read->number;
    if (message.empty()) {
        currentPath_ = path;
        announceClean();
        return;
    }
    currentPath_ = recoveryPathFor(path);
    throw CollectionLoadError(message + "\n\nThe file \"" + path + "\" was left unchanged. What could be read is shown and will be saved to \"" +
                                  currentPath_ + "\".",
                              message, number);
}

void Documents::SaveTree(const std::string& path) {
    BusyScope busy(*this);
    // An automatic save still being written would land after this one.
    writer_.waitIdle();
    // Saving under another name makes that file the collection: its lock comes first, and the lock
    // of the file left is given back only once the save has worked.
    const bool anotherFile = path != currentPath_ && path != lockedPath_;
    if (anotherFile)
        takeLock(path, "written");
    try {
        Bytes bytes = writeOutline(linksTree_);
        if (std::function<void()> backup = backupStepFor(path))
            backup();
        writeFileSafely(path, bytes);
    } catch (...) {
        if (anotherFile && lock_)
            lock_->release(path);
        throw;
    }
    if (anotherFile)
        moveLock(path);
    currentPath_ = path;
    announceClean();
}

std::uint64_t Documents::saveInBackground() {
    if (currentPath_.empty())
        return 0;
    return writer_.write({currentPath_, writeOutline(linksTree_), backupStepFor(currentPath_)});
}

std::function<void()> Documents::backupStepFor(const std::string& path) {
    if (!fileExists(path))
        return {};
    const auto now = backupClock_.running();
    const auto last = lastBackup_.find(path);
    if (last != lastBackup_.end() && now - last->second < std::chrono::hours(1))
        return {};
    lastBackup_[path] = now;
    // A backup that cannot be made does not stop the save: the save itself matters more.
    return [path, when = backupClock_.wall()] {
        try {
            makeBackup(path, when);
        } catch (const FileError&) {
        }
    };
}

void Documents::takeLock(const std::string& path, const char* refused) {
    std::string holder;
    if (lock_ && !lock_->take(path, holder))
        throw CollectionInUseError("The collection \"" + path + "\" is open in another Wendelmoor (" + holder + "), so it was not " +
                                   refused + ". Close it there first.");
}

void Documents::moveLock(const std::string& path) {
    if (lock_ && !lockedPath_.empty() && lockedPath_ != path)
        lock_->release(lockedPath_);
    lockedPath_ = path;
}

bool Documents::Save() {
    if (currentPath_.empty())
        return false;
    SaveTree(currentPath_);
    return true;
}

void Documents::SaveOnClose() {
    if (!currentPath_.empty())
        SaveTree(currentPath_);
}

std::string Documents::recoveryPathFor(const std::string& path) const {
    namespace fs = std::filesystem;
    const fs::path original(path);
    const std::string stem = original.stem().string();
    const std::string extension = original.has_extension() ? original.extension().string() : ".goto";
    for (int n = 1;; ++n) {
        std::string name = stem;
        name += ".recovered";
        if (n > 1)
            name.append("-").append(std::to_string(n));
        name += extension;
        fs::path candidate = original.parent_path() / name;
        std::error_code ignored;
        if (!fs::exists(candidate, ignored))
            return candidate.string();
    }
}
