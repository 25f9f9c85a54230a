#include "BackgroundWriter.h"

#include "FileIO.h"

#include <exception>
#include <utility>

BackgroundWriter::~BackgroundWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

std::uint64_t BackgroundWriter::write(Job job) {
    std::uint64_t id;
    {
        std::lock_guard lock(mutex_);
        id = ++lastId_;
        waiting_.emplace(id, std::move(job));
        if (!worker_.joinable())
            worker_ = std::thread([this] { run(); });
    }
    wake_.notify_all();
    return id;
}

void BackgroundWriter::waitIdle() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return !running_ && !waiting_; });
}

std::vector<BackgroundWriter::Result> BackgroundWriter::takeResults() {
    std::lock_guard lock(mutex_);
    return std::exchange(results_, {});
}

void BackgroundWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || waiting_; });
        if (!waiting_)
            return;  // stopping with nothing left to write
        auto [id, job] = std::move(*waiting_);
        waiting_.reset();
        running_ = true;
        lock.unlock();
        std::string error;
        try {
            if (job.before)
                job.before();
            writeFileSafely(job.path, job.bytes);
        } catch (const std::exception& e) {
            error = e.what();
        }
        lock.lock();
        running_ = false;
        results_.push_back({id, std::move(error)});
        finished_.notify_all();
    }
}
