// Any bytes as Firefox's session file: the "mozLz40" header, the LZ4 block, the JSON windows.
#include "platform/xdg/FirefoxSession.h"
#include "platform/xdg/SessionFileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        readFirefoxSession(std::span<const std::uint8_t>(data, size));
    } catch (const SessionFileError&) {
    }
    return 0;
}
