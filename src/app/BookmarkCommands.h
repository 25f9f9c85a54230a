// "Import Bookmarks…" and "Export Bookmarks…" once the user has chosen: the reading or writing runs
// as background work (with "Cancel"), the outline is changed only on the window's thread and only at
// the end, and what happened is told through Dialogs.
#pragma once

#include "collection/Outline.h"
#include "exchange/BookmarkFile.h"
#include "platform/BackgroundWork.h"
#include "platform/Dialogs.h"

#include <string>
#include <string_view>

struct BookmarkImportChoice {
    std::string path;   // places.sqlite, a Bookmarks file or an HTML bookmark file
    std::string label;  // the source's name for the new group; empty: named after the file
    bool leaveOutKnown = true;  // leave out bookmarks whose address the collection holds
};

// Adds the source as one new top-level Group, focused, and shows the summary; nullptr (and the
// collection unchanged) when the source cannot be read, after its error was shown, or when cancelled.
Node* importBookmarks(Outline& tree, const BookmarkImportChoice& choice, BackgroundWork& work, Dialogs& dialogs,
                      std::string_view day);

// The same for a source already read (the command line reads it before the window exists).
Node* attachBookmarks(Outline& tree, BookmarkFileContent content, const BookmarkImportChoice& choice, Dialogs& dialogs,
                      std::string_view day);

struct BookmarkExportChoice {
    std::string path;
    bool selectedOnly = false;
};

// Writes the HTML bookmark file and shows the summary; false when it failed (the error was shown)
// or was cancelled (an existing file then stays as it was).
bool exportBookmarks(const Outline& tree, const BookmarkExportChoice& choice, BackgroundWork& work, Dialogs& dialogs);
