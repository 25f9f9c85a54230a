// Writes collection files on a worker thread, so that the window never waits for the disk. One write
// runs at a time; a write asked for while one runs waits for it, and a newer request replaces a
// waiting one (only the newest bytes matter). Results are collected by the owner's thread.
#pragma once

#include "NodeStream.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class BackgroundWriter {
public:
    struct Job {
        std::string path;
        Bytes bytes;
        // Run on the worker just before the bytes are written (a backup of the file they replace);
        // an exception from it fails the job and nothing is written.
        std::function<void()> before;
    };
    struct Result {
        std::uint64_t id;
        std::string error;  // empty when the file was written
    };

    BackgroundWriter() = default;
    ~BackgroundWriter();  // finishes the running and the waiting write
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    // Queues a write and returns its id; ids grow with every request.
    std::uint64_t write(Job job);
    // Returns once no write runs or waits.
    void waitIdle();
    // The results of the writes finished since the last call, oldest first; a write replaced while
    // waiting is not among them.
    std::vector<Result> takeResults();

private:
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    std::optional<std::pair<std::uint64_t, Job>> waiting_;
    bool running_ = false;
    bool stopping_ = false;
    std::uint64_t lastId_ = 0;
    std::vector<Result> results_;
    std::thread worker_;
};
