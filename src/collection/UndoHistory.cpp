#include "UndoHistory.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Up to this many operations are taken back announced one by one; more are announced as one batch,
// which a view follows with one rebuild instead of thousands of row updates.
constexpr std::size_t kOperationsAnnouncedOneByOne = 64;

// The run of this kind the step's last change is, or a new one after it, made by `fresh`.
template <class Run, class Fresh> Run& runOf(UndoStep& step, Fresh&& fresh) {
    if (step.changes.empty() || !std::holds_alternative<Run>(step.changes.back()))
        step.changes.emplace_back(fresh());
    return std::get<Run>(step.changes.back());
}
template <class Run> Run& runOf(UndoStep& step) {
    return runOf<Run>(step, [] { return Run{}; });
}

} // namespace

UndoHistory::UndoHistory(Outline& outline, UndoLimits limits) : outline_(outline), limits_(limits) {
    outline_.addListener(this);
    outline_.setKeepsRemovedNodes(true);
}

UndoHistory::~UndoHistory() {
    outline_.watchSelectionOnce(nullptr);
    outline_.removeListener(this);
    outline_.setKeepsRemovedNodes(false);
}

void UndoHistory::openStep(std::string_view name) {
    if (depth_++ == 0) {
        finishCurrent();  // what changed outside any command is a step of its own
        focusAtOpen_ = outline_.focused();
    }
    names_.emplace_back(name);
}

void UndoHistory::closeStep() {
    if (depth_ == 0)
        return;
    names_.pop_back();
    if (--depth_ == 0)
        finishCurrent();
}

std::string_view UndoHistory::undoName() const {
    if (pendingImplicit())
        return current_.name;
    return done_.empty() ? std::string_view() : std::string_view(done_.back().name);
}

std::string_view UndoHistory::redoName() const {
    return canRedo() ? std::string_view(undone_.back().name) : std::string_view();
}

// Nodes keep their identity, so a selection that has not changed since the last snapshot is that
// snapshot; otherwise a new one is made, copied when the selection is about to change.
OutlineMarks UndoHistory::marksNow(Node* focus) {
    std::shared_ptr<SelectionSnapshot> snapshot = selectionNow_.lock();
    if (!snapshot || snapshot->taken) {
        snapshot = std::make_shared<SelectionSnapshot>();
        snapshot->size = outline_.selection().size();
        selectionNow_ = snapshot;
        outline_.watchSelectionOnce([this, weak = std::weak_ptr<SelectionSnapshot>(snapshot)] {
            if (const auto s = weak.lock()) {
                s->nodes = outline_.selection();
                s->taken = true;
            }
        });
    }
    return OutlineMarks{focus, std::move(snapshot)};
}

UndoStep& UndoHistory::recording() {
    if (applyingInto_)
        return *applyingInto_;
    if (!recordingStarted_) {
        // The outline is still as it was when the step opened: nothing announced has changed it.
        recordingStarted_ = true;
        current_.name = depth_ > 0 ? names_.back() : kChangesOutsideCommands;
        current_.before = marksNow(depth_ > 0 ? focusAtOpen_ : outline_.focused());
    }
    return current_;
}

void UndoHistory::nodesAboutToBeInserted(Node*, int, int) { recording(); }

void UndoHistory::nodesInserted(Node* parent, int first, int last) {
    runOf<InsertedNodes>(recording()).insertions.push_back({parent, first, last});
}

// The removed nodes are kept, detached, by the change that records their removal.
void UndoHistory::nodesAboutToBeRemoved(Node* parent, int first, int last) {
    auto& removed = runOf<RemovedNodes>(recording(), [this] { return RemovedNodes{{}, KeptNodes(outline_, {})}; });
    for (int row = first; row <= last; ++row) {
        removed.places.push_back({parent, first});
        removed.kept.add(parent->child(row));
    }
}

void UndoHistory::nodesRemoved(Node*, int, int) {}

void UndoHistory::nodeAboutToBeMoved(Node* node, Node*, int) {
    recording();
    pendingMove_ = MovedNode{node, node->parent(), node->index()};
}

void UndoHistory::nodeMoved(Node*) { runOf<MovedNodes>(recording()).moves.push_back(pendingMove_); }

void UndoHistory::recordAboutToChange(Node* node) {
    recording().changes.emplace_back(EditedRecord{node, std::make_unique<const LinkItem>(node->data)});
}

// An edit that left the record as it was is no change.
void UndoHistory::recordChanged(Node* node) {
    UndoStep& step = applyingInto_ ? *applyingInto_ : current_;
    if (step.changes.empty())
        return;
    const auto* edit = std::get_if<EditedRecord>(&step.changes.back());
    if (edit && edit->node == node && *edit->before == node->data)
        step.changes.pop_back();
}

void UndoHistory::contentsReplaced() { clear(); }

void UndoHistory::clear() {
    const bool hadSteps = !done_.empty() || !undone_.empty() || !current_.changes.empty();
    done_.clear();
    undone_.clear();
    current_ = UndoStep{};
    recordingStarted_ = false;
    bytes_ = 0;
    if (hadSteps)
        changed();
}

void UndoHistory::finishCurrent() {
    recordingStarted_ = false;
    if (current_.changes.empty()) {
        current_ = UndoStep{};
        return;
    }
    UndoStep step = std::exchange(current_, UndoStep{});
    step.after = marksNow(outline_.focused());
    step.changes.shrink_to_fit();
    for (const UndoStep& dropped : undone_)
        bytes_ -= dropped.bytes;
    undone_.clear();  // a new change: what was undone cannot be redone over it
    push(done_, std::move(step));
    changed();
}

void UndoHistory::push(std::deque<UndoStep>& stack, UndoStep&& step) {
    step.bytes = step.countBytes();
    bytes_ += step.bytes;
    stack.push_back(std::move(step));
    enforceLimits(stack);
}

// The oldest steps go first: those at the bottom of the undo stack, then those the redo stack would
// reach last. The step just pushed stays whatever its size.
void UndoHistory::enforceLimits(const std::deque<UndoStep>& newest) {
    auto over = [this] { return done_.size() + undone_.size() > limits_.steps || bytes_ > limits_.bytes; };
    auto dropOldest = [this](std::deque<UndoStep>& stack) {
        bytes_ -= stack.front().bytes;
        stack.pop_front();
    };
    auto mayDrop = [&newest](const std::deque<UndoStep>& stack) {
        return !stack.empty() && !(&stack == &newest && stack.size() == 1);
    };
    while (over()) {
        if (mayDrop(done_))
            dropOldest(done_);
        else if (mayDrop(undone_))
            dropOldest(undone_);
        else
            break;
    }
}

UndoOutcome UndoHistory::undo() {
    if (applying_ || depth_ > 0)
        return {};
    finishCurrent();
    return done_.empty() ? UndoOutcome{} : apply(done_, undone_);
}

UndoOutcome UndoHistory::redo() {
    if (applying_ || depth_ > 0 || undone_.empty())
        return {};
    return apply(undone_, done_);
}

UndoOutcome UndoHistory::apply(std::deque<UndoStep>& from, std::deque<UndoStep>& to) {
    UndoStep step = std::move(from.back());
    from.pop_back();
    bytes_ -= step.bytes;
    UndoStep inverse;
    inverse.name = step.name;
    UndoOutcome outcome;
    outcome.topLevelChanged = std::any_of(step.changes.begin(), step.changes.end(),
                                          [this](const OutlineChange& c) { return changesTopLevel(outline_, c); });
    applying_ = true;
    applyingInto_ = &inverse;
    {
        std::optional<OutlineUpdate> batch;
        std::size_t operations = 0;
        for (const OutlineChange& change : step.changes)
            operations += operationCount(change);
        if (operations > kOperationsAnnouncedOneByOne)
            batch.emplace(outline_);
        try {
            for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change)
                applyInverse(outline_, *change);
            restoreSelection(outline_, step.before);
        } catch (const std::exception& e) {
            outcome.error = e.what();
            // What was applied of the step is taken back too, so that no half step stays applied.
            std::vector<OutlineChange> applied = std::move(inverse.changes);
            inverse.changes.clear();
            try {
                for (auto change = applied.rbegin(); change != applied.rend(); ++change)
                    applyInverse(outline_, *change);
            } catch (const std::exception&) {
                // Each operation is whole by itself: the outline stays a valid tree.
            }
        }
    }
    applyingInto_ = nullptr;
    if (!outcome.error.empty()) {
        applying_ = false;
        clear();
        changed();
        return outcome;
    }
    Node* focus = outline_.contains(step.before.focus) ? step.before.focus : nullptr;
    outline_.setFocused(focus);
    Node* shown = focus;
    if (!shown && !step.changes.empty())
        shown = changedItem(outline_, step.changes.front());
    if (shown)
        for (Node* p = shown->parent(); p && p != outline_.root(); p = p->parent())
            outline_.setExpanded(p, true);
    applying_ = false;
    inverse.before = std::move(step.after);
    inverse.after = std::move(step.before);
    inverse.changes.shrink_to_fit();
    push(to, std::move(inverse));
    changed();
    outcome.applied = true;
    outcome.shown = shown;
    return outcome;
}

void UndoHistory::changed() {
    if (onChange_)
        onChange_();
}
