// Long work (reading or writing a large bookmarks file) away from the window's thread, so that the
// window keeps painting; past half a second a progress dialog with "Cancel" shows what is going on.
#pragma once

#include <atomic>
#include <functional>
#include <string>

class BackgroundWork {
public:
    virtual ~BackgroundWork() = default;
    // Runs `work` to its end and returns true, or returns false once the user has cancelled and
    // `work` has seen the flag and stopped. `work` must not touch the window or the outline.
    virtual bool run(const std::string& caption, const std::function<void(const std::atomic<bool>& cancel)>& work) = 0;

    // Runs the work on the calling thread and is never cancelled.
    static BackgroundWork& onThisThread();
};

inline BackgroundWork& BackgroundWork::onThisThread() {
    struct Here : BackgroundWork {
        bool run(const std::string&, const std::function<void(const std::atomic<bool>&)>& work) override {
            const std::atomic<bool> never{false};
            work(never);
            return true;
        }
    };
    static Here here;
    return here;
}
