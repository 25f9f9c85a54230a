#include "BackupCommands.h"

#include "collection/Backups.h"
#include "collection/FileIO.h"
#include "collection/NodeStream.h"

#include <ctime>
#include <exception>
#include <memory>

namespace {

// The backup read whole; throws StreamError or FileError.
std::unique_ptr<Outline> readBackup(const std::string& path, bool multiSelect = true) {
    auto outline = std::make_unique<Outline>(multiSelect);
    readOutline(*outline, readWholeFile(path));
    return outline;
}

std::string groupedCount(int count) {
    std::string digits = std::to_string(count);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), " ");
    return digits;
}

} // namespace

std::vector<BackupEntry> backupEntries(const std::string& collectionPath) {
    std::vector<BackupEntry> entries;
    for (const Backup& backup : listBackups(collectionPath)) {
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &backup.taken);
        std::string caption = std::string(stamp) + " \u2014 ";
        try {
            const int count = readBackup(backup.path)->totalCount();
            caption += groupedCount(count) + (count == 1 ? " item" : " items");
        } catch (const std::exception&) {
            caption += "damaged";
        }
        entries.push_back({backup.path, caption});
    }
    return entries;
}

bool RestoreBackup(Outline& links, const std::string& backupPath, Dialogs& dialogs) {
    std::unique_ptr<Outline> backup;
    try {
        backup = readBackup(backupPath, links.multiSelect());
    } catch (const std::exception& e) {
        dialogs.showError(std::string(e.what()) + "\n\nThe backup \"" + backupPath + "\" was not restored; nothing was changed.");
        return false;
    }
    // Top-level node by top-level node (each with its subtree), as the undo history records them.
    while (!links.isEmpty())
        links.deleteNode(links.root()->child(links.rootCount() - 1));
    while (!backup->isEmpty())
        links.takeNode(*backup, backup->root()->child(0), nullptr, AttachMode::LastChild);
    if (!links.isEmpty())
        links.setFocused(links.root()->child(0));
    return true;
}
