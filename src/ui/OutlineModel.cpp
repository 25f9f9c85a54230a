#include "OutlineModel.h"

#include "collection/DisplayText.h"

namespace {

QString shown(const std::string& bytes) { return QString::fromStdString(displayText(bytes)); }

const char* const kHeaders[OutlineModel::ColumnCount] = {"name", "Type", "HotKey", "URL", "Params", "Dir", "AccessInfo", "Note"};

} // namespace

OutlineModel::OutlineModel(Outline& outline, QObject* parent) : QAbstractItemModel(parent), outline_(outline) {
    outline_.addListener(this);
}

OutlineModel::~OutlineModel() { outline_.removeListener(this); }

Node* OutlineModel::nodeAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : nullptr;
}

QModelIndex OutlineModel::indexOf(const Node* node, int column) const {
    if (!node || node == outline_.root())
        return {};
    return createIndex(node->index(), column, const_cast<Node*>(node));
}

QModelIndex OutlineModel::index(int row, int column, const QModelIndex& parent) const {
    if (!hasIndex(row, column, parent))
        return {};
    Node* p = parent.isValid() ? nodeAt(parent) : outline_.root();
    return createIndex(row, column, p->child(row));
}

QModelIndex OutlineModel::parent(const QModelIndex& child) const {
    Node* node = nodeAt(child);
    return node ? indexOf(node->parent()) : QModelIndex();
}

int OutlineModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    Node* p = parent.isValid() ? nodeAt(parent) : outline_.root();
    return p->childCount();
}

int OutlineModel::columnCount(const QModelIndex&) const { return ColumnCount; }

QVariant OutlineModel::data(const QModelIndex& index, int role) const {
    Node* node = nodeAt(index);
    if (!node)
        return {};
    const LinkItem& item = node->data;
    switch (role) {
    case ItemTypeRole:
        return item.ItemType;
    case ColorRole:
        return item.Color;
    case BkColorRole:
        return item.BkColor;
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    // Only these columns show a field; the others stay empty whatever the item holds.
    switch (index.column()) {
    case NameColumn:
        return shown(item.Name);
    case HotKeyColumn:
        return shown(item.HotKey);
    case UrlColumn:
        return shown(item.URL);
    case ParamsColumn:
        return shown(item.Params);
    default:
        return {};
    }
}

QVariant OutlineModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DecorationRole && !headerImages_[section].isNull())
        return headerImages_[section];
    if (role != Qt::DisplayRole)
        return {};
    return QString::fromLatin1(kHeaders[section]);
}

void OutlineModel::setHeaderImage(int section, const QIcon& image) {
    if (section < 0 || section >= ColumnCount)
        return;
    headerImages_[section] = image;
    emit headerDataChanged(Qt::Horizontal, section, section);
}

Qt::ItemFlags OutlineModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void OutlineModel::nodesAboutToBeInserted(Node* parent, int first, int last) {
    ++structureChanges_;
    beginInsertRows(indexOf(parent), first, last);
}

void OutlineModel::nodesInserted(Node*, int, int) {
    endInsertRows();
    --structureChanges_;
}

void OutlineModel::nodesAboutToBeRemoved(Node* parent, int first, int last) {
    ++structureChanges_;
    beginRemoveRows(indexOf(parent), first, last);
}

void OutlineModel::nodesRemoved(Node*, int, int) {
    endRemoveRows();
    --structureChanges_;
}

void OutlineModel::nodeAboutToBeMoved(Node* node, Node* newParent, int destinationRow) {
    ++structureChanges_;
    beginMoveRows(indexOf(node->parent()), node->index(), node->index(), indexOf(newParent), destinationRow);
}

void OutlineModel::nodeMoved(Node*) {
    endMoveRows();
    --structureChanges_;
}

void OutlineModel::rowChanged(Node* node) {
    if (node && node != outline_.root())
        emit dataChanged(indexOf(node, 0), indexOf(node, ColumnCount - 1));
}

void OutlineModel::statesChanged(Node* node) { rowChanged(node); }

void OutlineModel::recordChanged(Node* node) { rowChanged(node); }

void OutlineModel::allStatesChanged() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void OutlineModel::aboutToReset() {
    ++structureChanges_;
    beginResetModel();
}

void OutlineModel::reset() {
    endResetModel();
    --structureChanges_;
}
