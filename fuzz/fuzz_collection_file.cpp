// Any bytes as a collection file: the reader either succeeds or raises a StreamError. What it
// accepts is written and read back; from then on writing and reading change nothing. (The first
// write may differ from the input: it drops transient bits and adds records that were absent.)
#include "collection/NodeStream.h"

#include <cstdlib>

namespace {
Bytes rewrite(ByteSpan bytes) {
    Outline outline;
    readOutline(outline, bytes);
    return writeOutline(outline);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes written;
    try {
        written = rewrite(ByteSpan(data, size));
    } catch (const StreamError&) {
        return 0;
    }
    const Bytes settled = rewrite(written);
    if (rewrite(settled) != settled)
        std::abort();
    return 0;
}
