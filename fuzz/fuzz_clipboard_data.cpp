// Any bytes as a "Virtual Tree Data" block from the clipboard: a leading byte count, then node chunks.
#include "collection/NodeStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Outline outline;
    Node* target = outline.addChild(nullptr);
    try {
        readNodeChunks(outline, fromGlobalMemoryForm(ByteSpan(data, size)), target);
    } catch (const StreamError&) {
    }
    // The same bytes handed over as a stream, without the leading count.
    try {
        readNodeChunks(outline, ByteSpan(data, size), nullptr);
    } catch (const StreamError&) {
    }
    return 0;
}
