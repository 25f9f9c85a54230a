// The folded texts (FoldedText.h) of every item of an outline, in document order, in one buffer: a
// search reads them from there instead of from the items themselves, which lie far apart in memory.
// It follows the outline's change stream: an item whose record changed, or that was inserted, is
// folded again before the next search; a removed or moved item's texts go or move with it. Many
// changes at once (and a reset) make the next search fold everything anew, which costs about what
// one search over the items themselves costs. So a search never sees a stale text.
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
        std::uint32_t start, nameEnd, urlEnd, noteEnd, othersEnd, end; // keywords from othersEnd to end
        std::int32_t itemType; // here too: a search should not have to touch the item
    };

    void rebuild();
    Entry fold(Node* node);

    // The position of a node's entry, or of the entry after the one of the node before it.
    std::size_t indexOf(const Node* node) const;
    std::size_t positionAfterPrevious(const Node* node) const;
    std::size_t subtreeSize(Node* node) const;
    // Counts a change of structure; false (and the index stale) once there were too many to follow.
    bool follow();

    void nodesInserted(Node* parent, int first, int last) override;
    void nodesAboutToBeRemoved(Node* parent, int first, int last) override;
    void nodeAboutToBeMoved(Node* node, Node* newParent, int destinationRow) override;
    void nodeMoved(Node* node) override;
    void recordChanged(Node* node) override;
    void aboutToReset() override { stale_ = true; }
    void reset() override { stale_ = true; }

    Outline& outline_;
    std::vector<Entry> entries_;
    std::string text_;
    std::size_t unusedText_ = 0; // bytes of texts folded again, left behind in the buffer
    std::vector<Node*> changed_; // records changed or inserted since the last update
    std::vector<Entry> moving_;  // the entries of a subtree between about-to-move and moved
    int structureChanges_ = 0;   // since the last update
    bool stale_ = true;
};
