#include "MemoryProbe.h"

#include <fstream>
#include <string>

#include <sys/resource.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in bytes; 0 when missing.
std::int64_t statusBytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, key.size(), key) == 0)
            return std::stoll(line.substr(key.size())) * 1024; // the kernel writes kB
    return 0;
}

} // namespace

void keepFreedMemory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
#endif
}

// Freed memory the allocator keeps would also hide the growth of the next allocations, and keep freed
// buffers counted as resident.
void releaseFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

std::int64_t pageFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<std::int64_t>(usage.ru_minflt) + static_cast<std::int64_t>(usage.ru_majflt);
}

MemoryProbe::MemoryProbe() {
    releaseFreeMemory();
    baseline_ = statusBytes("VmRSS:");
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5"; // 5: reset the peak resident size to the current one
    clearRefs.flush();
    peakRestarted_ = clearRefs.good();
}

std::int64_t MemoryProbe::residentGrowth() const {
    releaseFreeMemory();
    return statusBytes("VmRSS:") - baseline_;
}

std::int64_t MemoryProbe::peakGrowth() const {
    return peakRestarted_ ? statusBytes("VmHWM:") - baseline_ : -1;
}
