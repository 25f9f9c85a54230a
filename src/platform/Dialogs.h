// Message boxes, file dialogs and the colour chooser: every text the program shows to the user goes
// through here, so a test can read exactly what was shown and answer the dialogs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct FileDialogRequest {
    std::string title;
    std::string startFolder;
    std::string filter;            // as "Wendelmoor files|*.goto"
    std::string defaultExtension;  // without the dot, as "goto"
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal information message with an OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A modal warning with a warning icon and an OK button.
    virtual void showWarning(const std::string& text) = 0;
    // A modal error message: the program's general error display.
    virtual void showError(const std::string& text) = 0;
    // An open-file dialog; the chosen file exists. nullopt when cancelled.
    virtual std::optional<std::string> askOpenFileName(const FileDialogRequest& request) = 0;
    // A save-file dialog without an overwrite question. nullopt when cancelled.
    virtual std::optional<std::string> askSaveFileName(const FileDialogRequest& request) = 0;
    // A colour chooser starting at a colour value 0x00BBGGRR; the chosen value, nullopt when cancelled.
    virtual std::optional<std::int32_t> askColor(std::int32_t initial) = 0;
};
