#include "FileIO.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

[[noreturn]] void raise(const char* what, const std::string& path, int error) {
    throw FileError(std::string(what) + " \"" + path + "\". " + std::strerror(error));
}

// Closes a descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save really replaces: the target of a symbolic link, else the path itself.
std::string realTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved))
        return resolved;
    return path;
}

// A collection holds logins and passwords: a file the program creates is its owner's alone.
constexpr mode_t kNewFileMode = 0600;

// Flushes the folder's entries, so that a rename survives a power cut.
void flushFolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
}

} // namespace

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        this->~FileBytes();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

FileBytes::~FileBytes() {
    if (data_)
        ::munmap(data_, capacity_);
}

void FileBytes::reserve(std::size_t wanted) {
    constexpr std::size_t kPage = 4096;
    const std::size_t capacity = std::max<std::size_t>((wanted + kPage - 1) & ~(kPage - 1), kPage);
    void* block = data_ ? ::mremap(data_, capacity_, capacity, MREMAP_MAYMOVE)
                        : ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    ::madvise(block, capacity, MADV_HUGEPAGE);
    data_ = static_cast<std::uint8_t*>(block);
    capacity_ = capacity;
}

FileBytes readWholeFile(const std::string& path) {
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0)
        raise("Cannot open file", path, errno);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        raise("Cannot open file", path, errno);
    if (S_ISDIR(st.st_mode))
        raise("Cannot read file", path, EISDIR);
    // The buffer has the file's size; it grows only if the file grew since fstat.
    FileBytes bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    for (;;) {
        if (bytes.size_ == bytes.capacity_) {
            // Full: one byte more tells whether the file has grown.
            std::uint8_t probe;
            ssize_t n = ::read(file.fd, &probe, 1);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                raise("Cannot read file", path, errno);
            if (n == 0)
                break;
            bytes.reserve(bytes.capacity_ * 2);
            bytes.data_[bytes.size_++] = probe;
        }
        ssize_t n = ::read(file.fd, bytes.data_ + bytes.size_, bytes.capacity_ - bytes.size_);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raise("Cannot read file", path, errno);
        }
        if (n == 0)
            break;
        bytes.size_ += static_cast<std::size_t>(n);
    }
    return bytes;
}

void writeFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = realTarget(path);
    std::string temp = target + ".XXXXXX";
    Descriptor file{::mkstemp(temp.data())};
    if (file.fd < 0)
        raise("Cannot create file", path, errno);
    struct stat existing {};
    mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : kNewFileMode;
    int error = 0;
    if (::fchmod(file.fd, mode) != 0 || !writeAll(file.fd, bytes.data(), bytes.size()) || ::fsync(file.fd) != 0)
        error = errno;
    if (::close(file.fd) != 0 && error == 0)
        error = errno;
    file.fd = -1;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        raise("Cannot create file", path, error);
    }
    flushFolderOf(target);
}
