// Keeps two programs from holding one collection file: the document takes a file's lock before it
// makes the file its own, and gives the lock of the file it leaves back.
#pragma once

#include <stdexcept>
#include <string>

class CollectionLock {
public:
    virtual ~CollectionLock() = default;
    // Takes the lock of the collection at `path` (a lock this program holds already answers true).
    // False when another running program holds it; `holder` then says which, for the message.
    virtual bool take(const std::string& path, std::string& holder) = 0;
    virtual void release(const std::string& path) = 0;
};

// Another program holds the collection: it is not opened, and nothing else changed.
class CollectionInUseError : public std::runtime_error {
public:
    explicit CollectionInUseError(const std::string& text) : std::runtime_error(text) {}
};
