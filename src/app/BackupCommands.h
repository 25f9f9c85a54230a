// "Restore Backup…": the backups of the open collection, and putting one back in place of the
// outline's content as one change (one undoable step), the collection's path kept so that the next
// save writes it there.
#pragma once

#include "collection/Outline.h"
#include "platform/Dialogs.h"

#include <string>
#include <vector>

struct BackupEntry {
    std::string path;
    std::string caption;  // "2026-03-04 05:06:07 — 1 234 items", or what is wrong with the file
};

// The collection's backups, newest first.
std::vector<BackupEntry> backupEntries(const std::string& collectionPath);

// Replaces the outline's content with the backup's. A backup that cannot be read shows the reader's
// error and changes nothing. True when restored.
bool RestoreBackup(Outline& links, const std::string& backupPath, Dialogs& dialogs);

inline constexpr const char* kNoBackups = "There are no backups of this collection yet.";
