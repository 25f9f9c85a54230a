// The user's folders as the XDG base directory rules name them: where browsers keep their profiles
// and their caches, where an installed program keeps the user's collections and its autostart entry.
#pragma once

#include <string>
#include <string_view>

struct XdgFolders {
    std::string home;       // $HOME
    std::string configHome; // $XDG_CONFIG_HOME, else ~/.config
    std::string cacheHome;  // $XDG_CACHE_HOME, else ~/.cache
    std::string dataHome;   // $XDG_DATA_HOME, else ~/.local/share

    // From the environment of this process; a relative XDG folder is ignored, as the rules say.
    static XdgFolders ofThisProcess();
};

// Where Chromium and the browsers built on it keep their user data, relative to the configuration
// folder, and their caches, relative to the cache folder (the same names), in the order their open
// tabs are taken.
inline constexpr std::string_view kChromiumFamilyFolders[] = {
    "chromium",
    "google-chrome",
    "google-chrome-beta",
    "google-chrome-unstable",
    "BraveSoftware/Brave-Browser",
    "microsoft-edge",
    "microsoft-edge-beta",
    "microsoft-edge-dev",
    "vivaldi",
    "opera",
};
