// Firefox places databases: any bytes, opened from memory read-only, give a tree or a clear error.
#include "exchange/FirefoxPlaces.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        readFirefoxPlacesBytes(std::span(data, size));
    } catch (const ExchangeError&) {
    }
    return 0;
}
