// Any bytes as a Chromium session file: the "SNSS" header, the records, the navigation pickles.
#include "platform/xdg/ChromiumSession.h"
#include "platform/xdg/SessionFileError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        readChromiumSession(std::span<const std::uint8_t>(data, size));
    } catch (const SessionFileError&) {
    }
    return 0;
}
