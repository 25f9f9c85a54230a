#include "Backups.h"

#include "FileIO.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path folderFor(const std::string& collectionPath) { return fs::path(collectionPath).parent_path() / "Backups"; }

std::string stemOf(const std::string& collectionPath) { return fs::path(collectionPath).stem().string(); }

// "YYYY-MM-DD HH.MM.SS" at the end of a backup's stem, read back into a time.
bool readStamp(const std::string& text, std::tm& taken) {
    int year, month, day, hour, minute, second;
    char end;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d.%2d.%2d%c", &year, &month, &day, &hour, &minute, &second, &end) != 6)
        return false;
    taken = {};
    taken.tm_year = year - 1900;
    taken.tm_mon = month - 1;
    taken.tm_mday = day;
    taken.tm_hour = hour;
    taken.tm_min = minute;
    taken.tm_sec = second;
    taken.tm_isdst = -1;
    return true;
}

} // namespace

std::string backupPathFor(const std::string& collectionPath, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H.%M.%S", &local);
    return (folderFor(collectionPath) / (stemOf(collectionPath) + " " + stamp + ".goto")).string();
}

std::string makeBackup(const std::string& collectionPath, std::time_t when) {
    std::error_code error;
    fs::create_directories(folderFor(collectionPath), error);
    if (error)
        throw FileError("Cannot create folder \"" + folderFor(collectionPath).string() + "\". " + error.message());
    const std::string backup = backupPathFor(collectionPath, when);
    writeFileSafely(backup, readWholeFile(collectionPath));
    const std::vector<Backup> all = listBackups(collectionPath);
    for (std::size_t i = kKeptBackups; i < all.size(); ++i)
        fs::remove(all[i].path, error);
    return backup;
}

std::vector<Backup> listBackups(const std::string& collectionPath) {
    std::vector<Backup> found;
    const std::string prefix = stemOf(collectionPath) + " ";
    std::error_code error;
    for (fs::directory_iterator it(folderFor(collectionPath), error), end; !error && it != end; it.increment(error)) {
        const fs::path& p = it->path();
        const std::string stem = p.stem().string();
        Backup backup;
        if (p.extension() != ".goto" || stem.compare(0, prefix.size(), prefix) != 0 ||
            !readStamp(stem.substr(prefix.size()), backup.taken) || !it->is_regular_file(error))
            continue;
        backup.path = p.string();
        found.push_back(std::move(backup));
    }
    // The stamps sort as text in time order.
    std::sort(found.begin(), found.end(), [](const Backup& a, const Backup& b) { return a.path > b.path; });
    return found;
}
