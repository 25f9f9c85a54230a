// The main window's handlers for importing and exporting browser bookmarks.
#include "app/TForm1.h"

#include "app/BookmarkCommands.h"
#include "app/BookmarkDialogs.h"
#include "exchange/BookmarkImport.h"

void TForm1::ImportBookmarks1Click() {
    if (auto choice = chooseBookmarkImport(services_.browserWindows.bookmarkFiles(), services_.dialogs, documents_.infoFolder(), this))
        importBookmarkChoice(*choice);
}

void TForm1::ExportBookmarks1Click() {
    if (auto choice = chooseBookmarkExport(linksTree_.selectedCount() > 0, services_.dialogs, documents_.infoFolder(), this))
        exportBookmarks(linksTree_, *choice, services_.backgroundWork, services_.dialogs);
}

void TForm1::importBookmarkFile(const std::string& path, BookmarkFileContent content) {
    UndoStepScope step(undo_, "Import Bookmarks");
    if (attachBookmarks(linksTree_, std::move(content), {path, "", true}, services_.dialogs, todayText()))
        GetBookmarks1Click();
}

void TForm1::importBookmarkPath(const std::string& path) {
    UndoStepScope step(undo_, "Import Bookmarks");
    importBookmarkChoice({path, "", true});
}

// The tag list's group view is rebuilt so that it lists the new group.
void TForm1::importBookmarkChoice(const BookmarkImportChoice& choice) {
    if (importBookmarks(linksTree_, choice, services_.backgroundWork, services_.dialogs, todayText()))
        GetBookmarks1Click();
}
