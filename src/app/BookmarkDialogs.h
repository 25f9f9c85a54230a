// The two choosers of the bookmark commands: which source to import from (the browser profiles found,
// or a file), and where to export to (with "Selected items only").
#pragma once

#include "app/BookmarkCommands.h"
#include "platform/BrowserWindows.h"
#include "platform/Dialogs.h"

#include <optional>
#include <vector>

class QWidget;

// A list of the profiles and "Bookmarks file…", and "Leave out bookmarks already in the collection"
// (ticked). Choosing the file entry asks for the file; nullopt when anything is cancelled.
std::optional<BookmarkImportChoice> chooseBookmarkImport(const std::vector<BookmarkSourceFile>& profiles,
                                                         Dialogs& dialogs, const std::string& startFolder, QWidget* parent);

// The file to write, chosen with a save dialog, and "Selected items only" (ticked when `selection`
// says there is a selection). nullopt when cancelled.
std::optional<BookmarkExportChoice> chooseBookmarkExport(bool selection, Dialogs& dialogs, const std::string& startFolder,
                                                         QWidget* parent);
