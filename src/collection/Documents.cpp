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
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        currentPath_ = path;
        return;
    }
    // A file that cannot be opened or read (no permission, a folder) is not damaged: nothing of it
    // is known, so nothing changes.
    FileBytes bytes;
    try {
        bytes = readWholeFile(path);
    } catch (const FileError& e) {
        throw CollectionLoadError(std::string(e.what()) + "\n\nNothing was opened; the collection that was open stays open.",
                                  e.what(), 0);
    }
    // Read into a fresh outline and take it over afterwards, so that listeners see one change.
    Outline loaded(linksTree_.multiSelect());
    std::string message;
    int number = 0;
    try {
        readOutline(loaded, bytes);
    } catch (const StreamError& e) {
        message = e.what();
        number = e.number();
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
    writeFileSafely(path, writeOutline(linksTree_));
    currentPath_ = path;
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
