#include "QtClipboard.h"

#include "collection/DisplayText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(displayText(text)));
}

std::optional<std::string> QtClipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text().toStdString();
}
