#include "AppFolders.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

} // namespace

AppFolders AppFolders::beside(std::string programFolder) {
    programFolder = withSlash(std::move(programFolder));
    return {programFolder, programFolder};
}

AppFolders AppFolders::decide(const std::string& programFolder, const std::string& dataHome) {
    const fs::path program = fs::path(withSlash(programFolder)).parent_path();
    const fs::path share = program.parent_path() / "share" / "wendelmoor";
    // An install layout wins even where the folder is writable (a prefix in the user's home, or a
    // program run as root), so that links.goto never lands in a "bin" folder.
    const bool installLayout = program.filename() == "bin" && isFolder(share);
    if (!installLayout && ::access(program.c_str(), W_OK) == 0)
        return beside(programFolder);
    AppFolders folders;
    folders.resources = installLayout ? withSlash(share.string()) : withSlash(programFolder);
    folders.data = withSlash(dataHome) + "wendelmoor/";
    return folders;
}

std::string AppFolders::makeDataFolder() const {
    std::error_code error;
    fs::create_directories(fs::path(data) / "Info", error);
    if (error)
        return "The folder \"" + data + "Info/\" for your collections could not be made: " + error.message() + ".";
    return {};
}
