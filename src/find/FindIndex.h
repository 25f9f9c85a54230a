// The folded texts (FoldedText.h) of every item of an outline, in document order, in one buffer: a
// search reads them from there instead of from the items themselves, which lie far apart in memory.
// It follows the outline's change stream: an item whose record changed is folded again before the
// next search, and a change of structure (insert, remove, move, reset) makes the next search fold
// everything anew. So a search never sees a stale text.
#pragma once

#include "collection/Outline.h"
#include "find/ItemMatch.h"

#include <cstdint>
#include <string>
#include <vector>

class FindIndex final : private OutlineListener {
public:
    explicit FindIndex(Outline& outline);
    ~FindIndex() override;
    FindIndex(const FindIndex&) = delete;
    FindIndex& operator=(const FindIndex&) = delete;

    // Brings the texts up to date with the outline.
    void update();

    std::size_t size() const { return entries_.size(); }
    Node* node(std::size_t i) const { return entries_[i].node; }
    // The texts of entry i; `views` holds the spans' views and must outlive the answer.
    ItemTexts texts(std::size_t i, std::string_view (&views)[2]) const;
    // The memory the index holds, in bytes.
    std::size_t bytes() const;

private:
    struct Entry {
        Node* node;
        std::uint32_t start, nameEnd, urlEnd, noteEnd, othersEnd, end;  // keywords from othersEnd to end
        std::int32_t itemType;  // here too: a search should not have to touch the item
    };

    void rebuild();
    Entry fold(Node* node);

    void nodesInserted(Node*, int, int) override { stale_ = true; }
    void nodesAboutToBeRemoved(Node*, int, int) override { stale_ = true; }
    void nodeMoved(Node*) override { stale_ = true; }
    void recordChanged(Node* node) override;
    void aboutToReset() override { stale_ = true; }
    void reset() override { stale_ = true; }

    Outline& outline_;
    std::vector<Entry> entries_;
    std::string text_;
    std::size_t unusedText_ = 0;     // bytes of texts folded again, left behind in the buffer
    std::vector<Node*> changed_;     // records changed since the last update
    bool stale_ = true;
};
