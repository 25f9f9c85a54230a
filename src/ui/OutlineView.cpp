#include "OutlineView.h"

#include "ItemTypeImages.h"
#include "OutlineCellPainter.h"
#include "collection/ItemType.h"

#include <QHeaderView>
#include <QPainter>

#include <utility>
#include <vector>

namespace {

const QColor kGridColour(0xd8, 0xd8, 0xd8);
const QColor kTreeLineColour(0xa0, 0xa0, 0xa0);
const QColor kButtonFrameColour(0x80, 0x80, 0x80);
constexpr int kIndentation = 18;
constexpr int kSelectionAlpha = 90; // the selection tints the item colours instead of hiding them

// Counts nested mirroring so that the Qt signals it causes are not taken for the user's.
class Mirroring {
public:
    explicit Mirroring(int& depth) : depth_(depth) { ++depth_; }
    ~Mirroring() { --depth_; }
    Mirroring(const Mirroring&) = delete;
    Mirroring& operator=(const Mirroring&) = delete;

private:
    int& depth_;
};

} // namespace

OutlineView::OutlineView(OutlineModel& model, QWidget* parent)
    : QTreeView(parent), model_(model), outline_(model.outline()), painter_(new OutlineCellPainter(this)) {
    setModel(&model_);
    setItemDelegate(painter_);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setUniformRowHeights(true);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setIndentation(kIndentation);
    setAllColumnsShowFocus(false); // the focus frame is drawn in drawRow
    header()->setStretchLastSection(false);
    QFont headerFont = header()->font();
    headerFont.setBold(true);
    header()->setFont(headerFont);

    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) { forwardExpansion(index, true); });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) { forwardExpansion(index, false); });
    // The model is made before the view, so it hears every announcement before the view does.
    // When it goes, the view stops listening: the outline may go right after it.
    connect(&model_, &QObject::destroyed, this, [this] { stopListening(); });
    outline_.addListener(this);
    listening_ = true;
    mirrorAll();
}

OutlineView::~OutlineView() {
    stopListening();
}

void OutlineView::stopListening() {
    if (listening_)
        outline_.removeListener(this);
    listening_ = false;
}

void OutlineView::setColumns(std::span<const ColumnSetup> columns) {
    for (int c = 0; c < model_.columnCount(); ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (i < columns.size()) {
            setColumnWidth(c, columns[i].width > 0 ? columns[i].width : header()->defaultSectionSize());
            setColumnHidden(c, columns[i].hidden);
        } else {
            setColumnHidden(c, true);
        }
    }
}

void OutlineView::configureAsLinksTree() {
    setColumns(kLinksTreeColumns);
    header()->setVisible(true);
    model_.setHeaderImage(OutlineModel::NameColumn, ItemTypeImages::icon(ItemType::Url));
    setRowBackground([](const QModelIndex& index) {
        return OutlineCellPainter::rowBackground(index.data(OutlineModel::BkColorRole).toInt());
    });
    setToolTip(QStringLiteral("Click link to browse"));
}

void OutlineView::configureAsSideTree(int nameWidth) {
    const ColumnSetup name{nameWidth, false};
    setColumns(std::span(&name, 1));
}

void OutlineView::setRowBackground(RowBackground rule) {
    rowBackground_ = std::move(rule);
    viewport()->update();
}

void OutlineView::setGridLines(bool shown) {
    gridLines_ = shown;
    viewport()->update();
}

// ---- Outline -> view -------------------------------------------------------------------------

void OutlineView::mirrorRow(const Node* node, const QModelIndex& parentIndex) {
    if (isRowHidden(node->index(), parentIndex) == node->isVisible())
        setRowHidden(node->index(), parentIndex, !node->isVisible());
    const QModelIndex index = model_.indexOf(node);
    if (isExpanded(index) != node->isExpanded())
        setExpanded(index, node->isExpanded());
}

void OutlineView::mirrorNode(const Node* node) {
    Mirroring mirroring(mirroring_);
    mirrorRow(node, model_.indexOf(node->parent()));
    const QModelIndex index = model_.indexOf(node);
    if (selectionModel()->isSelected(index) != node->isSelected())
        selectionModel()->select(index,
                                 (node->isSelected() ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                     QItemSelectionModel::Rows);
}

void OutlineView::mirrorSubtree(Node* node) {
    outline_.forEachInSubtree(node, [this](const Node* n) { mirrorNode(n); });
}

void OutlineView::mirrorAll() {
    Mirroring mirroring(mirroring_);
    scheduleDelayedItemsLayout(); // one layout after all rows are set, not one per row
    const int lastColumn = model_.columnCount() - 1;
    QItemSelection selection;
    std::vector<Node*> parents{outline_.root()};
    while (!parents.empty()) {
        Node* parent = parents.back();
        parents.pop_back();
        const QModelIndex parentIndex = model_.indexOf(parent);
        auto selectRun = [&](int first, int last) {
            selection.select(model_.index(first, 0, parentIndex), model_.index(last, lastColumn, parentIndex));
        };
        int runStart = -1;
        for (int row = 0; row < parent->childCount(); ++row) {
            Node* node = parent->child(row);
            mirrorRow(node, parentIndex);
            if (node->isSelected() && runStart < 0)
                runStart = row;
            else if (!node->isSelected() && runStart >= 0) {
                selectRun(runStart, row - 1);
                runStart = -1;
            }
            if (node->childCount() > 0)
                parents.push_back(node);
        }
        if (runStart >= 0)
            selectRun(runStart, parent->childCount() - 1);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    mirrorFocus();
}

void OutlineView::mirrorFocus() {
    Node* focused = outline_.focused();
    if (model_.nodeAt(currentIndex()) == focused)
        return;
    Mirroring mirroring(mirroring_);
    selectionModel()->setCurrentIndex(model_.indexOf(focused), QItemSelectionModel::NoUpdate);
}

void OutlineView::nodesInserted(Node* parent, int first, int last) {
    for (int row = first; row <= last; ++row)
        mirrorSubtree(parent->child(row));
    mirrorFocus();
}

void OutlineView::nodesRemoved(Node*, int, int) {
    mirrorFocus();
}

void OutlineView::nodeMoved(Node* node) {
    mirrorSubtree(node);
    mirrorFocus();
}

void OutlineView::statesChanged(Node* node) {
    mirrorNode(node);
}

void OutlineView::allStatesChanged() {
    mirrorAll();
}

void OutlineView::focusChanged(Node*, Node* current) {
    mirrorFocus();
    if (current)
        scrollToNode(current);
}

void OutlineView::reset() {
    mirrorAll();
}

// ---- View -> outline -------------------------------------------------------------------------

void OutlineView::forwardExpansion(const QModelIndex& index, bool expanded) {
    if (!userChange())
        return;
    if (Node* node = model_.nodeAt(index))
        outline_.setExpanded(node, expanded);
}

void OutlineView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    if (userChange())
        outline_.setFocused(model_.nodeAt(current));
}

void OutlineView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTreeView::selectionChanged(selected, deselected);
    if (!userChange())
        return;
    // Each touched row is handed over in its state after the change, so ranges that overlap or
    // cover only some columns still give the right answer.
    auto forward = [this](const QItemSelection& ranges) {
        for (const QItemSelectionRange& range : ranges)
            for (int row = range.top(); row <= range.bottom(); ++row) {
                const QModelIndex index = model_.index(row, 0, range.parent());
                if (Node* node = model_.nodeAt(index))
                    outline_.setSelected(node, selectionModel()->isSelected(index));
            }
    };
    forward(deselected);
    forward(selected);
}

bool OutlineView::edit(const QModelIndex&, EditTrigger, QEvent*) {
    return false;
}

void OutlineView::focusNode(Node* node) {
    if (node)
        for (Node* ancestor = outline_.parentOf(node); ancestor; ancestor = outline_.parentOf(ancestor))
            outline_.setExpanded(ancestor, true);
    outline_.setFocused(node);
    if (node)
        scrollToNode(node);
}

void OutlineView::scrollToNode(const Node* node) {
    scrollTo(model_.indexOf(node));
}

void OutlineView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const Node* node = listening_ ? model_.nodeAt(index) : nullptr;
    if (!node || !outline_.isDisplayed(node))
        return;
    if (hint == EnsureVisible) {
        const QRect rect = visualRect(index);
        if (rect.top() < 0 || rect.bottom() > viewport()->height() - 1)
            hint = PositionAtCenter;
    }
    QTreeView::scrollTo(index, hint);
}

void OutlineView::expandAll() {
    outline_.setExpandedAll(true);
}

void OutlineView::collapseAll() {
    outline_.setExpandedAll(false);
}

// ---- Painting --------------------------------------------------------------------------------

QRect OutlineView::columnsRect(int top, int height) const {
    return {-header()->offset(), top, header()->length(), height};
}

QColor OutlineView::selectionColour() const {
    QColor colour = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    colour.setAlpha(kSelectionAlpha);
    return colour;
}

void OutlineView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int top = option.rect.top();
    const int height = option.rect.height();
    const QRect columns = columnsRect(top, height);
    if (rowBackground_) {
        const QColor background = rowBackground_(index);
        if (background.isValid())
            painter->fillRect(QRect(0, top, viewport()->width(), height) | columns, background);
    }
    if (selectionModel()->isSelected(index))
        painter->fillRect(columns, selectionColour());

    // The selection is painted above; the style's opaque fills would hide the item colours.
    QStyleOptionViewItem rowOption = option;
    rowOption.palette.setBrush(QPalette::Highlight, QBrush(Qt::transparent));
    QTreeView::drawRow(painter, rowOption, index);

    painter->save();
    if (gridLines_) {
        painter->setPen(kGridColour);
        const int bottom = top + height - 1;
        painter->drawLine(columns.left(), bottom, columns.right(), bottom);
        for (int visual = 0; visual < header()->count(); ++visual) {
            const int column = header()->logicalIndex(visual);
            if (header()->isSectionHidden(column))
                continue;
            const int x = columnViewportPosition(column) + columnWidth(column) - 1;
            painter->drawLine(x, top, x, bottom);
        }
    }
    const QModelIndex current = currentIndex();
    if (hasFocus() && current.isValid() && current.row() == index.row() && current.parent() == index.parent()) {
        painter->setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(columns.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

bool OutlineView::hasDisplayedSiblingAfter(const Node* node) const {
    const Node* parent = node->parent();
    for (int row = node->index() + 1; row < parent->childCount(); ++row)
        if (parent->child(row)->isVisible())
            return true;
    return false;
}

bool OutlineView::hasDisplayedSiblingBefore(const Node* node) const {
    const Node* parent = node->parent();
    for (int row = node->index() - 1; row >= 0; --row)
        if (parent->child(row)->isVisible())
            return true;
    return false;
}

// Dotted tree lines and +/- buttons, one indentation column per level.
void OutlineView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    const Node* node = model_.nodeAt(index);
    const int indent = indentation();
    int column = indent > 0 ? rect.width() / indent - 1 : -1;
    if (!node || column < 0)
        return;
    painter->save();
    const QBrush dots(kTreeLineColour, Qt::Dense4Pattern);
    painter->setBrushOrigin(0, 0);
    const int top = rect.top();
    const int height = rect.height();
    const int middleY = top + height / 2;
    auto middleX = [&](int c) { return rect.left() + c * indent + indent / 2; };

    // The node's own column: a line up to its parent or previous sibling, on to the next sibling,
    // and across to the item.
    const int x = middleX(column);
    const bool firstShownTopLevel = node->parent() == outline_.root() && !hasDisplayedSiblingBefore(node);
    if (!firstShownTopLevel)
        painter->fillRect(QRect(x, top, 1, middleY - top), dots);
    if (hasDisplayedSiblingAfter(node))
        painter->fillRect(QRect(x, middleY, 1, top + height - middleY), dots);
    painter->fillRect(QRect(x, middleY, rect.left() + (column + 1) * indent - x, 1), dots);

    // Outer columns: a line passing through for every ancestor that has a later sibling.
    for (const Node* ancestor = node->parent(); column > 0 && ancestor != outline_.root();
         ancestor = ancestor->parent()) {
        --column;
        if (hasDisplayedSiblingAfter(ancestor))
            painter->fillRect(QRect(middleX(column), top, 1, height), dots);
    }

    if (node->childCount() > 0 && !node->has(NodeState::AllChildrenHidden)) {
        const QRect button(x - 4, middleY - 4, 9, 9);
        painter->fillRect(button, Qt::white);
        painter->setPen(kButtonFrameColour);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(button.adjusted(0, 0, -1, -1));
        painter->setPen(palette().color(QPalette::Text));
        painter->drawLine(x - 2, middleY, x + 2, middleY);
        if (!isExpanded(index))
            painter->drawLine(x, middleY - 2, x, middleY + 2);
    }
    painter->restore();
}
