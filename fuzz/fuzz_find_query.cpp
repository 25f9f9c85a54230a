// Find queries and the stored texts they are matched against: the query parser, case and accent
// folding of any bytes (UTF-8 or not), the matcher, the finder and the "Last visited" reader.
// Input: query, then the fields of a few items, separated by 0x00 bytes.
#include "collection/Outline.h"
#include "find/Finder.h"
#include "find/FoldedText.h"
#include "find/LaunchRecency.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find('\0', start);
        parts.push_back(input.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos || parts.size() == 40)
            break;
        start = end + 1;
    }
    Outline outline;
    Finder finder(outline, DateOrder::MonthDayYear);
    Node* parent = nullptr;
    for (std::size_t i = 1; i < parts.size(); i += 4) {
        Node* n = outline.addChild(parent);
        n->data.Name = std::string(parts[i]);
        n->data.ItemType = parts[i].empty() ? 0 : static_cast<std::uint8_t>(parts[i][0]) % 14 - 1;
        if (i + 1 < parts.size())
            n->data.URL = std::string(parts[i + 1]);
        if (i + 2 < parts.size())
            n->data.Keyword3 = std::string(parts[i + 2]);
        if (i + 3 < parts.size())
            n->data.AccessInfo = std::string(parts[i + 3]);
        accessStamp(std::string_view(n->data.AccessInfo), DateOrder::DayMonthYear);
        if (i % 8 == 1)
            parent = n;
    }
    const std::string_view query = parts[0];
    finder.find(query, {3, true});
    if (Node* first = outline.first()) { // a record changed between two finds
        first->data.Note = std::string(query);
        outline.recordChanged(first);
        if (Node* item = finder.find(query).items.empty() ? nullptr : first)
            finder.launched(item);
        finder.find(query, {2, true});
    }
    const std::string folded = foldedText(input);
    std::string scratch;
    findFolded(input, foldedText(query), scratch);
    containsFolded(folded, foldedText(query), scratch);
    return 0;
}
