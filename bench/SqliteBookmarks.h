// A bookmarks table in a SQLite database, shaped like a browser's moz_bookmarks (id, type, parent,
// position, title, plus the address in a url column), the second yardstick for the collection file.
#pragma once

#include "collection/Outline.h"

#include <string>

inline constexpr int kSqliteBookmark = 1; // the type column: 1 a bookmark, 2 a folder
inline constexpr int kSqliteFolder = 2;

// Creates the database file with one table "bookmarks" and an index on (parent, position). Row 1 is
// the root folder; groups become folders, every other item a bookmark.
void writeSqliteBookmarks(const Outline& outline, const std::string& path);

// Empties the outline and fills it from the table, read with one query ordered by parent and
// position: Name from title, URL from url, ItemType Group for folders and Url for the rest. The
// children of the root row (parent 0) become top-level nodes. Throws on a database that cannot be read.
void readSqliteBookmarks(Outline& outline, const std::string& path);
