// The outline view's side of user input: the expansion, focus and selection the user changes reach
// the outline; keys, mouse buttons and incremental search.
#include "OutlineView.h"

#include "editing/Selection.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <utility>

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
    // Only vertically: the columns stay where the user scrolled them.
    const int column = horizontalScrollBar()->value();
    QTreeView::scrollTo(index, hint);
    horizontalScrollBar()->setValue(column);
}

void OutlineView::expandAll() {
    outline_.setExpandedAll(true);
}

void OutlineView::collapseAll() {
    outline_.setExpandedAll(false);
}
