#include "DocumentCommands.h"

#include <exception>

template <class Command> bool DocumentCommands::guarded(Command&& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        dialogs_.showError(e.what());
        return false;
    }
}

FileDialogRequest DocumentCommands::collectionDialog(const char* title) const {
    return {title, documents_.infoFolder(), "Wendelmoor files|*.goto", "goto"};
}

void DocumentCommands::loadStartCollection() {
    guarded([&] { documents_.LoadTree(startCollection_.empty() ? documents_.defaultCollectionPath() : startCollection_); });
}

void DocumentCommands::Open2Click() {
    std::optional<std::string> path = dialogs_.askOpenFileName(collectionDialog("Open"));
    if (path && fileExists(*path))
        guarded([&] { documents_.LoadTree(*path); });
}

void DocumentCommands::openCollection(const std::string& path) {
    if (!fileExists(path))
        dialogs_.showError("The collection \"" + path + "\" does not exist.");
    else
        guarded([&] { documents_.LoadTree(path); });
}

void DocumentCommands::Save_mp_Click() {
    guarded([&] {
        if (!documents_.Save())
            dialogs_.showMessage(kNoFileToSave);
    });
}

void DocumentCommands::SaveAs_mp_Click() {
    if (std::optional<std::string> path = dialogs_.askSaveFileName(collectionDialog("Save As")))
        guarded([&] { documents_.SaveTree(*path); });
}

bool DocumentCommands::FormClose() {
    return guarded([&] { documents_.SaveOnClose(); });
}
