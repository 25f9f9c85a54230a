#include "OutlineView.h"

#include "ItemTypeImages.h"
#include "OutlineCellPainter.h"
#include "collection/ItemType.h"
#include "editing/Selection.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace {

const QColor kGridColour(0xd8, 0xd8, 0xd8);
const QColor kTreeLineColour(0xa0, 0xa0, 0xa0);
const QColor kButtonFrameColour(0x80, 0x80, 0x80);
constexpr int kIndentation = 18;
constexpr int kSelectionAlpha = 90; // the selection tints the item colours instead of hiding them
constexpr qreal kCutOpacity = 0.45;  // a cut item is drawn faded until a paste moves it

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
    : QTreeView(parent), model_(model), outline_(model.outline()), painter_(new OutlineCellPainter(this)),
      searchClock_([] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
              .count();
      }),
      beep_([] { QApplication::beep(); }) {
    // Connected before the tree view connects itself, which forgets its rows when a reset begins.
    connect(&model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { keepTopRow(); });
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
    outline_.addListener(&listener_);
    listening_ = true;
    mirrorAll(true);
}

OutlineView::~OutlineView() {
    stopListening();
}

void OutlineView::stopListening() {
    if (listening_)
        outline_.removeListener(&listener_);
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

namespace {

bool hasVisibleChild(const Node* node) {
    return std::any_of(node->children().begin(), node->children().end(), [](const Node* c) { return c->isVisible(); });
}

} // namespace

bool OutlineView::opensBranch(const Node* node) const { return node->isExpanded() && hasVisibleChild(node); }

bool OutlineView::mirrorRow(const Node* node, const QModelIndex& parentIndex, bool fresh) {
    if (fresh ? !node->isVisible() : isRowHidden(node->index(), parentIndex) == node->isVisible()) {
        beforeMarkChange();
        setRowHidden(node->index(), parentIndex, !node->isVisible());
    }
    // A leaf's mark is never used: it is set again when the leaf gets children.
    if (!node->isVisible() || node->childCount() == 0)
        return false;
    const bool open = opensBranch(node);
    const QModelIndex index = model_.indexOf(node);
    if (fresh ? open : isExpanded(index) != open) {
        beforeMarkChange();
        setExpanded(index, open);
    }
    return open;
}

void OutlineView::mirrorBranch(const Node* node, bool fresh) {
    Mirroring mirroring(mirroring_);
    std::vector<const Node*> parents{node};
    while (!parents.empty()) {
        const Node* parent = parents.back();
        parents.pop_back();
        const QModelIndex parentIndex = model_.indexOf(parent);
        for (const Node* child : parent->children())
            if (mirrorRow(child, parentIndex, fresh))
                parents.push_back(child);
    }
}

void OutlineView::mirrorParent(const Node* parent) {
    if (parent == outline_.root() || !outline_.isDisplayed(parent))
        return;
    Mirroring mirroring(mirroring_);
    const QModelIndex index = model_.indexOf(parent);
    const bool open = opensBranch(parent);
    if (isExpanded(index) != open) {
        setExpanded(index, open);
        if (open)
            mirrorBranch(parent);
    }
    viewport()->update(); // its button comes or goes with its visible children
}

// In a bulk mirror, the first mark that changes asks for one layout after all rows are set, instead
// of one per row; a bulk change that left every mark as it was (a new selection) costs no layout.
void OutlineView::beforeMarkChange() {
    if (bulkMirror_ && !std::exchange(layoutScheduled_, true))
        scheduleDelayedItemsLayout();
}

void OutlineView::mirrorAll(bool fresh) {
    Mirroring mirroring(mirroring_);
    mirroredShape_ = outline_.shapeChanges();
    bulkMirror_ = true;
    layoutScheduled_ = false;
    mirrorBranch(outline_.root(), fresh);
    bulkMirror_ = false;
    mirrorFocus();
    viewport()->update();
}

void OutlineView::mirrorFocus() {
    Node* focused = outline_.focused();
    if (model_.nodeAt(currentIndex()) == focused)
        return;
    Mirroring mirroring(mirroring_);
    selectionModel()->setCurrentIndex(model_.indexOf(focused), QItemSelectionModel::NoUpdate);
}

void OutlineView::nodesInserted(Node* parent, int first, int last) {
    Mirroring mirroring(mirroring_);
    if (parent == outline_.root() || (outline_.isDisplayed(parent) && isExpanded(model_.indexOf(parent)))) {
        const QModelIndex parentIndex = model_.indexOf(parent);
        for (int row = first; row <= last; ++row)
            if (mirrorRow(parent->child(row), parentIndex))
                mirrorBranch(parent->child(row));
    }
    mirrorParent(parent);
    mirrorFocus();
}

void OutlineView::nodesRemoved(Node* parent, int, int) {
    mirrorParent(parent);
    mirrorFocus();
}

void OutlineView::nodeAboutToBeMoved(Node* node, Node*, int) { movedFrom_ = node->parent(); }

void OutlineView::nodeMoved(Node* node) {
    Mirroring mirroring(mirroring_);
    mirrorParent(std::exchange(movedFrom_, nullptr));
    Node* parent = node->parent();
    if (parent == outline_.root() || (outline_.isDisplayed(parent) && isExpanded(model_.indexOf(parent))))
        if (mirrorRow(node, model_.indexOf(parent)))
            mirrorBranch(node);
    mirrorParent(parent);
    mirrorFocus();
}

void OutlineView::allStatesChanged() {
    if (mirroredShape_ != outline_.shapeChanges()) {
        mirrorAll();
        return;
    }
    mirrorFocus();
    viewport()->update();
}

void OutlineView::statesChanged(Node* node) {
    Mirroring mirroring(mirroring_);
    // One change is announced at a time, and this mirrors it: the rows stay in step.
    if (mirroredShape_ + 1 == outline_.shapeChanges())
        mirroredShape_ = outline_.shapeChanges();
    Node* parent = node->parent();
    if (parent != outline_.root()) {
        // A change of visibility may open or close the parent's branch, which mirrors this row too.
        if (!outline_.isDisplayed(parent))
            return;
        const QModelIndex parentIndex = model_.indexOf(parent);
        const bool wasOpen = isExpanded(parentIndex);
        mirrorParent(parent);
        if (!wasOpen || !isExpanded(parentIndex))
            return;
    }
    const QModelIndex index = model_.indexOf(node);
    const bool wasShownOpen = !isRowHidden(index.row(), index.parent()) && isExpanded(index);
    if (mirrorRow(node, model_.indexOf(parent)) && !wasShownOpen)
        mirrorBranch(node);
}

void OutlineView::focusChanged(Node*, Node* current) {
    mirrorFocus();
    // Focus moved by a command (not by a click or key here) is where Shift extends from next.
    if (handlingInput_ == 0)
        anchor_ = model_.indexOf(current);
    if (current)
        scrollToNode(current);
}

void OutlineView::outlineReset() {
    mirrorAll(true); // the tree view's reset has dropped every mark
    restoreTopRow();
}

void OutlineView::keepTopRow() {
    topRowPath_.clear();
    firstBeforeReset_ = outline_.first();
    for (const Node* n = model_.nodeAt(indexAt(QPoint(0, 0))); n && n != outline_.root(); n = n->parent())
        topRowPath_.insert(topRowPath_.begin(), n->index());
}

void OutlineView::restoreTopRow() {
    if (topRowPath_.empty() || outline_.first() != firstBeforeReset_)
        return;
    const Node* node = outline_.root();
    for (int row : topRowPath_) {
        if (row >= node->childCount())
            break;
        node = node->child(row);
    }
    while (node != outline_.root() && !outline_.isDisplayed(node))
        node = node->parent();
    if (node != outline_.root())
        QTreeView::scrollTo(model_.indexOf(node), PositionAtTop);
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
    if (!userChange())
        return;
    if (handlingInput_ > 0)
        pendingFocus_ = QPersistentModelIndex(current);
    else
        outline_.setFocused(model_.nodeAt(current));
}

// Qt's selection model is never filled: the outline holds the selection, and the clicks and keys
// select through it. Qt moves the current row only with a command other than NoUpdate; Rows
// alone selects nothing.
QItemSelectionModel::SelectionFlags OutlineView::selectionCommand(const QModelIndex&, const QEvent*) const {
    return QItemSelectionModel::Rows;
}

void OutlineView::selectAll() {
    if (listening_)
        SelectAllVisible(outline_);
}

bool OutlineView::edit(const QModelIndex&, EditTrigger, QEvent*) {
    return false;
}

// ---- Keys and mouse --------------------------------------------------------------------------

template <class F> void OutlineView::handleInput(F&& qtHandling) {
    ++handlingInput_;
    qtHandling();
    if (handlingInput_ == 1 && pendingFocus_) {
        const QPersistentModelIndex focus = *std::exchange(pendingFocus_, std::nullopt);
        if (listening_)
            outline_.setFocused(model_.nodeAt(focus));
    }
    --handlingInput_;
}

void OutlineView::keyPressEvent(QKeyEvent* event) {
    if (handlers_.keyDown && handlers_.keyDown(*event)) {
        event->accept();
        return;
    }
    // Qt's item views copy the current row's text on the copy keys (Ctrl+Insert among them); the
    // trees copy items, and only through the window's handlers.
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Space && modifiers.testFlag(Qt::ControlModifier)) {
        if (Node* focused = outline_.focused()) {
            outline_.setSelected(focused, !focused->isSelected());
            anchor_ = model_.indexOf(focused);
        }
        event->accept();
        return;
    }
    Node* before = outline_.focused();
    handleInput([&] { QTreeView::keyPressEvent(event); });
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (outline_.focused() != before && outline_.focused())
            selectByKey(outline_.focused(), modifiers);
        break;
    default:
        break;
    }
}

void OutlineView::keyReleaseEvent(QKeyEvent* event) {
    if (handlers_.keyUp)
        handlers_.keyUp(*event);
    QTreeView::keyReleaseEvent(event);
}

void OutlineView::mousePressEvent(QMouseEvent* event) {
    if (handlers_.mouseDown)
        handlers_.mouseDown(event->button());
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    const QPoint at = event->position().toPoint();
    Node* node = model_.nodeAt(indexAt(at));
    const bool onButton = node && onExpandButton(at, node);
    selectOnRelease_ = QPersistentModelIndex();
    handleInput([&] { QTreeView::mousePressEvent(event); });
    if (event->button() == Qt::LeftButton && !onButton && listening_)
        selectByClick(node, event->modifiers());
}

void OutlineView::mouseMoveEvent(QMouseEvent* event) {
    handleInput([&] { QTreeView::mouseMoveEvent(event); });
}

void OutlineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    handleInput([&] { QTreeView::mouseReleaseEvent(event); });
    // A press on a selected row may begin a drag of the whole selection; a release without one
    // selects the row alone.
    const QPersistentModelIndex pressed = std::exchange(selectOnRelease_, QPersistentModelIndex());
    Node* node = model_.nodeAt(pressed);
    if (node && listening_ && model_.nodeAt(indexAt(event->position().toPoint())) == node)
        selectOnly(outline_, node);
}

void OutlineView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        mousePressEvent(event);
        return;
    }
    handleInput([&] { QTreeView::mouseDoubleClickEvent(event); });
    if (event->button() == Qt::LeftButton && handlers_.doubleClick)
        handlers_.doubleClick();
}

void OutlineView::selectByClick(Node* node, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    Node* anchor = model_.nodeAt(anchor_);
    if (!node) {
        if (!ctrl && !shift)
            UnselectAll(outline_);
    } else if (shift && anchor && outline_.isDisplayed(anchor)) {
        selectDisplayedRange(outline_, anchor, node, ctrl);
    } else if (ctrl) {
        outline_.setSelected(node, !node->isSelected());
        anchor_ = model_.indexOf(node);
    } else {
        if (node->isSelected())
            selectOnRelease_ = model_.indexOf(node);
        else
            selectOnly(outline_, node);
        anchor_ = model_.indexOf(node);
    }
}

void OutlineView::selectByKey(Node* node, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    Node* anchor = model_.nodeAt(anchor_);
    if (modifiers.testFlag(Qt::ShiftModifier) && anchor && outline_.isDisplayed(anchor)) {
        selectDisplayedRange(outline_, anchor, node, ctrl);
        return;
    }
    if (!ctrl) {
        selectOnly(outline_, node);
        anchor_ = model_.indexOf(node);
    }
}

// The +/- button sits in the last indentation step before the item, for a node with shown children.
bool OutlineView::onExpandButton(QPoint viewportPoint, const Node* node) const {
    if (!hasVisibleChild(node))
        return false;
    const int steps = outline_.level(node) + (rootIsDecorated() ? 1 : 0);
    const int left = columnViewportPosition(treePosition() < 0 ? 0 : treePosition()) + (steps - 1) * indentation();
    return steps > 0 && viewportPoint.x() >= left && viewportPoint.x() < left + indentation();
}

void OutlineView::keyboardSearch(const QString& search) {
    QString typed;
    for (QChar c : search)
        if (c.isPrint())
            typed += c;
    if (typed.isEmpty() || !listening_)
        return;
    if (search_.type(outline_, typed.toStdString(), searchClock_()))
        anchor_ = model_.indexOf(outline_.focused());
    else
        beep_();
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
