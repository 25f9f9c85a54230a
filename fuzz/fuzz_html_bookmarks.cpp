// HTML bookmark files: any bytes give a tree or a clear error; a tree read back from the writer's
// output is the same tree.
#include "exchange/HtmlBookmarks.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const BookmarkTree tree = readHtmlBookmarks(std::string_view(reinterpret_cast<const char*>(data), size));
        for (std::size_t i = 0; i < tree.items.size(); ++i)
            if (tree.items[i].depth < 0 || (i > 0 && tree.items[i].depth > tree.items[i - 1].depth + 1))
                std::abort();  // not in pre-order
        writeHtmlBookmarks(tree);
    } catch (const ExchangeError&) {
    }
    return 0;
}
