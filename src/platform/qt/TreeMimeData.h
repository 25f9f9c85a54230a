// The data object the outline puts on the clipboard: it offers "Virtual Tree Data" and "Virtual Tree
// Reference" and produces them from its source only when a consumer asks, so the data shows the
// items as they are at that moment. When the clipboard lets it go (something else was put there)
// its source hears of it.
#pragma once

#include "platform/Clipboard.h"

#include <QMimeData>

class TreeMimeData : public QMimeData {
    Q_OBJECT
public:
    explicit TreeMimeData(TreeDataSource& source);
    ~TreeMimeData() override;

    const TreeDataSource* source() const { return source_; }
    // Keeps what the source produces now and never calls it again.
    void detach();
    // Never calls the source again, not even when the clipboard lets go of this object.
    void forget() { source_ = nullptr; }

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    TreeDataSource* source_;
    QByteArray data_, reference_;  // once detached
};
