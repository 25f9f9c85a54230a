#include "Outline.h"

#include <algorithm>
#include <utility>

Outline::Outline(bool multiSelect) : multiSelect_(multiSelect), root_(newNode()) {
    root_->states_ = NodeState::Initialized | NodeState::Visible | NodeState::Expanded;
}

Outline::~Outline() { destroySubtree(root_); }

void Outline::addListener(OutlineListener* listener) {
    listeners_.push_back(listener);
    if (listener->hearsEveryChange())
        hearingEveryChange_.push_back(listener);
}

void Outline::removeListener(OutlineListener* listener) {
    std::erase(listeners_, listener);
    std::erase(hearingEveryChange_, listener);
}

Node* Outline::newNode() { return new Node(); }

// Iterative so that a very deep outline cannot exhaust the stack.
void Outline::destroySubtree(Node* node) {
    std::vector<Node*> pending{node};
    while (!pending.empty()) {
        Node* n = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), n->children_.begin(), n->children_.end());
        delete n;
    }
}

void Outline::updateChildFlags(Node* parent) {
    std::uint16_t s = parent->states_ & ~(NodeState::HasChildren | NodeState::AllChildrenHidden);
    if (!parent->children_.empty()) {
        s |= NodeState::HasChildren;
        bool allHidden = std::none_of(parent->children_.begin(), parent->children_.end(),
                                      [](const Node* c) { return c->isVisible(); });
        if (allHidden)
            s |= NodeState::AllChildrenHidden;
    }
    parent->states_ = s;
}

void Outline::attach(Node* node, Node* parent, int row) {
    auto& siblings = parent->children_;
    siblings.insert(siblings.begin() + row, node);
    node->parent_ = parent;
    for (std::size_t i = static_cast<std::size_t>(row); i < siblings.size(); ++i)
        siblings[i]->index_ = static_cast<int>(i);
    if (parent != root_)
        updateChildFlags(parent);
}

Node* Outline::detach(Node* node) {
    Node* parent = node->parent_;
    auto& siblings = parent->children_;
    siblings.erase(siblings.begin() + node->index_);
    for (std::size_t i = static_cast<std::size_t>(node->index_); i < siblings.size(); ++i)
        siblings[i]->index_ = static_cast<int>(i);
    node->parent_ = nullptr;
    if (parent != root_)
        updateChildFlags(parent);
    return parent;
}

void Outline::resolveTarget(Node* target, AttachMode mode, Node*& parent, int& row) const {
    if (!target || target == root_) {
        parent = root_;
        row = (mode == AttachMode::FirstChild || mode == AttachMode::Before) ? 0 : root_->childCount();
        return;
    }
    switch (mode) {
    case AttachMode::Before:
        parent = target->parent_;
        row = target->index_;
        break;
    case AttachMode::After:
        parent = target->parent_;
        row = target->index_ + 1;
        break;
    case AttachMode::FirstChild:
        parent = target;
        row = 0;
        break;
    case AttachMode::LastChild:
        parent = target;
        row = target->childCount();
        break;
    }
}

void Outline::setRootCount(int count) {
    while (rootCount() > count)
        deleteNode(root_->children_.back());
    while (rootCount() < count)
        addChild(nullptr);
}

Node* Outline::addChild(Node* parent) { return insertNode(parent, AttachMode::LastChild); }

Node* Outline::insertNode(Node* target, AttachMode mode) {
    Node* parent = root_;
    int row = 0;
    resolveTarget(target, mode, parent, row);
    notify([&](OutlineListener& l) { l.nodesAboutToBeInserted(parent, row, row); });
    Node* node = newNode();
    attach(node, parent, row);
    notify([&](OutlineListener& l) { l.nodesInserted(parent, row, row); });
    return node;
}

bool Outline::isAncestorOf(const Node* ancestor, const Node* node) const {
    for (const Node* p = node ? node->parent_ : nullptr; p; p = p->parent_)
        if (p == ancestor)
            return true;
    return false;
}

void Outline::moveNode(Node* node, Node* target, AttachMode mode) {
    if (node == target)
        return;
    if (target && isAncestorOf(node, target))
        throw OutlineError(kMoveIntoOwnSubtree);
    Node* newParent = root_;
    int row = 0;
    resolveTarget(target, mode, newParent, row);
    Node* oldParent = node->parent_;
    int oldRow = node->index_;
    if (newParent == oldParent && (row == oldRow || row == oldRow + 1))
        return;  // already there
    notify([&](OutlineListener& l) { l.nodeAboutToBeMoved(node, newParent, row); });
    detach(node);
    if (newParent == oldParent && row > oldRow)
        --row;
    attach(node, newParent, row);
    notify([&](OutlineListener& l) { l.nodeMoved(node); });
}

Node* Outline::copyNode(const Node* node, Node* target, AttachMode mode) {
    Node* parent = root_;
    int row = 0;
    resolveTarget(target, mode, parent, row);
    // Build the copy detached, then attach it in one announced insertion.
    auto cloneOne = [this](const Node* src) {
        Node* c = newNode();
        c->data = src->data;
        c->states_ = src->states_ & ~NodeState::Selected;
        c->rowHeight_ = src->rowHeight_;
        c->alignment_ = src->alignment_;
        c->checkState_ = src->checkState_;
        c->checkType_ = src->checkType_;
        return c;
    };
    Node* copy = cloneOne(node);
    std::vector<std::pair<const Node*, Node*>> pending{{node, copy}};
    while (!pending.empty()) {
        auto [src, dst] = pending.back();
        pending.pop_back();
        for (const Node* srcChild : src->children_) {
            Node* c = cloneOne(srcChild);
            c->parent_ = dst;
            c->index_ = static_cast<int>(dst->children_.size());
            dst->children_.push_back(c);
            pending.emplace_back(srcChild, c);
        }
    }
    notify([&](OutlineListener& l) { l.nodesAboutToBeInserted(parent, row, row); });
    attach(copy, parent, row);
    notify([&](OutlineListener& l) { l.nodesInserted(parent, row, row); });
    return copy;
}

Node* Outline::takeNode(Outline& from, Node* node, Node* target, AttachMode mode) {
    if (&from == this) {
        moveNode(node, target, mode);
        return node;
    }
    if (from.focused_ && (from.focused_ == node || from.isAncestorOf(node, from.focused_)))
        from.setFocused(nullptr);
    Node* oldParent = node->parent_;
    const int oldRow = node->index_;
    from.notify([&](OutlineListener& l) { l.nodesAboutToBeRemoved(oldParent, oldRow, oldRow); });
    from.unlistSelectedIn(node);
    from.detach(node);
    from.notify([&](OutlineListener& l) { l.nodesRemoved(oldParent, oldRow, oldRow); });
    // The nodes arrive unselected, as copies do.
    forEachInSubtree(node, [](Node* n) { n->states_ &= static_cast<std::uint16_t>(~NodeState::Selected); });
    Node* parent = root_;
    int row = 0;
    resolveTarget(target, mode, parent, row);
    notify([&](OutlineListener& l) { l.nodesAboutToBeInserted(parent, row, row); });
    attach(node, parent, row);
    notify([&](OutlineListener& l) { l.nodesInserted(parent, row, row); });
    return node;
}

void Outline::deleteNode(Node* node) {
    if (!node || node == root_)
        return;
    // The focus leaves the subtree while its nodes still exist, so listeners never see a dead node.
    if (focused_ && (focused_ == node || isAncestorOf(node, focused_)))
        setFocused(nullptr);
    Node* parent = node->parent_;
    int row = node->index_;
    notify([&](OutlineListener& l) { l.nodesAboutToBeRemoved(parent, row, row); });
    unlistSelectedIn(node);
    detach(node);
    if (!keepsRemoved_)
        destroySubtree(node);
    notify([&](OutlineListener& l) { l.nodesRemoved(parent, row, row); });
}

void Outline::reattach(Node* node, Node* parent, int row) {
    if (!node || node == root_ || node->parent_ || !contains(parent) || row < 0 || row > parent->childCount())
        throw OutlineError("An item cannot be put back where it was.");
    notify([&](OutlineListener& l) { l.nodesAboutToBeInserted(parent, row, row); });
    attach(node, parent, row);
    listSelectedIn(node);
    notify([&](OutlineListener& l) { l.nodesInserted(parent, row, row); });
}

void Outline::destroyDetached(Node* node) {
    if (node && node != root_ && !node->parent_)
        destroySubtree(node);
}

bool Outline::contains(const Node* node) const {
    const Node* n = node;
    while (n && n != root_)
        n = n->parent_;
    return n && n == root_;
}

void Outline::listSelected(Node* node) {
    selectionAboutToChange();
    node->selectionSlot_ = static_cast<std::uint32_t>(selection_.size());
    selection_.push_back(node);
}

void Outline::unlistSelected(Node* node) {
    selectionAboutToChange();
    Node* last = selection_.back();
    selection_[node->selectionSlot_] = last;
    last->selectionSlot_ = node->selectionSlot_;
    selection_.pop_back();
}

void Outline::unlistSelectedIn(Node* node) {
    if (selection_.empty())
        return;
    forEachInSubtree(node, [this](Node* n) {
        if (n->isSelected())
            unlistSelected(n);
    });
}

void Outline::listSelectedIn(Node* node) {
    forEachInSubtree(node, [this](Node* n) {
        if (n->isSelected())
            listSelected(n);
    });
}

void Outline::deleteSelected() {
    for (Node* n : reducedSelection())
        deleteNode(n);
}

void Outline::clear() {
    if (isEmpty() && !focused_ && selection_.empty())
        return;
    OutlineUpdate update(*this);
    const int last = rootCount() - 1;
    if (last >= 0)
        notify([&](OutlineListener& l) { l.nodesAboutToBeRemoved(root_, 0, last); });
    for (Node* n : root_->children_) {
        n->parent_ = nullptr;
        if (!keepsRemoved_)
            destroySubtree(n);
    }
    root_->children_.clear();
    focused_ = nullptr;
    if (!selection_.empty())
        selectionAboutToChange();
    selection_.clear();
    if (last >= 0)
        notify([&](OutlineListener& l) { l.nodesRemoved(root_, 0, last); });
}

void Outline::announceContentsReplaced() {
    for (OutlineListener* l : hearingEveryChange_)
        l->contentsReplaced();
}

void Outline::swapContents(Outline& other) {
    OutlineUpdate mine(*this);
    OutlineUpdate theirs(other);
    announceContentsReplaced();
    other.announceContentsReplaced();
    std::swap(root_, other.root_);
    std::swap(focused_, other.focused_);
    selectionAboutToChange();
    other.selectionAboutToChange();
    std::swap(selection_, other.selection_);
    if (!multiSelect_)
        clearSelection();
    if (!other.multiSelect_)
        other.clearSelection();
}

void Outline::sortRootChildren(bool ascending) {
    auto& kids = root_->children_;
    if (kids.size() < 2)
        return;
    OutlineUpdate update(*this);
    announceContentsReplaced();
    std::stable_sort(kids.begin(), kids.end(), [ascending](const Node* a, const Node* b) {
        return ascending ? a->data.Name < b->data.Name : b->data.Name < a->data.Name;
    });
    for (std::size_t i = 0; i < kids.size(); ++i)
        kids[i]->index_ = static_cast<int>(i);
}

Node* Outline::first() const { return isEmpty() ? nullptr : root_->children_.front(); }

Node* Outline::next(const Node* node) const {
    if (!node->children_.empty())
        return node->children_.front();
    for (const Node* n = node; n && n != root_; n = n->parent_) {
        const Node* p = n->parent_;
        if (static_cast<std::size_t>(n->index_ + 1) < p->children_.size())
            return p->children_[static_cast<std::size_t>(n->index_ + 1)];
    }
    return nullptr;
}

Node* Outline::previous(const Node* node) const {
    if (node->index_ == 0)
        return node->parent_ == root_ ? nullptr : node->parent_;
    Node* n = node->parent_->children_[static_cast<std::size_t>(node->index_ - 1)];
    while (!n->children_.empty())
        n = n->children_.back();
    return n;
}

Node* Outline::lastDeepest() const {
    if (isEmpty())
        return nullptr;
    Node* n = root_->children_.back();
    while (!n->children_.empty())
        n = n->children_.back();
    return n;
}

Node* Outline::parentOf(const Node* node) const { return node->parent_ == root_ ? nullptr : node->parent_; }

Node* Outline::previousSibling(const Node* node) const {
    return node->index_ > 0 ? node->parent_->children_[static_cast<std::size_t>(node->index_ - 1)] : nullptr;
}

Node* Outline::nextSibling(const Node* node) const {
    auto i = static_cast<std::size_t>(node->index_ + 1);
    return i < node->parent_->children_.size() ? node->parent_->children_[i] : nullptr;
}

int Outline::level(const Node* node) const {
    int depth = 0;
    for (const Node* p = node->parent_; p && p != root_; p = p->parent_)
        ++depth;
    return depth;
}

int Outline::totalCount() const {
    int count = 0;
    forEach([&count](Node*) { ++count; });
    return count;
}

bool Outline::isDisplayed(const Node* node) const {
    if (!node->isVisible())
        return false;
    for (const Node* p = node->parent_; p && p != root_; p = p->parent_)
        if (!p->isVisible() || !p->isExpanded())
            return false;
    return true;
}

void Outline::setFocused(Node* node) {
    if (node == root_)
        node = nullptr;
    if (node == focused_)
        return;
    Node* previousFocus = focused_;
    focused_ = node;
    notify([&](OutlineListener& l) { l.focusChanged(previousFocus, node); });
}

void Outline::setSelected(Node* node, bool selected) {
    if (!node || node == root_ || node->isSelected() == selected)
        return;
    if (selected && !multiSelect_)
        clearSelection();
    node->states_ ^= NodeState::Selected;
    if (selected)
        listSelected(node);
    else
        unlistSelected(node);
    announceStates(node);
}

void Outline::clearSelection() {
    if (selection_.empty())
        return;
    selectionAboutToChange();
    for (Node* n : selection_)
        n->states_ &= ~NodeState::Selected;
    selection_.clear();
    announceAllStates();
}

void Outline::selectAll() {
    if (!multiSelect_)
        return;
    forEach([this](Node* n) {
        if (!n->isSelected()) {
            n->states_ |= NodeState::Selected;
            listSelected(n);
        }
    });
    announceAllStates();
}

Node* Outline::firstSelected() const {
    if (selection_.empty())
        return nullptr;
    for (Node* n = first(); n; n = next(n))
        if (n->isSelected())
            return n;
    return nullptr;
}

Node* Outline::nextSelected(const Node* node) const {
    for (Node* n = next(node); n; n = next(n))
        if (n->isSelected())
            return n;
    return nullptr;
}

std::vector<Node*> Outline::selectedNodes() const {
    std::vector<Node*> result;
    result.reserve(selection_.size());
    for (Node* n = firstSelected(); n && result.size() < selection_.size(); n = nextSelected(n))
        result.push_back(n);
    return result;
}

std::vector<Node*> Outline::reducedSelection() const {
    std::vector<Node*> result;
    for (Node* n = firstSelected(); n; n = nextSelected(n))
        if (result.empty() || !isAncestorOf(result.back(), n))
            result.push_back(n);
    return result;
}

void Outline::setExpanded(Node* node, bool expanded) {
    if (!node || node == root_ || node->isExpanded() == expanded)
        return;
    node->states_ ^= NodeState::Expanded;
    ++shapeChanges_;
    announceStates(node);
}

void Outline::setExpandedAll(bool expanded) {
    ++shapeChanges_;
    forEach([expanded](Node* n) {
        if (expanded)
            n->states_ |= NodeState::Expanded;
        else
            n->states_ &= ~NodeState::Expanded;
    });
    announceAllStates();
}

void Outline::setVisible(Node* node, bool visible) {
    if (!node || node == root_ || node->isVisible() == visible)
        return;
    node->states_ ^= NodeState::Visible;
    ++shapeChanges_;
    if (node->parent_ != root_)
        updateChildFlags(node->parent_);
    announceStates(node);
}

void Outline::setMark(Node* node, ClipboardMark mark) {
    if (!node || node->mark_ == mark)
        return;
    node->mark_ = mark;
    announceStates(node);
}

void Outline::clearMarks() {
    bool changed = false;
    forEach([&changed](Node* n) {
        changed = changed || n->mark_ != ClipboardMark::None;
        n->mark_ = ClipboardMark::None;
    });
    if (changed)
        announceAllStates();
}

void Outline::setBase(Node* node, const NodeBase& base) {
    bool wasSelected = node->isSelected();
    if ((node->states_ ^ base.states) & (NodeState::Expanded | NodeState::Visible))
        ++shapeChanges_;
    node->states_ = base.states;
    if (!multiSelect_)
        node->states_ &= ~NodeState::Selected;
    if (node->isSelected() != wasSelected) {
        if (wasSelected)
            unlistSelected(node);
        else
            listSelected(node);
    }
    node->rowHeight_ = base.rowHeight;
    node->alignment_ = base.alignment;
    node->checkState_ = base.checkState;
    node->checkType_ = base.checkType;
    announceStates(node);
}

NodeBase Outline::base(const Node* node) const {
    return {node->states_, node->rowHeight_, node->alignment_, node->checkState_, node->checkType_};
}

void Outline::recordChanged(Node* node) {
    notify([&](OutlineListener& l) { l.recordChanged(node); });
}

void Outline::repaintAll() {
    announceAllStates();
}

void Outline::beginUpdate() {
    if (updateDepth_++ == 0)
        for (OutlineListener* l : listeners_)
            l->aboutToReset();
}

void Outline::endUpdate() {
    if (--updateDepth_ == 0) {
        ++shapeChanges_;
        for (OutlineListener* l : listeners_)
            l->reset();
    }
}

void Outline::beginStatesUpdate() { ++statesUpdateDepth_; }

void Outline::endStatesUpdate() {
    if (--statesUpdateDepth_ == 0 && std::exchange(statesChangedInUpdate_, false))
        notify([](OutlineListener& l) { l.allStatesChanged(); });
}

void Outline::announceStates(Node* node) {
    if (statesUpdateDepth_ > 0)
        statesChangedInUpdate_ = true;
    else
        notify([&](OutlineListener& l) { l.statesChanged(node); });
}

void Outline::announceAllStates() {
    if (statesUpdateDepth_ > 0)
        statesChangedInUpdate_ = true;
    else
        notify([](OutlineListener& l) { l.allStatesChanged(); });
}
