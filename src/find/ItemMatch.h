// Whether one item matches a find query, and how well. Every word must occur in at least one of the
// item's fields; the rank says where the words were found, lower being better.
#pragma once

#include "collection/LinkItem.h"
#include "find/FindQuery.h"

#include <string>

// Where a word was found, best first; an item's rank is the sum over its words.
namespace MatchPlace {
inline constexpr int NameStart = 0;      // the name starts with the word
inline constexpr int NameWordStart = 1;  // a word of the name starts with it
inline constexpr int InName = 2;         // elsewhere in the name
inline constexpr int Address = 3;        // the address (URL)
inline constexpr int OtherField = 4;     // text, note, parameters, folder, keywords, contact, e-mail, type
} // namespace MatchPlace

// Reuses its buffers across items: one matcher per search, not per item.
class ItemMatcher {
public:
    explicit ItemMatcher(const FindQuery& query) : query_(query) {}

    // The rank of the item, or -1 when a word of the query occurs in none of its fields. An empty
    // query matches nothing.
    int rank(const LinkItem& item);

private:
    int placeOf(const LinkItem& item, const FindWord& word);
    bool inOtherFields(const LinkItem& item, const std::string& word);
    bool inKeywords(const LinkItem& item, const std::string& word);
    bool inTypeCaption(const LinkItem& item, const std::string& word);

    const FindQuery& query_;
    std::string scratch_;
};
