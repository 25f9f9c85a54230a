#include "TreeMimeData.h"

namespace {

QByteArray toByteArray(const std::vector<std::uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace

TreeMimeData::TreeMimeData(TreeDataSource& source) : source_(&source) {}

TreeMimeData::~TreeMimeData() {
    if (source_)
        source_->clipboardReleased();
}

void TreeMimeData::detach() {
    if (!source_)
        return;
    data_ = toByteArray(source_->treeData());
    reference_ = toByteArray(source_->treeReference());
    source_ = nullptr;
}

QStringList TreeMimeData::formats() const {
    return {QString::fromLatin1(kTreeDataFormat), QString::fromLatin1(kTreeReferenceFormat)};
}

bool TreeMimeData::hasFormat(const QString& mimeType) const { return formats().contains(mimeType); }

QVariant TreeMimeData::retrieveData(const QString& mimeType, QMetaType) const {
    const bool data = mimeType == QLatin1String(kTreeDataFormat);
    if (!data && mimeType != QLatin1String(kTreeReferenceFormat))
        return {};
    if (!source_)
        return data ? data_ : reference_;
    return toByteArray(data ? source_->treeData() : source_->treeReference());
}
