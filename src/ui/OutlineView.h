// The tree widget of the three outlines (LinksTree, MarksTree, DirTree). It mirrors an Outline:
// which nodes are expanded, hidden, selected and focused is read from the outline whenever the
// outline announces a change, and what the user does to those states is handed back as outline
// operations. The view keeps no copy of them that could drift; the Qt state it holds is only the
// mirror image.
#pragma once

#include "collection/Outline.h"
#include "ui/OutlineModel.h"

#include <QColor>
#include <QTreeView>

#include <array>
#include <functional>
#include <span>

class OutlineCellPainter;

class OutlineView : public QTreeView, private OutlineListener {
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

    // Expansion of everything goes through the outline (these hide QTreeView's versions, which
    // change the view alone).
    void expandAll();
    void collapseAll();

    // The view never expands a branch to reveal an index: nodes not displayed are not scrolled to.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void nodesInserted(Node* parent, int first, int last) override;
    void nodesRemoved(Node* parent, int first, int last) override;
    void nodeMoved(Node* node) override;
    void statesChanged(Node* node) override;
    void allStatesChanged() override;
    void focusChanged(Node* previous, Node* current) override;
    void reset() override;

    // Outline -> view
    void mirrorRow(const Node* node, const QModelIndex& parentIndex);
    void mirrorNode(const Node* node);
    void mirrorSubtree(Node* node);
    void mirrorAll();
    void mirrorFocus();
    // View -> outline, for changes the user made
    bool userChange() const { return listening_ && mirroring_ == 0 && !model_.changingStructure(); }
    void forwardExpansion(const QModelIndex& index, bool expanded);

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
};
