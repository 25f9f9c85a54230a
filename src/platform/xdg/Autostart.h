// The XDG autostart entry: "$XDG_CONFIG_HOME/autostart/<application id>.desktop", starting the
// program with "--hidden".
#pragma once

#include "platform/Autostart.h"

#include <string>

// The application id of the desktop entry, the icons and the metainfo.
inline constexpr const char* kApplicationId = "org.wendelmoor.Wendelmoor";

class XdgAutostart : public Autostart {
public:
    // configHome as XdgFolders names it; program the absolute path of the program to start.
    XdgAutostart(const std::string& configHome, std::string program);

    bool enabled() const override;
    std::string setEnabled(bool on) override;
    const std::string& entryPath() const { return entry_; }

    // The text of the entry for a program path (quoted as desktop entries need).
    static std::string entryText(const std::string& program);

private:
    std::string folder_;
    std::string entry_;
    std::string program_;
};
