#include "FindQuery.h"

#include "find/FoldedText.h"

namespace {

constexpr struct {
    std::string_view prefix;
    FindField field;
} kPrefixes[] = {
    {"name:", FindField::Name}, {"url:", FindField::Url},   {"note:", FindField::Note},
    {"tag:", FindField::Tag},   {"type:", FindField::Type},
};

} // namespace

FindQuery parseFindQuery(std::string_view typed) {
    FindQuery query;
    const std::string folded = foldedText(typed);
    std::size_t i = 0;
    while (i < folded.size()) {
        const std::size_t start = folded.find_first_not_of(" \t\r\n", i);
        if (start == std::string::npos)
            break;
        std::size_t end = folded.find_first_of(" \t\r\n", start);
        if (end == std::string::npos)
            end = folded.size();
        std::string_view word(folded.data() + start, end - start);
        FindField field = FindField::Any;
        for (const auto& p : kPrefixes)
            if (word.starts_with(p.prefix)) {
                field = p.field;
                word.remove_prefix(p.prefix.size());
                break;
            }
        if (!word.empty())
            query.words.push_back({field, std::string(word)});
        i = end;
    }
    return query;
}
