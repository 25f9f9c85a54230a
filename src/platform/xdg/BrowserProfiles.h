// Where the user's browsers keep their profiles: Firefox's profiles.ini in its usual folder, the XDG
// configuration folder and the snap and Flatpak folders; the Chromium family's user data folders.
// "Add Active Links" reads sessions from them, "Import Bookmarks…" bookmarks.
#pragma once

#include "platform/xdg/XdgFolders.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct BrowserProfile {
    std::string browser;  // "Firefox", "Chromium", "Google Chrome"…
    std::string name;     // the profile's name: "default-release", "Default", "Profile 1"
    std::filesystem::path folder;
};

// Every Firefox profile the profiles.ini files list, each folder once, in their order.
std::vector<BrowserProfile> firefoxProfiles(const XdgFolders& folders);

// Whether a Firefox runs on this profile: its "lock" link names a process that is alive.
bool firefoxIsRunning(const std::filesystem::path& profile);

// A browser of the Chromium family: its user data folder and the name people know it by.
struct ChromiumBrowser {
    std::filesystem::path userData;
    std::string name;
};
std::vector<ChromiumBrowser> chromiumBrowsers(const XdgFolders& folders);

// Whether a browser of the Chromium family runs on the user data folder ("SingletonLock" exists).
bool chromiumIsRunning(const std::filesystem::path& userData);

// The profiles of a user data folder that pass `wanted`: "Default" first, then the others by name;
// the folder itself when it passes.
std::vector<std::filesystem::path> chromiumProfiles(const std::filesystem::path& userData,
                                                    const std::function<bool(const std::filesystem::path&)>& wanted);

// A bookmarks file of a profile, named for the import dialog: "Firefox (default-release)".
struct ProfileBookmarks {
    std::string label;
    std::filesystem::path file;  // places.sqlite or Bookmarks
};
std::vector<ProfileBookmarks> profileBookmarkFiles(const XdgFolders& folders);
