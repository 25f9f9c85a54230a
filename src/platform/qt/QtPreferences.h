// The preferences in one settings file (QSettings, INI form): by default
// $XDG_CONFIG_HOME/wendelmoor/wendelmoor.conf (~/.config when the variable is not set).
#pragma once

#include "platform/Preferences.h"

#include <string>

class QtPreferences : public Preferences {
public:
    explicit QtPreferences(std::string file) : file_(std::move(file)) {}
    // The file of the user running the program.
    static std::string userFile();

    const std::string& file() const { return file_; }
    std::string value(const std::string& name) const override;
    bool setValue(const std::string& name, const std::string& text) override;

private:
    std::string file_;
};
