// Background work that runs on the test's thread, records each caption, and can play a user who
// presses "Cancel" before the work ends.
#pragma once

#include "platform/BackgroundWork.h"

#include <string>
#include <vector>

class RecordingBackgroundWork : public BackgroundWork {
public:
    std::vector<std::string> captions;
    bool cancelNext = false;  // the next run sees the flag set from its start

    bool run(const std::string& caption, const std::function<void(const std::atomic<bool>&)>& work) override {
        captions.push_back(caption);
        std::atomic<bool> cancel{cancelNext};
        cancelNext = false;
        try {
            work(cancel);
        } catch (...) {
            if (!cancel)
                throw;
        }
        return !cancel;
    }
};
