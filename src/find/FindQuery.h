// A find query: words separated by spaces, each of which must occur in an item. A word may name the
// fields it is looked for in: "name:", "url:", "note:", "tag:" (the five keywords) and "type:" (the
// caption of the item's type). Any other text before a colon is part of the word ("https://...").
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class FindField { Any, Name, Url, Note, Tag, Type };

struct FindWord {
    FindField field = FindField::Any;
    std::string text; // folded (FoldedText.h)

    bool operator==(const FindWord&) const = default;
};

struct FindQuery {
    std::vector<FindWord> words;

    bool empty() const { return words.empty(); }
};

// The query typed as UTF-8. A field prefix with nothing after it is not yet a word.
FindQuery parseFindQuery(std::string_view typed);
