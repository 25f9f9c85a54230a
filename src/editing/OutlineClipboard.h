// Cut, copy and paste of a tree's items through the system clipboard, in the outline's two formats.
// Copied and cut items are marked in the tree; the data is produced from the marked items when a
// consumer asks for it, and the marks (and a pending cut) last until something else takes the
// clipboard.
#pragma once

#include "collection/Outline.h"
#include "platform/Clipboard.h"

#include <cstdint>

class Dialogs;

inline constexpr const char* kClipboardFailed = "Clipboard operation failed.";

class OutlineClipboard final : private TreeDataSource {
public:
    // `treeReference` tells this tree apart from the program's other trees; `processId` is the
    // running program's, so that a paste recognises data that came from this very tree.
    OutlineClipboard(Outline& tree, std::uint32_t treeReference, std::uint32_t processId, Clipboard& clipboard,
                     Dialogs& dialogs);
    ~OutlineClipboard();
    OutlineClipboard(const OutlineClipboard&) = delete;
    OutlineClipboard& operator=(const OutlineClipboard&) = delete;

    // Puts the selected items on the clipboard and marks them as copy source; nothing selected does nothing.
    void CopyNode();
    // As CopyNode, but the items are marked as cut source and stay where they are until a paste moves them.
    void CutNode();
    // The clipboard's items become the last children of the focused item (the last top-level items
    // with nothing focused): a pending cut of this tree moves the marked items there; any other data
    // is read whole, then inserted as full copies. Data without the outline's format pastes nothing.
    void PasteNode();

    bool cutPending() const { return cutPending_; }

private:
    void putOnClipboard(ClipboardMark mark);
    void moveCutItems(Node* target);
    void pasteCopies(const std::vector<std::uint8_t>& block, Node* target);
    bool namesThisTree(const std::vector<std::uint8_t>& reference) const;

    std::vector<std::uint8_t> treeData() const override;
    std::vector<std::uint8_t> treeReference() const override;
    void clipboardReleased() override;

    Outline& tree_;
    std::uint32_t treeReference_;
    std::uint32_t processId_;
    Clipboard& clipboard_;
    Dialogs& dialogs_;
    bool marked_ = false;  // items of the tree carry marks (a walk over the tree clears them)
    bool cutPending_ = false;
};
