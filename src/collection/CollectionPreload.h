// The start collection read on a thread of its own while the program makes its windows, so that the
// load of a large collection overlaps the start instead of following it. Only reading happens there;
// the document logic takes the outline read in as if it had read the file itself, and reads the file
// itself whenever the preload has nothing for it (another file, a file changed since, a read error,
// which it then reports as usual).
#pragma once

#include "NodeStream.h"
#include "Outline.h"

#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>

// A collection's bytes read into a fresh outline. A damaged stream leaves what could be read, with
// the reader's message and error number.
struct ReadCollection {
    std::unique_ptr<Outline> outline;
    std::string streamMessage;  // empty when the whole stream was read
    int number = 0;
};

ReadCollection readCollection(ByteSpan bytes, bool multiSelect);

class CollectionPreload {
public:
    CollectionPreload() = default;
    // A reading still under way is left to end by itself (a start that hands over to a program
    // already running does not wait for it).
    ~CollectionPreload();
    CollectionPreload(const CollectionPreload&) = delete;
    CollectionPreload& operator=(const CollectionPreload&) = delete;

    // Starts reading the collection at `path` (once).
    void start(std::string path, bool multiSelect = true);
    // What the reading gave, once it has ended; nothing when it read another path or another kind of
    // outline, could not read the file, or the file changed since it was read. Once only.
    std::optional<ReadCollection> take(const std::string& path, bool multiSelect);
    // Waits until the reading has ended, keeping what it gave for take().
    void waitUntilRead();

private:
    // What tells one state of a file from another.
    struct FileStamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modifiedNs = 0;
        bool operator==(const FileStamp&) const = default;
    };
    // Shared with the reading thread, so that it may outlive this object.
    struct Reading {
        std::string path;
        bool multiSelect = true;
        std::optional<FileStamp> stamp;  // of the file read, set with result
        std::optional<ReadCollection> result;
    };
    static std::optional<FileStamp> stampOf(const std::string& path);
    static void read(Reading& reading);

    std::shared_ptr<Reading> reading_;
    std::thread thread_;
};
