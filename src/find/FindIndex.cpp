#include "FindIndex.h"

#include "find/FoldedText.h"

#include <algorithm>
#include <limits>

namespace {

// More changed records than this at once are cheaper to fold all again.
constexpr std::size_t kMostRefolded = 64;
// Each change of structure followed costs a pass over the entries; past this many the next search
// folds everything instead.
constexpr int kMostStructureChanges = 8;

void appendJoined(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (field.empty())
            continue;
        if (!first)
            out += '\n'; // no word holds a line break, so no word runs from one field into the next
        appendFolded(out, field);
        first = false;
    }
}

} // namespace

FindIndex::FindIndex(Outline& outline) : outline_(outline) {
    outline_.addListener(this);
}

FindIndex::~FindIndex() {
    outline_.removeListener(this);
}

void FindIndex::recordChanged(Node* node) {
    if (stale_)
        return;
    changed_.push_back(node);
    if (changed_.size() > kMostRefolded)
        stale_ = true;
}

std::size_t FindIndex::indexOf(const Node* node) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].node == node)
            return i;
    return entries_.size();
}

std::size_t FindIndex::positionAfterPrevious(const Node* node) const {
    const Node* before = outline_.previous(node);
    return before ? indexOf(before) + 1 : 0;
}

std::size_t FindIndex::subtreeSize(Node* node) const {
    std::size_t count = 0;
    outline_.forEachInSubtree(node, [&count](const Node*) { ++count; });
    return count;
}

bool FindIndex::follow() {
    if (stale_)
        return false;
    if (++structureChanges_ > kMostStructureChanges) {
        stale_ = true;
        moving_.clear();
        return false;
    }
    return true;
}

void FindIndex::nodesInserted(Node* parent, int first, int last) {
    for (int row = first; row <= last && follow(); ++row) {
        Node* inserted = parent->child(row);
        const std::size_t at = positionAfterPrevious(inserted);
        if (at > entries_.size()) {
            stale_ = true;
            return;
        }
        // Folded at the next update: whoever inserted the node fills its record only now.
        std::vector<Entry> added;
        outline_.forEachInSubtree(inserted, [&](Node* n) {
            added.push_back(Entry{n, 0, 0, 0, 0, 0, 0, 0});
            changed_.push_back(n);
        });
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
        if (changed_.size() > kMostRefolded)
            stale_ = true;
    }
}

void FindIndex::nodesAboutToBeRemoved(Node* parent, int first, int last) {
    for (int row = first; row <= last && follow(); ++row) {
        Node* removed = parent->child(row);
        const std::size_t at = indexOf(removed);
        const std::size_t count = subtreeSize(removed);
        if (at + count > entries_.size()) {
            stale_ = true;
            return;
        }
        const auto begin = entries_.begin() + static_cast<std::ptrdiff_t>(at);
        for (auto e = begin; e != begin + static_cast<std::ptrdiff_t>(count); ++e)
            unusedText_ += e->end - e->start;
        entries_.erase(begin, begin + static_cast<std::ptrdiff_t>(count));
    }
}

void FindIndex::nodeAboutToBeMoved(Node* node, Node*, int) {
    if (!follow())
        return;
    const std::size_t at = indexOf(node);
    const std::size_t count = subtreeSize(node);
    if (at + count > entries_.size()) {
        stale_ = true;
        return;
    }
    const auto begin = entries_.begin() + static_cast<std::ptrdiff_t>(at);
    moving_.assign(begin, begin + static_cast<std::ptrdiff_t>(count));
    entries_.erase(begin, begin + static_cast<std::ptrdiff_t>(count));
}

void FindIndex::nodeMoved(Node* node) {
    if (stale_ || moving_.empty() || moving_.front().node != node) {
        stale_ = true;
        return;
    }
    const std::size_t at = positionAfterPrevious(node);
    if (at > entries_.size()) {
        stale_ = true;
        return;
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), moving_.begin(), moving_.end());
    moving_.clear();
}

FindIndex::Entry FindIndex::fold(Node* node) {
    const LinkItem& d = node->data;
    auto offset = [this] { return static_cast<std::uint32_t>(text_.size()); };
    Entry e{node, offset(), 0, 0, 0, 0, 0, d.ItemType};
    appendFolded(text_, std::string_view(d.Name));
    e.nameEnd = offset();
    appendFolded(text_, std::string_view(d.URL));
    e.urlEnd = offset();
    appendFolded(text_, std::string_view(d.Note));
    e.noteEnd = offset();
    if (!std::string_view(d.Note).empty())
        text_ += '\n';
    appendJoined(text_, {std::string_view(d.Text), std::string_view(d.Params), std::string_view(d.Dir),
                         std::string_view(d.Contact), std::string_view(d.Email)});
    e.othersEnd = offset();
    appendJoined(text_, {std::string_view(d.Keyword1), std::string_view(d.Keyword2), std::string_view(d.Keyword3),
                         std::string_view(d.Keyword4), std::string_view(d.Keyword5)});
    e.end = offset();
    return e;
}

void FindIndex::rebuild() {
    entries_.clear();
    text_.clear();
    unusedText_ = 0;
    changed_.clear();
    moving_.clear();
    structureChanges_ = 0;
    outline_.forEach([this](Node* node) { entries_.push_back(fold(node)); });
    // The index may cost at most a small share of the collection's own memory: no growth margin kept.
    if (entries_.capacity() > entries_.size() + entries_.size() / 4)
        entries_.shrink_to_fit();
    if (text_.capacity() > text_.size() + text_.size() / 4)
        text_.shrink_to_fit();
    stale_ = false;
}

void FindIndex::update() {
    // Offsets are 32 bits: a buffer near 4 GB is folded anew rather than overrun.
    const bool full = text_.size() > std::numeric_limits<std::uint32_t>::max() / 2;
    if (stale_ || full || unusedText_ > text_.size() / 2) {
        rebuild();
        return;
    }
    structureChanges_ = 0;
    if (changed_.empty())
        return;
    std::sort(changed_.begin(), changed_.end());
    changed_.erase(std::unique(changed_.begin(), changed_.end()), changed_.end());
    for (Entry& e : entries_) {
        if (!std::binary_search(changed_.begin(), changed_.end(), e.node))
            continue;
        unusedText_ += e.end - e.start;
        e = fold(e.node);
    }
    changed_.clear();
}

ItemTexts FindIndex::texts(std::size_t i, std::string_view (&views)[2]) const {
    const Entry& e = entries_[i];
    const char* t = text_.data();
    views[0] = std::string_view(t + e.urlEnd, e.othersEnd - e.urlEnd); // the note and the other fields
    views[1] = std::string_view(t + e.othersEnd, e.end - e.othersEnd);
    return ItemTexts{
        std::string_view(t + e.start, e.nameEnd - e.start),   std::string_view(t + e.nameEnd, e.urlEnd - e.nameEnd),
        std::string_view(t + e.urlEnd, e.noteEnd - e.urlEnd), std::span<const std::string_view>(&views[1], 1),
        std::span<const std::string_view>(&views[0], 1),      e.itemType};
}

std::size_t FindIndex::bytes() const {
    return entries_.capacity() * sizeof(Entry) + text_.capacity();
}
