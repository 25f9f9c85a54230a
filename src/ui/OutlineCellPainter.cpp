#include "OutlineCellPainter.h"

#include "ItemTypeImages.h"
#include "OutlineModel.h"
#include "collection/ItemType.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

std::int32_t number(const QModelIndex& index, int role, std::int32_t fallback) {
    const QVariant value = index.data(role);
    return value.isValid() ? value.toInt() : fallback;
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

} // namespace

QColor OutlineCellPainter::windowsColor(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

OutlineCellPainter::TextLook OutlineCellPainter::textLook(std::int32_t itemType, std::int32_t color,
                                                          std::int32_t bkColor) {
    TextLook look;
    look.bold = itemType == ItemType::Group;
    look.text = color != 0 ? windowsColor(color) : QColor(Qt::black);
    look.background = rowBackground(bkColor);
    look.fillsBackground = look.background != QColor(Qt::white);
    return look;
}

QFont OutlineCellPainter::cellFont(std::int32_t itemType) {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    font.setBold(textLook(itemType, 0, 0).bold);
    return font;
}

QColor OutlineCellPainter::rowBackground(std::int32_t bkColor) {
    return bkColor != 0 ? windowsColor(bkColor) : QColor(Qt::white);
}

bool OutlineCellPainter::showsImage(int column, std::int32_t itemType) {
    return column == 0 && ItemTypeImages::has(itemType);
}

QRect OutlineCellPainter::imageRect(const QRect& cellRect) {
    const int size = ItemTypeImages::kSize;
    return {cellRect.left() + kImageGap, cellRect.top() + (cellRect.height() - size) / 2, size, size};
}

QRect OutlineCellPainter::contentRect(const QRect& cellRect, int column, std::int32_t itemType) {
    if (!showsImage(column, itemType))
        return cellRect;
    QRect content = cellRect;
    content.setLeft(cellRect.left() + kImageGap + ItemTypeImages::kSize + kImageGap);
    return content;
}

QRect OutlineCellPainter::textRect(const QRect& contentRect) {
    return contentRect.adjusted(kTextMargin, 0, -kTextMargin - 1, -1);
}

QString OutlineCellPainter::shortenedText(const QString& text, int width, const Measure& measure) {
    if (width >= kNodeWidth - 2 * kOutlineMargin)
        return text;
    const QString ellipsis = QStringLiteral("...");
    if (measure(ellipsis) > width)
        return {};
    qsizetype length = text.size();
    for (; length > 0; --length) {
        if (length < text.size() && text.at(length).isLowSurrogate())
            continue; // never split a character in two
        if (measure(text.left(length) + ellipsis) <= width)
            break;
    }
    return text.left(length) + ellipsis;
}

OutlineCellPainter::OutlineCellPainter(QObject* parent) : QStyledItemDelegate(parent) {}

void OutlineCellPainter::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const std::int32_t itemType = number(index, OutlineModel::ItemTypeRole, ItemType::None);
    const int column = index.column();
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);

    if (showsImage(column, itemType))
        ItemTypeImages::paint(*painter, itemType, imageRect(option.rect));

    // An empty field, or a column that shows none, leaves the cell as the view painted it.
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect rect = textRect(contentRect(option.rect, column, itemType));
    if (!text.isEmpty()) {
        const TextLook look =
            textLook(itemType, number(index, OutlineModel::ColorRole, 0), number(index, OutlineModel::BkColorRole, 0));
        QFont font = cellFont(itemType);
        painter->setFont(font);
        const QFontMetrics metrics(font, painter->device());
        const QString shown =
            shortenedText(text, rect.width(), [&metrics](const QString& s) { return metrics.horizontalAdvance(s); });
        if (!shown.isEmpty() && rect.isValid()) {
            painter->setClipRect(rect, Qt::IntersectClip);
            if (look.fillsBackground)
                painter->fillRect(painter->boundingRect(rect, kTextFlags, shown) & rect, look.background);
            painter->setPen(look.text);
            painter->drawText(rect, kTextFlags, shown);
        }
    }
    painter->restore();
}

QSize OutlineCellPainter::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const std::int32_t itemType = number(index, OutlineModel::ItemTypeRole, ItemType::None);
    const QFontMetrics metrics(cellFont(itemType));
    const QRect cell(0, 0, 0, kRowHeight);
    const int imageSpace = contentRect(cell, index.column(), itemType).left();
    const int textWidth = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
    return {imageSpace + 2 * kTextMargin + 1 + textWidth, kRowHeight};
}

QWidget* OutlineCellPainter::createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const {
    return nullptr;
}
