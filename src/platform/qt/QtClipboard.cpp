#include "QtClipboard.h"

#include "collection/DisplayText.h"
#include "platform/qt/TreeMimeData.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

std::optional<std::vector<std::uint8_t>> bytesOf(const QMimeData& data, const char* format) {
    const QString name = QString::fromLatin1(format);
    if (!data.hasFormat(name))
        return std::nullopt;
    const QByteArray bytes = data.data(name);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace

QtClipboard::QtClipboard() = default;

// The clipboard may keep the data object after this service is gone; it must not call its source then.
QtClipboard::~QtClipboard() {
    if (treeData_)
        treeData_->forget();
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(displayText(text)));
}

std::optional<std::string> QtClipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text().toStdString();
}

bool QtClipboard::setTreeData(TreeDataSource& source) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* data = new TreeMimeData(source);
    clipboard->setMimeData(data);  // the clipboard owns it from here
    if (clipboard->mimeData() != data) {
        // Not taken (another client kept the selection): it must not speak for the source later.
        data->forget();
        return false;
    }
    treeData_ = data;
    return true;
}

void QtClipboard::detachTreeSource(TreeDataSource& source) {
    if (treeData_ && treeData_->source() == &source)
        treeData_->detach();
}

std::optional<TreeClipboardContent> QtClipboard::treeContent() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return TreeClipboardContent{};  // an empty clipboard
    TreeClipboardContent content{bytesOf(*data, kTreeDataFormat), bytesOf(*data, kTreeReferenceFormat)};
    // A data block holds at least its byte count: an offered format that yields nothing could not
    // be fetched (the program holding the clipboard did not answer in time, or has gone).
    if (content.data && content.data->empty())
        return std::nullopt;
    return content;
}
