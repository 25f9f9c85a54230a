// A lock for work of a few dozen instructions (taking a node or a text's storage): waiting threads
// spin and then yield. Constant-initialised, so that storage used by static objects has it at once.
#pragma once

#include <atomic>
#include <thread>

class SpinLock {
public:
    constexpr SpinLock() noexcept = default;
    void lock() noexcept {
        while (flag_.test_and_set(std::memory_order_acquire))
            std::this_thread::yield();
    }
    void unlock() noexcept { flag_.clear(std::memory_order_release); }

private:
    std::atomic_flag flag_ = ATOMIC_FLAG_INIT;
};

class SpinGuard {
public:
    explicit SpinGuard(SpinLock& lock) noexcept : lock_(lock) { lock_.lock(); }
    ~SpinGuard() { lock_.unlock(); }
    SpinGuard(const SpinGuard&) = delete;
    SpinGuard& operator=(const SpinGuard&) = delete;

private:
    SpinLock& lock_;
};
