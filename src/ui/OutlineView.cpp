#include "OutlineView.h"

#include "ItemTypeImages.h"
#include "OutlineCellPainter.h"
#include "collection/ItemType.h"

#include <QApplication>
#include <QHeaderView>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace {

constexpr int kIndentation = 18;

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

bool OutlineView::hasVisibleChild(const Node* node) {
    return std::any_of(node->children().begin(), node->children().end(), [](const Node* c) { return c->isVisible(); });
}

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
