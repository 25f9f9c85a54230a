// Whether one item matches a find query, and how well. Every word must occur in at least one of the
// item's fields; the rank says where the words were found, lower being better.
#pragma once

#include "collection/LinkItem.h"
#include "find/FindQuery.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Where a word was found, best first; an item's rank is the sum over its words.
namespace MatchPlace {
inline constexpr int NameStart = 0;     // the name starts with the word
inline constexpr int NameWordStart = 1; // a word of the name starts with it
inline constexpr int InName = 2;        // elsewhere in the name
inline constexpr int Address = 3;       // the address (URL)
inline constexpr int OtherField = 4;    // text, note, parameters, folder, keywords, contact, e-mail, type
} // namespace MatchPlace

// The texts of one item that a query looks at: stored bytes, or their folded form (FoldedText.h),
// which folds to itself. Several fields may share one text, separated by line breaks, which no word holds.
struct ItemTexts {
    std::string_view name;
    std::string_view url;
    std::string_view note;
    std::span<const std::string_view> keywords;
    std::span<const std::string_view> others; // note, text, parameters, folder, contact, e-mail
    std::int32_t itemType = 0;
};

// Reuses its buffers across items: one matcher per search, not per item.
class ItemMatcher {
public:
    explicit ItemMatcher(const FindQuery& query) : query_(query) {}

    // The rank of the item, or -1 when a word of the query occurs in none of its fields. An empty
    // query matches nothing.
    int rank(const LinkItem& item);
    int rank(const ItemTexts& item);

private:
    int placeOf(const ItemTexts& item, const FindWord& word);
    bool inAny(std::span<const std::string_view> texts, const std::string& word);
    bool inTypeCaption(std::int32_t itemType, const std::string& word);

    const FindQuery& query_;
    std::string scratch_;
};
