#include "TitleBox.h"

#include "collection/DisplayText.h"

std::string TitleBox::textFor(const Node* item) { return item ? displayText(item->data.Name) : std::string(); }

bool TitleBox::storeInto(Outline& outline, Node* item, const std::string& titleText) {
    if (!item || titleText == textFor(item))
        return false;
    outline.editRecord(item, [&titleText](LinkItem& record) { record.Name = titleText; });
    return true;
}

const Node* TitleBox::startItem(const Outline& outline) {
    if (outline.focused())
        return outline.focused();
    return outline.firstSelected();
}
