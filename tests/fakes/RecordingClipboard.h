// A clipboard held in memory that records what was put on it. Like the system clipboard it holds one
// content at a time: whatever is put on it releases the outline data object that was there.
#pragma once

#include "platform/Clipboard.h"

#include <utility>
#include <vector>

class RecordingClipboard : public Clipboard {
public:
    std::optional<std::string> content;
    std::vector<std::string> calls;  // "setText <text>", "setTreeData"
    // Outline formats put there by another program (see putForeign).
    std::optional<TreeClipboardContent> foreign;
    bool refuse = false;      // the clipboard does not take data objects
    bool cannotOpen = false;  // reading the outline formats fails

    void setText(const std::string& text) override {
        calls.push_back("setText " + text);
        release();
        content = text;
    }
    std::optional<std::string> text() const override { return content; }

    bool setTreeData(TreeDataSource& source) override {
        calls.push_back("setTreeData");
        if (refuse)
            return false;
        release();
        source_ = &source;
        return true;
    }
    void detachTreeSource(TreeDataSource& source) override {
        if (source_ == &source) {
            foreign = current();
            source_ = nullptr;
        }
    }
    std::optional<TreeClipboardContent> treeContent() const override {
        if (cannotOpen)
            return std::nullopt;
        return current();
    }

    // Another program puts the outline formats (or, with an empty content, something else) on the clipboard.
    void putForeign(TreeClipboardContent outside) {
        release();
        foreign = std::move(outside);
    }

private:
    TreeClipboardContent current() const {
        if (source_)
            return {source_->treeData(), source_->treeReference()};
        return foreign.value_or(TreeClipboardContent{});
    }
    void release() {
        content.reset();
        foreign.reset();
        if (TreeDataSource* previous = std::exchange(source_, nullptr))
            previous->clipboardReleased();
    }

    TreeDataSource* source_ = nullptr;
};
