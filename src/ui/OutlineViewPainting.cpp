// How the outline view paints a row: its background, the selection tint from the outline, the cells
// by the cell painter, grid lines, the focus frame, clipboard marks, and the dotted tree lines with
// their buttons.
#include "OutlineView.h"

#include <QHeaderView>
#include <QPainter>

namespace {

const QColor kGridColour(0xd8, 0xd8, 0xd8);
const QColor kTreeLineColour(0xa0, 0xa0, 0xa0);
const QColor kButtonFrameColour(0x80, 0x80, 0x80);
constexpr int kSelectionAlpha = 90; // the selection tints the item colours instead of hiding them
constexpr qreal kCutOpacity = 0.45; // a cut item is drawn faded until a paste moves it

} // namespace

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
    const Node* node = model_.nodeAt(index);
    if (node && node->isSelected())
        painter->fillRect(columns, selectionColour());

    // The cells, each by the cell painter; the tree column begins with the branch lines. The
    // selection and focus are this view's own, so Qt's row painting (which asks a selection model
    // about every cell) is not used.
    const ClipboardMark mark = node ? node->mark() : ClipboardMark::None;
    QStyleOptionViewItem cell = option;
    if (mark == ClipboardMark::Cut)
        painter->setOpacity(kCutOpacity);
    const int treeColumn = treePosition() < 0 ? 0 : treePosition();
    for (int visual = 0; visual < header()->count(); ++visual) {
        const int column = header()->logicalIndex(visual);
        if (header()->isSectionHidden(column))
            continue;
        QRect rect(columnViewportPosition(column), top, columnWidth(column), height);
        if (column == treeColumn && node) {
            const int indent = indentation() * (outline_.level(node) + (rootIsDecorated() ? 1 : 0));
            if (indent > 0)
                drawBranches(painter, QRect(rect.left(), top, indent, height), index);
            rect.setLeft(rect.left() + indent);
        }
        cell.rect = rect;
        const QModelIndex cellIndex = model_.index(index.row(), column, index.parent());
        itemDelegateForIndex(cellIndex)->paint(painter, cell, cellIndex);
    }
    painter->setOpacity(1.0);

    painter->save();
    if (mark != ClipboardMark::None) {
        // Copied and cut items wear a dashed frame for as long as their data is on the clipboard.
        painter->setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(columns.adjusted(1, 1, -2, -2));
    }
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
