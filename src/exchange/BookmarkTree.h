// The neutral bookmark tree every reader produces and the writer consumes: the folders and links of
// one source in document order, each with its depth, so that a whole browser's bookmarks are one
// flat vector (cheap to build, to walk and to drop when an import is cancelled). Its texts are the
// records' own kind of text, so that an import moves them into the new items instead of copying them.
#pragma once

#include "collection/ItemText.h"

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

struct Bookmark {
    enum class Kind : std::uint8_t { Folder, Link };
    Kind kind = Kind::Link;
    int depth = 0;  // 0 directly in the source; a folder's contents follow it one deeper
    ItemText title;
    ItemText url;
    ItemText description;
    std::vector<ItemText> tags;
    std::int64_t added = 0;  // seconds since 1970, 0 when unknown
};

// In pre-order: an entry's depth is at most one more than the entry before it, and only a folder
// is followed by deeper entries.
struct BookmarkTree {
    std::vector<Bookmark> items;
};

// A source that cannot be read. The message names the file and is shown as it stands.
class ExchangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised by a reader or writer that was told to stop.
class ExchangeCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

// Set from another thread to stop a long read or write; readers look at it now and then.
using CancelFlag = std::atomic<bool>;

inline void throwIfCancelled(const CancelFlag* cancel) {
    if (cancel && cancel->load(std::memory_order_relaxed))
        throw ExchangeCancelled();
}
