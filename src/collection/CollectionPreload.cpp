#include "CollectionPreload.h"

#include "FileIO.h"

#include <sys/stat.h>
#include <utility>

ReadCollection readCollection(ByteSpan bytes, bool multiSelect) {
    ReadCollection read;
    read.outline = std::make_unique<Outline>(multiSelect);
    try {
        readOutline(*read.outline, bytes);
    } catch (const StreamError& e) {
        read.streamMessage = e.what();
        read.number = e.number();
    }
    return read;
}

CollectionPreload::~CollectionPreload() {
    if (thread_.joinable())
        thread_.detach();
}

void CollectionPreload::start(std::string path, bool multiSelect) {
    if (reading_)
        return;
    reading_ = std::make_shared<Reading>();
    reading_->path = std::move(path);
    reading_->multiSelect = multiSelect;
    thread_ = std::thread([reading = reading_] { read(*reading); });
}

std::optional<CollectionPreload::FileStamp> CollectionPreload::stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{st.st_dev, st.st_ino, st.st_size,
                     static_cast<long long>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// Whatever goes wrong here is left for the document logic to meet and report when it reads the
// file itself.
void CollectionPreload::read(Reading& reading) {
    try {
        const std::optional<FileStamp> before = stampOf(reading.path);
        if (!before)
            return;
        ReadCollection collection;
        {
            const FileBytes bytes = readWholeFile(reading.path);
            if (stampOf(reading.path) != before)
                return;  // written while it was read
            collection = readCollection(bytes, reading.multiSelect);
        }
        reading.stamp = before;
        reading.result = std::move(collection);
    } catch (...) {
        reading.stamp.reset();
        reading.result.reset();
    }
}

void CollectionPreload::waitUntilRead() {
    if (thread_.joinable())
        thread_.join();
}

std::optional<ReadCollection> CollectionPreload::take(const std::string& path, bool multiSelect) {
    if (!reading_)
        return std::nullopt;
    waitUntilRead();
    Reading& reading = *reading_;
    std::optional<ReadCollection> read = std::exchange(reading.result, std::nullopt);
    if (!read || path != reading.path || multiSelect != reading.multiSelect || !reading.stamp ||
        stampOf(path) != reading.stamp)
        return std::nullopt;
    return read;
}
