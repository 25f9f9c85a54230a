// Whole-file reading and safe whole-file writing for collection files.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A file system failure, with the system's own error text in the message.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool fileExists(const std::string& path);

// The whole file; throws FileError when it cannot be opened or read.
std::vector<std::uint8_t> readWholeFile(const std::string& path);

// Replaces the file at `path` with `bytes` so that a failure at any point leaves the previous file
// intact: the bytes go to a temporary file in the same folder, are flushed to disk and the temporary
// file is renamed over the target. An existing file keeps its permissions; a symbolic link keeps
// pointing at the file it named. Throws FileError.
void writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes);
