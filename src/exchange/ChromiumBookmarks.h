// The "Bookmarks" file of Chromium and the browsers built on it (JSON): the roots "bookmark_bar",
// "other" and "synced", each a folder of "url" and "folder" nodes. Read as a stream of JSON events,
// so that a large file never becomes a JSON tree in memory.
#pragma once

#include "exchange/BookmarkTree.h"

#include <string_view>

// Each root with anything in it becomes a top folder named as the file names it. Throws
// ExchangeError with the reason when the bytes are not such a file.
BookmarkTree readChromiumBookmarks(std::string_view bytes, const CancelFlag* cancel = nullptr);
