// Launching one item of an outline: the action its type calls for, carried out through the shell,
// the clipboard or a message, and the "Last visited" stamp. Every launch command ends here.
#pragma once

#include "collection/Clock.h"
#include "collection/Outline.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <string>

// How web items open; every launch command passes one of these.
namespace LaunchMode {
inline constexpr int NewBrowserWindow = 0; // a new window of the web browser ("IEXPLORE.EXE" " -new ")
inline constexpr int Embedded = 1;         // the embedded view, which opens nothing
inline constexpr int ShellDefault = 2;     // the address as it is, for the desktop's default handler
} // namespace LaunchMode

inline constexpr const char* kUrlEmpty = "Sorry! URL is empty.";
inline constexpr const char* kNoNodeSelected = "There was no node selected.";
// The programs the requests name; the shell maps them to the desktop's web browser and file manager.
inline constexpr const char* kBrowserProgram = "IEXPLORE.EXE";
inline constexpr const char* kBrowserNewWindow = " -new ";
inline constexpr const char* kFileManagerProgram = "explorer.exe";
inline constexpr const char* kFileManagerFolder = "/n, /e,";
// The web search: this prefix and the phrase, unencoded and without a scheme.
inline constexpr const char* kSearchAddressPrefix = "www.google.com/search?q=";

struct LaunchServices {
    Shell& shell;
    Clipboard& clipboard;
    Dialogs& dialogs;
    const Clock& clock;
};

// "Last visited: [" + the date in the system's short form + "] [" + getTime + "]".
std::string GetAccessInfo(const Clock& clock);
// The web search address for a phrase.
std::string searchAddress(const std::string& phrase);

class Launcher {
public:
    explicit Launcher(LaunchServices services) : s_(services) {}

    // Launches one item by its type in a launch mode; only Google Search items get a stamp.
    void BrowseNodeURL(Outline& tree, Node* item, int mode);
    // Launches one item by its type, as BrowseNodeURL does, and stamps it whatever its type (the
    // find bar and the quick launcher launch this way).
    void LaunchItem(Outline& tree, Node* item, int mode);
    // Launches the first selected item of the tree by the browse sequences' rules and stamps it,
    // whatever its type; "There was no node selected." when the tree has no focused item.
    void BrowseURL(Outline& tree, int mode);
    // Launches every selected item in document order; "There was no node selected." when none is.
    void OpenURL(Outline& tree, int mode);

    const LaunchServices& services() const { return s_; }

private:
    void open(const std::string& file, const std::string& parameters = {}, const std::string& directory = {});
    void print(const LinkItem& item);
    void sorry();
    void stamp(Outline& tree, Node* item);

    LaunchServices s_;
};
