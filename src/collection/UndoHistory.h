// The undo history of an outline: it listens to every change the outline announces (inside batches
// too) and keeps them as steps, one per command. A step is opened and closed where commands are
// dispatched (UndoStepScope), so a command needs no undo code of its own; nested scopes make one step.
// Undoing applies the inverse changes through the outline's own operations, newest first, and records
// what that does as the step to redo (and the other way round). The history lives for the run only.
#pragma once

#include "Outline.h"
#include "UndoStep.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct UndoLimits {
    std::size_t steps = 200;            // the most steps kept
    std::size_t bytes = std::size_t{256} << 20;  // the most memory the steps hold; the newest one always stays
};

// What undo() or redo() did.
struct UndoOutcome {
    bool applied = false;  // a step was taken back or done again
    Node* shown = nullptr; // the item to bring into view: the focus the step had, else what it changed
    bool topLevelChanged = false;  // the top-level items changed (lists made of them are out of date)
    std::string error;     // set when the step could not be applied: the outline is as it was before,
                           // and the history is empty
};

inline constexpr const char* kChangesOutsideCommands = "Change";

// The listener base is public so that a test can stop it hearing, as no command can.
class UndoHistory : public OutlineListener {
public:
    explicit UndoHistory(Outline& outline, UndoLimits limits = {});
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    // A command starts and ends. The step is named by the innermost open scope when its first change
    // is heard; a step that heard no change is dropped. Changes heard outside any scope gather in a
    // step of their own, finished when the next command starts or a step is undone.
    void openStep(std::string_view name);
    void closeStep();

    bool canUndo() const { return !done_.empty() || pendingImplicit(); }
    bool canRedo() const { return !undone_.empty() && !pendingImplicit(); }
    // The names of the steps undo() and redo() would apply; empty when there is none.
    std::string_view undoName() const;
    std::string_view redoName() const;
    UndoOutcome undo();
    UndoOutcome redo();
    // Forgets every step (another collection was opened).
    void clear();

    // True while a step is being applied: what the outline announces then is the history's own work.
    bool applying() const { return applying_; }
    std::size_t undoCount() const { return done_.size(); }
    std::size_t redoCount() const { return undone_.size(); }
    std::size_t bytes() const { return bytes_; }
    // The memory of the newest step, as counted against the limit.
    std::size_t newestStepBytes() const { return done_.empty() ? 0 : done_.back().bytes; }

    // Told whenever what undo() and redo() would do changes (for the commands' captions).
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    bool hearsEveryChange() const override { return true; }
    void nodesAboutToBeInserted(Node* parent, int first, int last) override;
    void nodesInserted(Node* parent, int first, int last) override;
    void nodesAboutToBeRemoved(Node* parent, int first, int last) override;
    void nodesRemoved(Node* parent, int first, int last) override;
    void nodeAboutToBeMoved(Node* node, Node* newParent, int destinationRow) override;
    void nodeMoved(Node* node) override;
    void recordAboutToChange(Node* node) override;
    void recordChanged(Node* node) override;
    void contentsReplaced() override;

    OutlineMarks marksNow(Node* focus);
    // The step that hears the next change, its before-marks taken when it hears its first.
    UndoStep& recording();
    bool pendingImplicit() const { return depth_ == 0 && !current_.changes.empty(); }
    void finishCurrent();
    void push(std::deque<UndoStep>& stack, UndoStep&& step);
    void enforceLimits(const std::deque<UndoStep>& newest);
    UndoOutcome apply(std::deque<UndoStep>& from, std::deque<UndoStep>& to);
    void changed();

    Outline& outline_;
    UndoLimits limits_;
    std::deque<UndoStep> done_;    // oldest first
    std::deque<UndoStep> undone_;  // the step to redo next is the last
    std::size_t bytes_ = 0;
    UndoStep current_;             // the step being recorded
    bool recordingStarted_ = false;  // current_ has its before-marks
    std::vector<std::string> names_;  // the open scopes, outermost first
    int depth_ = 0;
    Node* focusAtOpen_ = nullptr;
    std::weak_ptr<SelectionSnapshot> selectionNow_;  // the snapshot that is still the outline's selection
    bool applying_ = false;
    UndoStep* applyingInto_ = nullptr;
    MovedNode pendingMove_{};
    std::function<void()> onChange_;
};

// One command's step for the lifetime of the object; a null history records nothing.
class UndoStepScope {
public:
    UndoStepScope(UndoHistory* history, std::string_view name) : history_(history) {
        if (history_)
            history_->openStep(name);
    }
    UndoStepScope(UndoHistory& history, std::string_view name) : UndoStepScope(&history, name) {}
    ~UndoStepScope() {
        if (history_)
            history_->closeStep();
    }
    UndoStepScope(const UndoStepScope&) = delete;
    UndoStepScope& operator=(const UndoStepScope&) = delete;

private:
    UndoHistory* history_;
};

// Shown before the reason when a step cannot be applied.
inline constexpr const char* kUndoFailed =
    "The step could not be taken back. The collection was left as it was, and the undo history was cleared.\n\n";
