// The system clipboard: plain text, and the outline's own two formats.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The outline's clipboard formats, registered under these names.
inline constexpr const char* kTreeDataFormat = "Virtual Tree Data";
inline constexpr const char* kTreeReferenceFormat = "Virtual Tree Reference";

// Produces the outline's formats when a consumer asks for them, so the data shows the items as they
// are at that moment, and hears when its data object leaves the clipboard.
class TreeDataSource {
public:
    // "Virtual Tree Data": a signed 32-bit byte count, then the node chunks.
    virtual std::vector<std::uint8_t> treeData() const = 0;
    // "Virtual Tree Reference": the process id and the tree's reference, 32 bits each.
    virtual std::vector<std::uint8_t> treeReference() const = 0;
    // Something else was put on the clipboard (by this program or another one).
    virtual void clipboardReleased() = 0;

protected:
    ~TreeDataSource() = default;
};

// What the clipboard offers in the outline's formats; a format not offered is absent.
struct TreeClipboardContent {
    std::optional<std::vector<std::uint8_t>> data;
    std::optional<std::vector<std::uint8_t>> reference;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Puts plain text (stored bytes, shown with the display rule) on the clipboard.
    virtual void setText(const std::string& text) = 0;
    // The clipboard's plain text as UTF-8; nullopt when it holds no text.
    virtual std::optional<std::string> text() const = 0;

    // Puts a data object offering both outline formats, produced by `source` on demand; false when
    // the clipboard did not take it.
    virtual bool setTreeData(TreeDataSource& /*source*/) { return false; }
    // The source goes away: a data object of it still on the clipboard keeps what the source would
    // produce now, and the source is not called again.
    virtual void detachTreeSource(TreeDataSource& /*source*/) {}
    // The outline formats on the clipboard; nullopt when the clipboard cannot be read.
    virtual std::optional<TreeClipboardContent> treeContent() const { return TreeClipboardContent{}; }
};
