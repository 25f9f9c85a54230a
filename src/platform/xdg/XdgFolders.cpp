#include "XdgFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

XdgFolders XdgFolders::ofThisProcess() {
    XdgFolders folders;
    folders.home = variable("HOME");
    if (folders.home.empty())
        if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir)
            folders.home = user->pw_dir;
    const std::string config = variable("XDG_CONFIG_HOME");
    const std::string cache = variable("XDG_CACHE_HOME");
    const std::string data = variable("XDG_DATA_HOME");
    folders.configHome = config.starts_with('/') ? config : folders.home + "/.config";
    folders.cacheHome = cache.starts_with('/') ? cache : folders.home + "/.cache";
    folders.dataHome = data.starts_with('/') ? data : folders.home + "/.local/share";
    return folders;
}
