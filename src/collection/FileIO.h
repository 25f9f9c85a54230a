// Whole-file reading and safe whole-file writing for collection files.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A file system failure, with the system's own error text in the message.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool fileExists(const std::string& path);

// The bytes of a whole file, held in memory the system may back with huge pages (a large collection
// is read with few page faults).
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    ~FileBytes();

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::span<const std::uint8_t> span() const { return {data_, size_}; }
    operator std::span<const std::uint8_t>() const { return span(); }

private:
    friend FileBytes readWholeFile(const std::string& path);
    void reserve(std::size_t capacity);

    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// The whole file; throws FileError when it cannot be opened or read.
FileBytes readWholeFile(const std::string& path);

// Replaces the file at `path` with `bytes` so that a failure at any point leaves the previous file
// intact: the bytes go to a temporary file in the same folder, are flushed to disk and the temporary
// file is renamed over the target, and the folder is flushed. An existing file keeps its permissions,
// a new one is readable and writable by its owner only; a symbolic link keeps pointing at the file it
// named. Throws FileError.
void writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);
