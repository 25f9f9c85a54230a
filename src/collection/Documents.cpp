#include "Documents.h"

#include "NodeStream.h"

#include <filesystem>

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
    if (path != lockedPath_)
        takeLock(path, "opened here");
    moveLock(path);
    if (!fileExists(path)) {
        currentPath_ = path;
        return;
    }
    // Read into a fresh outline and take it over afterwards, so that listeners see one change.
    Outline loaded(linksTree_.multiSelect());
    std::string message;
    int number = 0;
    try {
        readOutline(loaded, readWholeFile(path));
    } catch (const StreamError& e) {
        message = e.what();
        number = e.number();
    } catch (const FileError& e) {
        message = e.what();
    }
    linksTree_.swapContents(loaded);
    if (message.empty()) {
        currentPath_ = path;
        return;
    }
    currentPath_ = recoveryPathFor(path);
    throw CollectionLoadError(message + "\n\nThe file \"" + path + "\" was left unchanged. What could be read is shown and will be saved to \"" +
                                  currentPath_ + "\".",
                              message, number);
}

void Documents::SaveTree(const std::string& path) {
    BusyScope busy(*this);
    // Saving under another name makes that file the collection: its lock comes first, and the lock
    // of the file left is given back only once the save has worked.
    const bool anotherFile = path != currentPath_ && path != lockedPath_;
    if (anotherFile)
        takeLock(path, "written");
    try {
        writeFileSafely(path, writeOutline(linksTree_));
    } catch (...) {
        if (anotherFile && lock_)
            lock_->release(path);
        throw;
    }
    if (anotherFile)
        moveLock(path);
    currentPath_ = path;
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
