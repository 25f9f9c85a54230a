#include "UndoStep.h"

#include "LinkItemRecord.h"

#include <algorithm>
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

std::size_t UndoStep::countBytes() const {
    auto selectionBytes = [](const OutlineMarks& marks) { return marks.selection ? marks.selection->bytes() : 0; };
    std::size_t total = sizeof(UndoStep) + name.capacity() + selectionBytes(before) +
                        (after.selection == before.selection ? 0 : selectionBytes(after)) +
                        changes.capacity() * sizeof(OutlineChange);
    std::vector<const Node*> kept;  // every node the step keeps, the removed ones and those below
    for (const OutlineChange& change : changes) {
        if (const auto* inserted = std::get_if<InsertedNodes>(&change)) {
            total += inserted->insertions.capacity() * sizeof(InsertedRows);
        } else if (const auto* moved = std::get_if<MovedNodes>(&change)) {
            total += moved->moves.capacity() * sizeof(MovedNode);
        } else if (const auto* removed = std::get_if<RemovedNodes>(&change)) {
            total += removed->kept.nodes().capacity() * sizeof(Node*) + removed->places.capacity() * sizeof(RemovalPlace);
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
                       for (auto i = c.insertions.rbegin(); i != c.insertions.rend(); ++i) {
                           Node* parent = attached(outline, i->parent);
                           if (i->first < 0 || i->last >= parent->childCount())
                               missing();
                           for (int row = i->last; row >= i->first; --row)
                               outline.deleteNode(parent->child(row));
                       }
                   },
                   [&](RemovedNodes& c) {
                       // Newest removal first; on a failure the nodes not yet put back stay kept.
                       std::vector<Node*> nodes = c.kept.release();
                       std::size_t left = nodes.size();
                       try {
                           for (; left > 0; --left) {
                               const RemovalPlace& place = c.places[left - 1];
                               Node* parent = attached(outline, place.parent);
                               if (place.row < 0 || place.row > parent->childCount())
                                   missing();
                               outline.reattach(nodes[left - 1], parent, place.row);
                           }
                       } catch (...) {
                           nodes.resize(left);
                           c.places.resize(left);
                           c.kept = KeptNodes(outline, std::move(nodes));
                           throw;
                       }
                   },
                   [&](MovedNodes& c) {
                       for (auto m = c.moves.rbegin(); m != c.moves.rend(); ++m)
                           moveTo(outline, attached(outline, m->node), attached(outline, m->fromParent), m->fromRow);
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
    if (!marks.selection || !marks.selection->taken)
        return;
    OutlineStatesUpdate states(outline);
    outline.clearSelection();
    for (Node* n : marks.selection->nodes)
        if (outline.contains(n))
            outline.setSelected(n, true);
}

std::size_t operationCount(const OutlineChange& change) {
    return std::visit(Overloaded{
                          [](const InsertedNodes& c) {
                              std::size_t rows = 0;
                              for (const InsertedRows& i : c.insertions)
                                  rows += static_cast<std::size_t>(i.last - i.first + 1);
                              return rows;
                          },
                          [](const RemovedNodes& c) { return c.places.size(); },
                          [](const MovedNodes& c) { return c.moves.size(); },
                          [](const EditedRecord&) { return std::size_t{1}; },
                      },
                      change);
}

bool changesTopLevel(const Outline& outline, const OutlineChange& change) {
    const Node* root = outline.root();
    auto anyOf = [](const auto& run, auto&& test) { return std::any_of(run.begin(), run.end(), test); };
    return std::visit(Overloaded{
                          [&](const InsertedNodes& c) {
                              return anyOf(c.insertions, [&](const InsertedRows& i) { return i.parent == root; });
                          },
                          [&](const RemovedNodes& c) {
                              return anyOf(c.places, [&](const RemovalPlace& p) { return p.parent == root; });
                          },
                          [&](const MovedNodes& c) {
                              return anyOf(c.moves, [&](const MovedNode& m) {
                                  return m.fromParent == root || (outline.contains(m.node) && m.node->parent() == root);
                              });
                          },
                          [&](const EditedRecord& c) { return outline.contains(c.node) && c.node->parent() == root; },
                      },
                      change);
}

Node* changedItem(const Outline& outline, const OutlineChange& change) {
    Node* item = nullptr;
    if (const auto* c = std::get_if<InsertedNodes>(&change); c && !c->insertions.empty())
        item = c->insertions.front().parent;
    else if (const auto* c = std::get_if<RemovedNodes>(&change); c && !c->places.empty()) {
        const RemovalPlace& first = c->places.front();
        item = outline.contains(first.parent) && first.row < first.parent->childCount() ? first.parent->child(first.row)
                                                                                         : first.parent;
    } else if (const auto* c = std::get_if<MovedNodes>(&change); c && !c->moves.empty())
        item = c->moves.front().node;
    else if (const auto* c = std::get_if<EditedRecord>(&change))
        item = c->node;
    return item && item != outline.root() && outline.contains(item) ? item : nullptr;
}
