#include "UndoStep.h"

#include <algorithm>
#include <string_view>

namespace {

template <class... F> struct Overloaded : F... {
    using F::operator()...;
};
template <class... F> Overloaded(F...) -> Overloaded<F...>;

std::size_t pathBytes(const OutlinePath& path) { return path.capacity() * sizeof(std::int32_t); }

// The record and the text it holds beyond itself.
std::size_t recordBytes(const LinkItem& r) {
    std::size_t bytes = sizeof(LinkItem);
    for (std::string_view text :
         {std::string_view(r.Name), std::string_view(r.Text), std::string_view(r.URL), std::string_view(r.HotKey),
          std::string_view(r.Params), std::string_view(r.Remind), std::string_view(r.Execute),
          std::string_view(r.Time), std::string_view(r.Reserved), std::string_view(r.Dir),
          std::string_view(r.AccessInfo), std::string_view(r.Note), std::string_view(r.Login),
          std::string_view(r.Password), std::string_view(r.Contact), std::string_view(r.Email),
          std::string_view(r.Keyword1), std::string_view(r.Keyword2), std::string_view(r.Keyword3),
          std::string_view(r.Keyword4), std::string_view(r.Keyword5)})
        bytes += text.size();
    return bytes;
}

// Where a node goes to land at `row` of `parent` once it is out of its current place.
void moveTo(Outline& outline, Node* node, Node* parent, int row) {
    if (row < 0 || row > parent->childCount() - (node->parent() == parent ? 1 : 0))
        throw PathError("A recorded item is no longer where it was.");
    if (node->parent() == parent) {
        if (row < node->index())
            outline.moveNode(node, parent->child(row), AttachMode::Before);
        else if (row > node->index())
            outline.moveNode(node, parent->child(row), AttachMode::After);
        return;
    }
    if (row < parent->childCount())
        outline.moveNode(node, parent->child(row), AttachMode::Before);
    else
        outline.moveNode(node, parent, AttachMode::LastChild);
}

Node* childAt(Node* parent, int row) {
    if (row < 0 || row >= parent->childCount())
        throw PathError("A recorded item is no longer where it was.");
    return parent->child(row);
}

} // namespace

OutlineMarks OutlineMarks::of(const Outline& outline, const Node* focus) {
    OutlineMarks marks;
    if (focus)
        marks.focus = pathOf(outline, focus);
    for (const Node* n : outline.selectedNodes())
        marks.selection.add(outline, n);
    marks.selection.shrink();
    return marks;
}

std::size_t OutlineMarks::bytes() const { return (focus ? pathBytes(*focus) : 0) + selection.bytes(); }

std::size_t UndoStep::countBytes() const {
    std::size_t total = sizeof(UndoStep) + name.capacity() + before.bytes() + after.bytes() +
                        changes.capacity() * sizeof(OutlineChange);
    for (const OutlineChange& change : changes)
        total += std::visit(Overloaded{
                                [](const InsertedNodes& c) { return pathBytes(c.parent); },
                                [](const RemovedNodes& c) { return pathBytes(c.parent) + c.chunks.capacity(); },
                                [](const MovedNode& c) { return pathBytes(c.fromParent) + pathBytes(c.toParent); },
                                [](const EditedRecord& c) { return pathBytes(c.node) + recordBytes(*c.before); },
                            },
                            change);
    return total;
}

void applyInverse(Outline& outline, const OutlineChange& change, Outline& scratch) {
    std::visit(Overloaded{
                   [&](const InsertedNodes& c) {
                       Node* parent = nodeAt(outline, c.parent);
                       for (int row = c.last; row >= c.first; --row)
                           outline.deleteNode(childAt(parent, row));
                   },
                   [&](const RemovedNodes& c) {
                       Node* parent = nodeAt(outline, c.parent);
                       if (c.first < 0 || c.first > parent->childCount())
                           throw PathError("A recorded item is no longer where it was.");
                       scratch.clear();
                       int row = c.first;
                       for (const Node* node : readNodeChunks(scratch, c.chunks, nullptr)) {
                           if (row < parent->childCount())
                               outline.copyNode(node, parent->child(row), AttachMode::Before);
                           else
                               outline.copyNode(node, parent, AttachMode::LastChild);
                           ++row;
                       }
                   },
                   [&](const MovedNode& c) {
                       Node* node = childAt(nodeAt(outline, c.toParent), c.toRow);
                       // fromParent names its place with the node taken out; where the node now sits
                       // before one of its ancestors, that ancestor is one row further down.
                       OutlinePath from = c.fromParent;
                       const std::size_t depth = c.toParent.size();
                       if (from.size() > depth && std::equal(c.toParent.begin(), c.toParent.end(), from.begin()) &&
                           from[depth] >= c.toRow)
                           ++from[depth];
                       moveTo(outline, node, nodeAt(outline, from), c.fromRow);
                   },
                   [&](const EditedRecord& c) {
                       Node* node = nodeAt(outline, c.node);
                       if (node == outline.root())
                           throw PathError("A recorded item is no longer where it was.");
                       // Launch stamps and fired flags are not taken back.
                       LinkItem record = *c.before;
                       record.AccessInfo = std::string_view(node->data.AccessInfo);
                       record.Fired = node->data.Fired;
                       outline.setRecord(node, record);
                   },
               },
               change);
}

Node* restoreSelection(Outline& outline, const OutlineMarks& marks) {
    {
        OutlineStatesUpdate states(outline);
        outline.clearSelection();
        for (Node* n : marks.selection.resolve(outline))
            outline.setSelected(n, true);
    }
    if (!marks.focus)
        return nullptr;
    try {
        Node* focus = nodeAt(outline, *marks.focus);
        return focus == outline.root() ? nullptr : focus;
    } catch (const PathError&) {
        return nullptr;
    }
}
