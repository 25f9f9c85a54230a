// The requests a second start sends over the local socket: any bytes are refused with an error or
// read into requests that write back to the same bytes.
#include "platform/xdg/HandoverMessage.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    handoverComplete(bytes);
    try {
        const std::vector<HandoverRequest> requests = readHandover(bytes);
        if (readHandover(writeHandover(requests)) != requests)
            std::abort();
    } catch (const HandoverError&) {
    }
    return 0;
}
