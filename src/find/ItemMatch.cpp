#include "ItemMatch.h"

#include "collection/ItemType.h"
#include "find/FoldedText.h"

namespace {

int namePlace(const FoldedHit& hit) {
    if (!hit.found)
        return -1;
    return hit.atStart ? MatchPlace::NameStart : hit.atWordStart ? MatchPlace::NameWordStart : MatchPlace::InName;
}

} // namespace

int ItemMatcher::rank(const LinkItem& item) {
    const std::string_view keywords[] = {std::string_view(item.Keyword1), std::string_view(item.Keyword2),
                                         std::string_view(item.Keyword3), std::string_view(item.Keyword4),
                                         std::string_view(item.Keyword5)};
    const std::string_view others[] = {std::string_view(item.Note),    std::string_view(item.Text),
                                       std::string_view(item.Params),  std::string_view(item.Dir),
                                       std::string_view(item.Contact), std::string_view(item.Email)};
    return rank(ItemTexts{std::string_view(item.Name), std::string_view(item.URL), std::string_view(item.Note),
                          keywords, others, item.ItemType});
}

int ItemMatcher::rank(const ItemTexts& item) {
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

int ItemMatcher::placeOf(const ItemTexts& item, const FindWord& word) {
    const std::string& w = word.text;
    switch (word.field) {
    case FindField::Name:
        return namePlace(findFolded(item.name, w, scratch_));
    case FindField::Url:
        return containsFolded(item.url, w, scratch_) ? MatchPlace::Address : -1;
    case FindField::Note:
        return containsFolded(item.note, w, scratch_) ? MatchPlace::OtherField : -1;
    case FindField::Tag:
        return inAny(item.keywords, w) ? MatchPlace::OtherField : -1;
    case FindField::Type:
        return inTypeCaption(item.itemType, w) ? MatchPlace::OtherField : -1;
    case FindField::Any:
        break;
    }
    if (const int place = namePlace(findFolded(item.name, w, scratch_)); place >= 0)
        return place;
    if (containsFolded(item.url, w, scratch_))
        return MatchPlace::Address;
    return inAny(item.others, w) || inAny(item.keywords, w) ? MatchPlace::OtherField : -1;
}

bool ItemMatcher::inAny(std::span<const std::string_view> texts, const std::string& word) {
    for (std::string_view text : texts)
        if (text.size() >= word.size() && containsFolded(text, word, scratch_))
            return true;
    return false;
}

// "type:folder", "type:google" or "type:googlesearch": the word begins the type's name in the
// properties dialog or its "Set Item Type" caption, spaces left out or not.
bool ItemMatcher::inTypeCaption(std::int32_t itemType, const std::string& word) {
    for (const ItemTypeInfo& info : kItemTypes) {
        if (info.value != itemType)
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
