// The document commands of the main window: start-up load, "Open", "Save", "Save As" and the save on
// closing. Errors from below reach the user through the general error display (Dialogs::showError).
#pragma once

#include "collection/Documents.h"
#include "platform/Dialogs.h"

class DocumentCommands {
public:
    DocumentCommands(Documents& documents, Dialogs& dialogs) : documents_(documents), dialogs_(dialogs) {}

    // Start-up: the collection given on the command line, else "links.goto" in the data folder.
    void setStartCollection(std::string path) { startCollection_ = std::move(path); }
    void loadStartCollection();
    void Open2Click();
    // Opens the collection at path, as "Open" does after its dialog (a second start hands it over).
    void openCollection(const std::string& path);
    void Save_mp_Click();
    void SaveAs_mp_Click();
    // Closing the window writes the collection. When that fails the error is shown and the answer is
    // false: the window stays open so that the user can save elsewhere instead of losing the work.
    bool FormClose();

private:
    FileDialogRequest collectionDialog(const char* title) const;
    // Runs a command; an error raised below it is shown and ends the command. True when none was.
    template <class Command> bool guarded(Command&& command);

    Documents& documents_;
    Dialogs& dialogs_;
    std::string startCollection_;
};
