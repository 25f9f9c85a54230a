// The tree widget of the three outlines (LinksTree, MarksTree, DirTree). It shows an Outline:
// which nodes are expanded, hidden and focused is mirrored from the outline whenever the outline
// announces a change, and what the user does is handed back as outline operations. The selection
// is not mirrored at all: rows are painted selected from their nodes, and clicks and keys select
// through the outline. The view keeps no copy that could drift; the Qt state it holds is only the
// mirror image, and only of the rows it lays out (see mirrorBranch).
#pragma once

#include "collection/Outline.h"
#include "editing/IncrementalSearch.h"
#include "ui/OutlineModel.h"

#include <QColor>
#include <QPersistentModelIndex>
#include <QTreeView>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class OutlineCellPainter;

class OutlineView : public QTreeView {
    Q_OBJECT
public:
    // One column: its width in pixels (0: the header's default width) and whether it is hidden.
    struct ColumnSetup {
        int width = 0;
        bool hidden = false;
    };
    // LinksTree: "name" 400, "Type" 25, "HotKey" 100, "URL" 300, "Params", "Dir" 100, "AccessInfo",
    // "Note" 350; Type, Params, Dir and AccessInfo hidden.
    static constexpr std::array<ColumnSetup, OutlineModel::ColumnCount> kLinksTreeColumns{
        {{400, false}, {25, true}, {100, false}, {300, false}, {0, true}, {100, true}, {0, true}, {350, false}}};

    // The colour a row is erased with before its cells are painted; an invalid colour leaves the
    // view's own background.
    using RowBackground = std::function<QColor(const QModelIndex&)>;

    // The model must outlive the view or be destroyed before the outline it shows; the view
    // listens to that outline only while the model exists.
    explicit OutlineView(OutlineModel& model, QWidget* parent = nullptr);
    ~OutlineView() override;

    OutlineModel& outlineModel() const { return model_; }
    OutlineCellPainter& cellPainter() const { return *painter_; }

    // Columns in model order; columns past the end of the list are hidden.
    void setColumns(std::span<const ColumnSetup> columns);
    // The settings of LinksTree: its columns, header with the URL image over "name", item colours
    // across whole rows, and the hint "Click link to browse".
    void configureAsLinksTree();
    // A side tree (DirTree, MarksTree): the one column "name" of the given width.
    void configureAsSideTree(int nameWidth);
    void setRowBackground(RowBackground rule);
    void setGridLines(bool shown);
    bool gridLines() const { return gridLines_; }

    // Makes node the focused node of the outline, expands its collapsed ancestors (as outline
    // operations) and scrolls it into view, centred when it was not fully in view. nullptr clears
    // the focus.
    void focusNode(Node* node);
    // Scrolls a displayed node into view, centred when it was not fully in view; nodes that are
    // hidden or inside a collapsed branch are left alone.
    void scrollToNode(const Node* node);

    // Expansion of everything, and Ctrl+A, go through the outline (these hide QTreeView's versions,
    // which change the view alone). Ctrl+A selects every displayed item.
    void expandAll();
    void collapseAll();
    void selectAll() override;

    // The view never expands a branch to reveal an index: nodes not displayed are not scrolled to.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // What the window does with the tree's keys and mouse buttons (LinksTreeKeyDown, LinksTreeKeyUp,
    // LinksTreeMouseDown, LinksTreeDblClick). A key-down handler that answers true has used the key,
    // and the tree's own key handling leaves it alone. The right mouse button never selects.
    struct EventHandlers {
        std::function<bool(const QKeyEvent&)> keyDown;
        std::function<void(const QKeyEvent&)> keyUp;
        std::function<void(Qt::MouseButton)> mouseDown;
        std::function<void()> doubleClick;  // the left button, anywhere in the tree
    };
    void setEventHandlers(EventHandlers handlers) { handlers_ = std::move(handlers); }

    // Incremental search over every item of the outline: typed characters are collected until a
    // pause of IncrementalSearch::kPause; without a match the view beeps. The clock (monotonic
    // milliseconds) and the beep can be replaced, for tests.
    void keyboardSearch(const QString& search) override;
    void setSearchClock(std::function<std::int64_t()> clock) { searchClock_ = std::move(clock); }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The outline's announcements reach the view through a listener of its own: were the view an
    // OutlineListener itself, OutlineListener::reset would also override QAbstractItemView::reset,
    // which Qt calls on every model reset in place of the tree view's own.
    class Listener final : public OutlineListener {
    public:
        explicit Listener(OutlineView& view) : view_(view) {}
        void nodesInserted(Node* parent, int first, int last) override { view_.nodesInserted(parent, first, last); }
        void nodesRemoved(Node* parent, int first, int last) override { view_.nodesRemoved(parent, first, last); }
        void nodeAboutToBeMoved(Node* node, Node* newParent, int row) override {
            view_.nodeAboutToBeMoved(node, newParent, row);
        }
        void nodeMoved(Node* node) override { view_.nodeMoved(node); }
        void statesChanged(Node* node) override { view_.statesChanged(node); }
        void allStatesChanged() override { view_.allStatesChanged(); }
        void focusChanged(Node* previous, Node* current) override { view_.focusChanged(previous, current); }
        void reset() override { view_.outlineReset(); }

    private:
        OutlineView& view_;
    };

    void nodesInserted(Node* parent, int first, int last);
    void nodesRemoved(Node* parent, int first, int last);
    void nodeAboutToBeMoved(Node* node, Node* newParent, int destinationRow);
    void nodeMoved(Node* node);
    void statesChanged(Node* node);
    // Rows are mirrored again only when expansion or visibility may have changed; a new selection or
    // new marks need a repaint only.
    void allStatesChanged();
    void focusChanged(Node* previous, Node* current);
    void outlineReset();

    // Outline -> view. The view lays out the top-level rows and the children of every displayed
    // node whose branch is open (expanded, with a visible child); only those rows are mirrored.
    // Marks the view still holds for rows below a closed branch may be out of date: they are set
    // again when the branch opens, so that a bulk change costs what is displayed, not what exists.
    static bool hasVisibleChild(const Node* node);
    bool opensBranch(const Node* node) const;
    // Hides or shows the row and opens or closes its branch; true when the row shows an open branch.
    // `fresh`: the view holds no marks yet (after a reset), so none need reading.
    bool mirrorRow(const Node* node, const QModelIndex& parentIndex, bool fresh = false);
    // The rows laid out below a node that is the root or shows an open branch.
    void mirrorBranch(const Node* node, bool fresh = false);
    // A displayed parent whose branch may have opened or closed with a change among its children.
    void mirrorParent(const Node* parent);
    void mirrorAll(bool fresh = false);
    void beforeMarkChange();
    void mirrorFocus();
    // Across a reset, the row at the top of the view stays there, or its nearest displayed ancestor.
    void keepTopRow();
    void restoreTopRow();

    // View -> outline, for changes the user made
    bool userChange() const { return listening_ && mirroring_ == 0 && !model_.changingStructure(); }
    void forwardExpansion(const QModelIndex& index, bool expanded);
    // Runs Qt's handling of an input event. The focus the user moves meanwhile reaches the outline
    // only at the end: a focus change may expand and collapse rows, which must not shift the rows
    // while Qt still works out what the event hit by their positions.
    template <class F> void handleInput(F&& qtHandling);
    // The selection a click or a key that moved the focus makes, in the outline.
    void selectByClick(Node* node, Qt::KeyboardModifiers modifiers);
    void selectByKey(Node* node, Qt::KeyboardModifiers modifiers);
    bool onExpandButton(QPoint viewportPoint, const Node* node) const;

    void stopListening();
    bool hasDisplayedSiblingAfter(const Node* node) const;
    bool hasDisplayedSiblingBefore(const Node* node) const;
    QRect columnsRect(int top, int height) const;
    QColor selectionColour() const;

    OutlineModel& model_;
    Outline& outline_;
    OutlineCellPainter* painter_;
    RowBackground rowBackground_;
    bool gridLines_ = true;
    bool listening_ = false;
    int mirroring_ = 0;
    bool bulkMirror_ = false;
    bool layoutScheduled_ = false;
    std::uint64_t mirroredShape_ = 0;  // the outline's shapeChanges() the rows are mirrored for
    Listener listener_{*this};
    int handlingInput_ = 0;
    std::optional<QPersistentModelIndex> pendingFocus_;
    QPersistentModelIndex anchor_;        // where Shift extends the selection from
    QPersistentModelIndex selectOnRelease_; // a selected row pressed without keys: selected alone unless dragged
    Node* movedFrom_ = nullptr;           // the parent of a node being moved, until it has moved
    std::vector<int> topRowPath_;         // rows from the top level down to the top row, kept over a reset
    const Node* firstBeforeReset_ = nullptr;  // compared, never followed: a new first node is a new document
    EventHandlers handlers_;
    IncrementalSearch search_;
    std::function<std::int64_t()> searchClock_;
    std::function<void()> beep_;
};
