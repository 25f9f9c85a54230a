#include "FoundItemList.h"

#include "collection/DisplayText.h"
#include "find/FoundItems.h"
#include "ui/ItemTypeImages.h"

#include <algorithm>
#include <array>

namespace {

QString qt(std::string_view bytes) {
    const std::string text = displayText(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One icon per type for the life of the program: making one per row would cost more than the search.
const QIcon& pictureOf(std::int32_t itemType) {
    static std::array<QIcon, ItemTypeImages::kCount> icons;
    static const QIcon none;
    if (!ItemTypeImages::has(itemType))
        return none;
    QIcon& icon = icons[static_cast<std::size_t>(itemType)];
    if (icon.isNull())
        icon = ItemTypeImages::icon(itemType);
    return icon;
}

} // namespace

FoundItemList::FoundItemList(QWidget* parent) : QListWidget(parent) {
    setObjectName("FoundItemList");
    setIconSize(QSize(ItemTypeImages::kSize, ItemTypeImages::kSize));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::NoFocus); // the keyboard stays in the box above; Up and Down move the list
}

void FoundItemList::showResult(const Outline& outline, const FindResult& result) {
    setUpdatesEnabled(false);
    clear();
    for (Node* node : result.items) {
        const LinkItem& d = node->data;
        QString second = qt(std::string_view(d.URL));
        const std::string path = groupPath(outline, node);
        if (!path.empty())
            second += (second.isEmpty() ? "" : "  \u00B7  ") + QString::fromStdString(path);
        auto* row = new QListWidgetItem(pictureOf(d.ItemType), qt(std::string_view(d.Name)) + "\n" + second);
        addItem(row);
    }
    if (count() > 0)
        setCurrentRow(0);
    setUpdatesEnabled(true);
}

void FoundItemList::moveCurrent(int delta) {
    if (count() == 0)
        return;
    setCurrentRow(std::clamp(currentRow() + delta, 0, count() - 1));
}

QString FoundItemList::rowText(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text() : QString();
}
