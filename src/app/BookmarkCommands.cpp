#include "BookmarkCommands.h"

#include "collection/FileIO.h"
#include "exchange/BookmarkExport.h"
#include "exchange/BookmarkImport.h"
#include "exchange/HtmlBookmarks.h"

#include <optional>

Node* importBookmarks(Outline& tree, const BookmarkImportChoice& choice, BackgroundWork& work, Dialogs& dialogs,
                      std::string_view day) {
    std::optional<BookmarkFileContent> content;
    try {
        const bool finished = work.run("Importing bookmarks from " + choice.path + "…",
                                       [&](const std::atomic<bool>& cancel) { content = readBookmarkFile(choice.path, &cancel); });
        if (!finished)
            return nullptr;
    } catch (const std::exception& e) {
        dialogs.showError(e.what());
        return nullptr;
    }
    return attachBookmarks(tree, std::move(*content), choice, dialogs, day);
}

Node* attachBookmarks(Outline& tree, BookmarkFileContent content, const BookmarkImportChoice& choice, Dialogs& dialogs,
                      std::string_view day) {
    const std::string source = choice.label.empty() ? bookmarkFileLabel(choice.path, content.format) : choice.label;
    const KnownAddresses known = choice.leaveOutKnown ? addressesOf(tree) : KnownAddresses();
    PreparedImport prepared(std::move(content.tree), importGroupName(source, day), choice.leaveOutKnown ? &known : nullptr);
    Node* group = prepared.attachTo(tree);
    tree.setFocused(group);
    dialogs.showMessage(importSummaryText(prepared.summary()));
    return group;
}

bool exportBookmarks(const Outline& tree, const BookmarkExportChoice& choice, BackgroundWork& work, Dialogs& dialogs) {
    const CollectedBookmarks collected = collectBookmarks(tree, choice.selectedOnly);
    try {
        const bool finished = work.run("Exporting bookmarks to " + choice.path + "…", [&](const std::atomic<bool>& cancel) {
            const std::string html = writeHtmlBookmarks(collected.tree, &cancel);
            throwIfCancelled(&cancel);
            writeBookmarkFile(choice.path, html);
        });
        if (!finished)
            return false;
    } catch (const std::exception& e) {
        dialogs.showError(e.what());
        return false;
    }
    dialogs.showMessage(exportSummaryText(collected));
    return true;
}
