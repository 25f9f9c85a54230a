// The document logic: which collection file the outline belongs to, and loading and saving it.
//
// A load that fails never lets the damaged file be overwritten: the outline shows what could be read
// and belongs from then on to a recovery file beside the damaged one ("name.recovered.goto", or
// "name.recovered-2.goto" and so on when that exists), which the next save or closing writes. The
// damaged file keeps its bytes, and nothing the user does afterwards is lost.
#pragma once

#include "BackgroundWriter.h"
#include "CollectionLock.h"
#include "FileIO.h"
#include "Outline.h"

#include <chrono>
#include <ctime>
#include <map>

#include <functional>
#include <stdexcept>
#include <string>

// A collection file that could not be read. what() is the full text for the user; streamMessage()
// is the reader's own message.
class CollectionLoadError : public std::runtime_error {
public:
    CollectionLoadError(const std::string& text, std::string streamMessage, int number)
        : std::runtime_error(text), streamMessage_(std::move(streamMessage)), number_(number) {}
    const std::string& streamMessage() const { return streamMessage_; }
    int number() const { return number_; }  // the stream error number, 0 for a file system error

private:
    std::string streamMessage_;
    int number_;
};

class CollectionPreload;

inline constexpr const char* kNoFileToSave = "There is no file to save.";

class Documents {
public:
    // programFolder ends with a slash: fixed paths are built by appending to it.
    Documents(Outline& linksTree, std::string programFolder);

    const std::string& programFolder() const { return programFolder_; }
    std::string defaultCollectionPath() const { return defaultCollectionPathIn(programFolder_); }
    static std::string defaultCollectionPathIn(const std::string& programFolder) { return programFolder + "links.goto"; }
    std::string infoFolder() const { return programFolder_ + "Info/"; }

    const std::string& currentPath() const { return currentPath_; }
    // The text of the status panel that names the open collection.
    std::string statusText() const { return " " + currentPath_; }

    // Saves the collection being left (when there is one), then makes `path` the current collection
    // and reads it when the file exists; a missing file leaves the outline as it is, to be written
    // there by the next save. Throws FileError when the collection being left cannot be saved (nothing
    // else happens then) and CollectionLoadError when the file is damaged (what could be read is
    // shown, and belongs to a recovery file) or cannot be opened at all (nothing changes).
    void LoadTree(const std::string& path);
    // The next LoadTree takes what the preload read when it read that file as it still is.
    void offerPreload(CollectionPreload* preload) { preload_ = preload; }

    // Writes the whole outline to `path` and makes it the current collection. A failed save throws
    // FileError and leaves the file, the current path and the status as they were.
    void SaveTree(const std::string& path);

    // "Save": writes the current collection; false when there is none.
    bool Save();

    // Closing the window: the collection is always written when there is a current path.
    void SaveOnClose();

    // An automatic save of the current collection: the bytes are made now, and written (after a
    // backup, when one is due) by the background writer. Returns the write's id, 0 when there is no
    // current collection.
    std::uint64_t saveInBackground();
    // Returns once no automatic save is being written.
    void waitForBackgroundSaves() { writer_.waitIdle(); }
    // The automatic saves finished since the last call.
    std::vector<BackgroundWriter::Result> takeBackgroundResults() { return writer_.takeResults(); }
    // Told when the outline is what the current file holds: after it was read or written.
    void setCleanListener(std::function<void()> listener) { clean_ = std::move(listener); }
    // Where the time for backups comes from (the tests give their own): the local time that names
    // them and the running time that spaces them an hour apart.
    struct BackupClock {
        std::function<std::time_t()> wall = [] { return std::time(nullptr); };
        std::function<std::chrono::steady_clock::time_point()> running = std::chrono::steady_clock::now;
    };
    void setBackupClock(BackupClock clock) { backupClock_ = std::move(clock); }

    // Told true when a collection starts being read or written and false when that ends, however
    // it ends (before an error reaches the caller): the window shows a busy cursor meanwhile.
    void setBusyIndicator(std::function<void(bool)> indicator) { busy_ = std::move(indicator); }

    // The lock taken on every collection the document makes its own (loading, "Save As"); a file
    // another program holds throws CollectionInUseError and is neither read nor written. Without
    // one, nothing is locked.
    void setLock(CollectionLock* lock) { lock_ = lock; }

private:
    // Shows the program busy for its lifetime; nested uses show it once.
    class BusyScope {
    public:
        explicit BusyScope(Documents& documents);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        Documents& documents_;
    };

    std::string recoveryPathFor(const std::string& path) const;
    // The backup to make before `path` is written over, or an empty step: one before the first save
    // of the run over an existing file, then at most one an hour.
    std::function<void()> backupStepFor(const std::string& path);
    void announceClean() {
        if (clean_)
            clean_();
    }
    // Takes the lock of path, or throws CollectionInUseError saying it was not `refused`.
    void takeLock(const std::string& path, const char* refused);
    // Makes path the locked collection and gives back the lock of the one left.
    void moveLock(const std::string& path);

    Outline& linksTree_;
    std::string programFolder_;
    std::string currentPath_;
    std::function<void(bool)> busy_;
    int busyDepth_ = 0;
    std::function<void()> clean_;
    BackupClock backupClock_;
    std::map<std::string, std::chrono::steady_clock::time_point> lastBackup_;  // by collection, this run
    BackgroundWriter writer_;  // last: it finishes its writes before the rest goes
    CollectionLock* lock_ = nullptr;
    std::string lockedPath_;  // the file opened: a recovery file is saved under the damaged file's lock
    CollectionPreload* preload_ = nullptr;
};
