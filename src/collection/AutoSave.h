// Saving as the user works: after a change to the collection, it is saved 2 s after the last change
// and at least every 30 s while changes keep coming. The bytes are made on the calling (window)
// thread and written by the documents' background writer, so the window never waits for the disk.
// A failing save is kept as the state until the next change, which tries again.
#pragma once

#include "Documents.h"
#include "Outline.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class AutoSave : private OutlineListener {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kQuietTime{2000};
    static constexpr std::chrono::milliseconds kLongestWait{30000};

    AutoSave(Outline& linksTree, Documents& documents, std::function<Clock::time_point()> now = Clock::now);
    ~AutoSave() override;
    AutoSave(const AutoSave&) = delete;
    AutoSave& operator=(const AutoSave&) = delete;

    // Called often (a few times a second) by the window: takes finished writes and starts a save
    // when one is due.
    void tick();

    enum class State { Saved, Unsaved, Failed };
    State state() const;
    // The status line's words for the state.
    std::string statusText() const;

private:
    void changed();
    void markClean();

    void nodesInserted(Node*, int, int) override { changed(); }
    void nodesRemoved(Node*, int, int) override { changed(); }
    void nodeMoved(Node*) override { changed(); }
    void recordChanged(Node*) override { changed(); }
    void reset() override { changed(); }

    Outline& linksTree_;
    Documents& documents_;
    std::function<Clock::time_point()> now_;
    std::uint64_t changes_ = 0;       // changes heard
    std::uint64_t savedChanges_ = 0;  // changes_ when the bytes on disk were made
    std::uint64_t writingChanges_ = 0;
    std::uint64_t writingJob_ = 0;  // 0 when no automatic save is being written
    std::uint64_t failedChanges_ = 0;  // changes_ when the last automatic save failed
    std::optional<Clock::time_point> firstUnsaved_;
    Clock::time_point lastChange_{};
    bool failed_ = false;
    std::string error_;
};
