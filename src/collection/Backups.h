// Backups of a collection file: copies of the file as it was before the program wrote over it, in a
// folder "Backups" beside it, named "<name without .goto> YYYY-MM-DD HH.MM.SS.goto" (local time),
// readable by their owner only. The newest kKeptBackups of each collection are kept.
#pragma once

#include <ctime>
#include <string>
#include <vector>

inline constexpr int kKeptBackups = 30;

struct Backup {
    std::string path;
    std::tm taken{};  // local time, from the name
};

// The backup's path for a collection at a local time.
std::string backupPathFor(const std::string& collectionPath, std::time_t when);

// Copies the collection file to its backup (made private), then deletes the oldest backups of that
// collection beyond kKeptBackups. Returns the backup's path. Throws FileError.
std::string makeBackup(const std::string& collectionPath, std::time_t when);

// The collection's backups, newest first. Files of other collections and other names are left out.
std::vector<Backup> listBackups(const std::string& collectionPath);
