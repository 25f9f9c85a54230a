#include "AutoSave.h"

AutoSave::AutoSave(Outline& linksTree, Documents& documents, std::function<Clock::time_point()> now)
    : linksTree_(linksTree), documents_(documents), now_(std::move(now)) {
    linksTree_.addListener(this);
    documents_.setCleanListener([this] { markClean(); });
}

AutoSave::~AutoSave() {
    documents_.setCleanListener(nullptr);
    linksTree_.removeListener(this);
}

void AutoSave::changed() {
    ++changes_;
    lastChange_ = now_();
    if (!firstUnsaved_)
        firstUnsaved_ = lastChange_;
}

// The outline is what the current file holds (just read or written): an automatic save still being
// written is older, and its result no longer counts.
void AutoSave::markClean() {
    savedChanges_ = changes_;
    writingJob_ = 0;
    firstUnsaved_.reset();
    failed_ = false;
    error_.clear();
}

void AutoSave::tick() {
    for (const BackgroundWriter::Result& result : documents_.takeBackgroundResults()) {
        if (result.id != writingJob_)
            continue;
        writingJob_ = 0;
        failed_ = !result.error.empty();
        error_ = result.error;
        if (failed_)
            failedChanges_ = changes_;
        else
            savedChanges_ = writingChanges_;
    }
    if (changes_ == savedChanges_ || writingJob_ != 0 || documents_.currentPath().empty())
        return;
    // After a failure, the next change tries again: not every tick.
    if (failed_ && changes_ == failedChanges_)
        return;
    const Clock::time_point now = now_();
    if (now - lastChange_ < kQuietTime && (!firstUnsaved_ || now - *firstUnsaved_ < kLongestWait))
        return;
    writingChanges_ = changes_;
    firstUnsaved_.reset();
    writingJob_ = documents_.saveInBackground();
}

AutoSave::State AutoSave::state() const {
    if (failed_)
        return State::Failed;
    return changes_ == savedChanges_ ? State::Saved : State::Unsaved;
}

std::string AutoSave::statusText() const {
    switch (state()) {
    case State::Saved:
        return "All changes saved";
    case State::Unsaved:
        return "Changes not saved yet";
    case State::Failed:
        break;
    }
    return "Changes not saved: " + error_;
}
