// A bookmarks file of any kind the program imports, recognised by its content rather than its name:
// an SQLite database (Firefox's places.sqlite), a JSON object (a Chromium-family "Bookmarks" file)
// or else an HTML bookmark file.
#pragma once

#include "exchange/BookmarkTree.h"

#include <string>
#include <string_view>

enum class BookmarkFormat { Html, FirefoxPlaces, Chromium };

BookmarkFormat recogniseBookmarkFormat(std::string_view firstBytes);

struct BookmarkFileContent {
    BookmarkTree tree;
    BookmarkFormat format = BookmarkFormat::Html;
};

// Throws ExchangeError naming the file when it cannot be read or is not a bookmarks file.
BookmarkFileContent readBookmarkFile(const std::string& path, const CancelFlag* cancel = nullptr);

// What an import from a chosen file is called: "Bookmarks file bookmarks.html".
std::string bookmarkFileLabel(const std::string& path, BookmarkFormat format);
