// The Qt item model over an Outline. It keeps no state of its own: rows, texts and node states are
// read from the Outline, and the Outline's announcements become the model's signals.
#pragma once

#include "collection/Outline.h"

#include <QAbstractItemModel>
#include <QIcon>

class OutlineModel : public QAbstractItemModel, private OutlineListener {
    Q_OBJECT
public:
    // The outline's columns, in display order.
    enum Column { NameColumn, TypeColumn, HotKeyColumn, UrlColumn, ParamsColumn, DirColumn, AccessInfoColumn, NoteColumn,
                  ColumnCount };
    // The record numbers a cell painter needs, for every column of a row.
    enum Role { ItemTypeRole = Qt::UserRole + 1, ColorRole, BkColorRole };

    explicit OutlineModel(Outline& outline, QObject* parent = nullptr);
    ~OutlineModel() override;

    Outline& outline() const { return outline_; }
    Node* nodeAt(const QModelIndex& index) const;
    QModelIndex indexOf(const Node* node, int column = 0) const;
    // True from an outline's about-to announcement of inserted, removed or moved nodes or of a reset
    // until the matching done announcement: a view then ignores the changes Qt makes to its selection.
    bool changingStructure() const { return structureChanges_ > 0; }
    // The picture shown in a column's header (the "name" column of LinksTree shows the URL image).
    void setHeaderImage(int section, const QIcon& image);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void nodesAboutToBeInserted(Node* parent, int first, int last) override;
    void nodesInserted(Node* parent, int first, int last) override;
    void nodesAboutToBeRemoved(Node* parent, int first, int last) override;
    void nodesRemoved(Node* parent, int first, int last) override;
    void nodeAboutToBeMoved(Node* node, Node* newParent, int destinationRow) override;
    void nodeMoved(Node* node) override;
    void statesChanged(Node* node) override;
    void recordChanged(Node* node) override;
    void allStatesChanged() override;
    void aboutToReset() override;
    void reset() override;

    void rowChanged(Node* node);

    Outline& outline_;
    int structureChanges_ = 0;
    QIcon headerImages_[ColumnCount];
};
