// The HTML bookmark file every browser and most bookmark services write ("NETSCAPE-Bookmark-file-1"):
// <DT><H3> folders with their <DL> lists, <DT><A HREF> links with ADD_DATE and TAGS, <DD>
// descriptions. Reading goes through libxml2's HTML parser in its streaming form, which copes with
// the tag soup these files are (unclosed <DT> and <p>, character references, a META charset).
#pragma once

#include "exchange/BookmarkTree.h"

#include <string>
#include <string_view>

// Separators and "place:" queries are left out. Throws ExchangeError with the reason (as "it is not
// a bookmark file") when the bytes hold no bookmark list.
BookmarkTree readHtmlBookmarks(std::string_view bytes, const CancelFlag* cancel = nullptr);
// The same from a file, read a piece at a time so that a large file is never held whole.
BookmarkTree readHtmlBookmarkFile(const std::string& path, const CancelFlag* cancel = nullptr);

// The file browsers import back with the same folder tree: UTF-8, every text escaped.
std::string writeHtmlBookmarks(const BookmarkTree& tree, const CancelFlag* cancel = nullptr);
