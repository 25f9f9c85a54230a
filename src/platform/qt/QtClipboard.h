// The system clipboard through QClipboard.
#pragma once

#include "platform/Clipboard.h"

#include <QPointer>

class TreeMimeData;

class QtClipboard : public Clipboard {
public:
    QtClipboard();
    ~QtClipboard() override;
    QtClipboard(const QtClipboard&) = delete;
    QtClipboard& operator=(const QtClipboard&) = delete;

    void setText(const std::string& text) override;
    std::optional<std::string> text() const override;

    bool setTreeData(TreeDataSource& source) override;
    void detachTreeSource(TreeDataSource& source) override;
    std::optional<TreeClipboardContent> treeContent() const override;

private:
    QPointer<TreeMimeData> treeData_;  // the outline data object this service put there, while it exists
};
