// Where the program reads its skins and help pages, and where it keeps the user's collection, "Info/"
// and "Backups/". Run from a folder it may write (the build's program folder, a copy on a USB stick),
// both are that folder, as they always were. Installed (a "bin" folder with "../share/wendelmoor/"
// beside it, or a folder it may not write), the user's files live in $XDG_DATA_HOME/wendelmoor/ and
// the skins and help pages come from the install's share folder. This is the one place that decides.
#pragma once

#include <string>

struct AppFolders {
    std::string resources; // skins and help pages; ends with "/"
    std::string data;      // the collection "links.goto", "Info/", "Backups/"; ends with "/"

    bool installed() const { return resources != data; }

    // Everything beside the program, as for a program run from its own folder.
    static AppFolders beside(std::string programFolder);
    // The folders of a program in programFolder (ends with "/"), with dataHome the user's XDG data
    // folder ($XDG_DATA_HOME, else ~/.local/share).
    static AppFolders decide(const std::string& programFolder, const std::string& dataHome);

    // Makes the data folder and its "Info/" where they are missing (the first start of an installed
    // program); the error text for the user, empty when the folders exist.
    std::string makeDataFolder() const;
};
