#include "ItemMatch.h"

#include "collection/ItemType.h"
#include "find/FoldedText.h"

#include <string_view>

namespace {

int namePlace(const FoldedHit& hit) {
    if (!hit.found)
        return -1;
    return hit.atStart ? MatchPlace::NameStart : hit.atWordStart ? MatchPlace::NameWordStart : MatchPlace::InName;
}

} // namespace

int ItemMatcher::rank(const LinkItem& item) {
    if (query_.empty())
        return -1;
    int total = 0;
    for (const FindWord& word : query_.words) {
        const int place = placeOf(item, word);
        if (place < 0)
            return -1;
        total += place;
    }
    return total;
}

int ItemMatcher::placeOf(const LinkItem& item, const FindWord& word) {
    const std::string& w = word.text;
    switch (word.field) {
    case FindField::Name:
        return namePlace(findFolded(std::string_view(item.Name), w, scratch_));
    case FindField::Url:
        return containsFolded(std::string_view(item.URL), w, scratch_) ? MatchPlace::Address : -1;
    case FindField::Note:
        return containsFolded(std::string_view(item.Note), w, scratch_) ? MatchPlace::OtherField : -1;
    case FindField::Tag:
        return inKeywords(item, w) ? MatchPlace::OtherField : -1;
    case FindField::Type:
        return inTypeCaption(item, w) ? MatchPlace::OtherField : -1;
    case FindField::Any:
        break;
    }
    if (const int place = namePlace(findFolded(std::string_view(item.Name), w, scratch_)); place >= 0)
        return place;
    if (containsFolded(std::string_view(item.URL), w, scratch_))
        return MatchPlace::Address;
    return inOtherFields(item, w) ? MatchPlace::OtherField : -1;
}

bool ItemMatcher::inKeywords(const LinkItem& item, const std::string& word) {
    for (std::string_view keyword : {std::string_view(item.Keyword1), std::string_view(item.Keyword2),
                                     std::string_view(item.Keyword3), std::string_view(item.Keyword4),
                                     std::string_view(item.Keyword5)})
        if (containsFolded(keyword, word, scratch_))
            return true;
    return false;
}

bool ItemMatcher::inOtherFields(const LinkItem& item, const std::string& word) {
    for (std::string_view field : {std::string_view(item.Text), std::string_view(item.Note),
                                   std::string_view(item.Params), std::string_view(item.Dir),
                                   std::string_view(item.Contact), std::string_view(item.Email)})
        if (containsFolded(field, word, scratch_))
            return true;
    return inKeywords(item, word);
}

// "type:folder", "type:google" or "type:googlesearch": the word begins the type's name in the
// properties dialog or its "Set Item Type" caption, spaces left out or not.
bool ItemMatcher::inTypeCaption(const LinkItem& item, const std::string& word) {
    for (const ItemTypeInfo& info : kItemTypes) {
        if (info.value != item.ItemType)
            continue;
        for (std::string_view caption : {info.dialogName, info.setTypeCaption}) {
            std::string folded = foldedText(caption);
            if (folded.starts_with(word))
                return true;
            std::erase(folded, ' ');
            if (!caption.empty() && folded.starts_with(word))
                return true;
        }
    }
    return false;
}
