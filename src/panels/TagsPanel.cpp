#include "panels/TagsPanel.h"

#include "editing/CreateNewLink.h"

#include <cctype>

namespace {

void addEntry(Outline& marks, const Node* item) {
    Node* entry = CreateNewLink(marks, TreeKind::Marks, marks.root(), {}, item->data.Name);
    entry->data.ItemType = item->data.ItemType;
}

void sortedAscending(TagSort& sort) {
    sort.ascending = true;
    sort.column = 0;
}

}  // namespace

void GetBookmarks(const Outline& links, Outline& marks, TagSort& sort) {
    {
        OutlineUpdate update(marks);
        marks.clear();
        for (const Node* item : links.root()->children())
            addEntry(marks, item);
    }
    sortedAscending(sort);
    if (!marks.isEmpty())
        marks.setFocused(marks.root()->child(0));
}

void GetLetterBookmarks(const Outline& links, Outline& marks, char letter, TagSort& sort) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    {
        OutlineUpdate update(marks);
        marks.clear();
        links.forEach([&](const Node* item) {
            if (!item->data.Name.empty() && item->data.Name.front() == upper)
                addEntry(marks, item);
        });
    }
    sortedAscending(sort);
}

void MarksTreeHeaderClick(TagSort& sort, int column) {
    if (column != 0) {
        sort.column = TagSort::kNoColumn;
        return;
    }
    if (sort.column == TagSort::kNoColumn)
        sort.ascending = true;
    else
        sort.ascending = !sort.ascending;
    sort.column = 0;
}

Node* TagTarget(const Outline& marks, const Outline& links) {
    if (marks.rootCount() < 2)
        return nullptr;
    const Node* entry = marks.firstSelected();
    if (!entry)
        return nullptr;
    for (Node* item = links.first(); item; item = links.next(item))
        if (item->data.Name == entry->data.Name)
            return item;
    return nullptr;
}
