#include "UndoStep.h"

#include "LinkItemRecord.h"

#include <string_view>
#include <utility>
#include <vector>

namespace {

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// A record's memory: its fixed part and the bytes of its texts.
std::size_t recordBytes(const LinkItem& r) { return sizeof(LinkItem) + linkItemSize(r) - kEmptyRecordSize; }

[[noreturn]] void missing() { throw UndoError("A recorded item is no longer where it was."); }

Node* attached(const Outline& outline, Node* node) {
    if (!outline.contains(node))
        missing();
    return node;
}

// Moves the node so that it lands at `row` of `parent`, rows counted with the node in its new place.
void moveTo(Outline& outline, Node* node, Node* parent, int row) {
    if (row < 0 || row > parent->childCount() - (node->parent() == parent ? 1 : 0))
        missing();
    if (node->parent() == parent) {
        if (row < node->index())
            outline.moveNode(node, parent->child(row), AttachMode::Before);
        else if (row > node->index())
            outline.moveNode(node, parent->child(row), AttachMode::After);
    } else if (row < parent->childCount()) {
        outline.moveNode(node, parent->child(row), AttachMode::Before);
    } else {
        outline.moveNode(node, parent, AttachMode::LastChild);
    }
}

} // namespace

KeptNodes::KeptNodes(Outline& outline, std::vector<Node*> nodes) : outline_(&outline), nodes_(std::move(nodes)) {}

KeptNodes::KeptNodes(KeptNodes&& other) noexcept
    : outline_(other.outline_), nodes_(std::exchange(other.nodes_, {})) {}

KeptNodes& KeptNodes::operator=(KeptNodes&& other) noexcept {
    if (this != &other) {
        for (Node* n : nodes_)
            outline_->destroyDetached(n);
        outline_ = other.outline_;
        nodes_ = std::exchange(other.nodes_, {});
    }
    return *this;
}

KeptNodes::~KeptNodes() {
    for (Node* n : nodes_)
        outline_->destroyDetached(n);
}

std::vector<Node*> KeptNodes::release() { return std::exchange(nodes_, {}); }

OutlineMarks OutlineMarks::of(const Outline& outline, Node* focus) {
    return OutlineMarks{focus, outline.selection()};
}

std::size_t UndoStep::countBytes() const {
    std::size_t total = sizeof(UndoStep) + name.capacity() + before.bytes() + after.bytes() +
                        changes.capacity() * sizeof(OutlineChange);
    std::vector<const Node*> kept;  // every node the step keeps, the removed ones and those below
    for (const OutlineChange& change : changes) {
        if (const auto* removed = std::get_if<RemovedNodes>(&change)) {
            total += removed->kept.nodes().capacity() * sizeof(Node*);
            kept.insert(kept.end(), removed->kept.nodes().begin(), removed->kept.nodes().end());
        } else if (const auto* edited = std::get_if<EditedRecord>(&change)) {
            total += recordBytes(*edited->before);
        }
    }
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const Node* n = kept[i];
        total += sizeof(Node) + n->children().capacity() * sizeof(Node*) + recordBytes(n->data) - sizeof(LinkItem);
        kept.insert(kept.end(), n->children().begin(), n->children().end());
    }
    return total;
}

void applyInverse(Outline& outline, OutlineChange& change) {
    std::visit(Overloaded{
                   [&](InsertedNodes& c) {
                       Node* parent = attached(outline, c.parent);
                       if (c.first < 0 || c.last >= parent->childCount())
                           missing();
                       for (int row = c.last; row >= c.first; --row)
                           outline.deleteNode(parent->child(row));
                   },
                   [&](RemovedNodes& c) {
                       Node* parent = attached(outline, c.parent);
                       if (c.first < 0 || c.first > parent->childCount())
                           missing();
                       std::vector<Node*> nodes = c.kept.release();
                       std::size_t put = 0;
                       try {
                           for (; put < nodes.size(); ++put)
                               outline.reattach(nodes[put], parent, c.first + static_cast<int>(put));
                       } catch (...) {
                           c.kept = KeptNodes(outline, {nodes.begin() + static_cast<std::ptrdiff_t>(put), nodes.end()});
                           throw;
                       }
                   },
                   [&](MovedNode& c) {
                       moveTo(outline, attached(outline, c.node), attached(outline, c.fromParent), c.fromRow);
                   },
                   [&](EditedRecord& c) {
                       Node* node = attached(outline, c.node);
                       // Launch stamps and fired flags are not taken back.
                       LinkItem record = *c.before;
                       record.AccessInfo = std::string_view(node->data.AccessInfo);
                       record.Fired = node->data.Fired;
                       outline.setRecord(node, record);
                   },
               },
               change);
}

void restoreSelection(Outline& outline, const OutlineMarks& marks) {
    OutlineStatesUpdate states(outline);
    outline.clearSelection();
    for (Node* n : marks.selection)
        if (outline.contains(n))
            outline.setSelected(n, true);
}

Node* changedItem(const Outline& outline, const OutlineChange& change) {
    Node* item = nullptr;
    if (const auto* c = std::get_if<InsertedNodes>(&change))
        item = c->parent;
    else if (const auto* c = std::get_if<RemovedNodes>(&change))
        item = outline.contains(c->parent) && c->first < c->parent->childCount() ? c->parent->child(c->first) : c->parent;
    else if (const auto* c = std::get_if<MovedNode>(&change))
        item = c->node;
    else if (const auto* c = std::get_if<EditedRecord>(&change))
        item = c->node;
    return item && item != outline.root() && outline.contains(item) ? item : nullptr;
}
