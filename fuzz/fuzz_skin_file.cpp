// Skin files are outside bytes: any text either reads into a style or fails with the skin error.
#include "panels/SkinFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SkinStyle style;
    try {
        ReadSkin(std::string_view(reinterpret_cast<const char*>(data), size), style);
    } catch (const SkinFileError&) {
        if (style != SkinStyle())
            __builtin_trap(); // a failed read must leave the style untouched
    }
    return 0;
}
