#include "ItemTypeImages.h"

#include <QIconEngine>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <array>

namespace {

// The pictures are the SVG files of resources/images/, built into the program. Each is read once
// and kept for the program's life (never destroyed, so none outlives the application object).
QSvgRenderer& renderer(std::int32_t itemType) {
    static std::array<QSvgRenderer*, ItemTypeImages::kCount> renderers{};
    QSvgRenderer*& picture = renderers[static_cast<std::size_t>(itemType)];
    if (!picture)
        picture = new QSvgRenderer(QStringLiteral(":/item-types/item-type-%1.svg").arg(itemType, 2, 10, QLatin1Char('0')));
    return *picture;
}

// Draws the picture afresh at whatever size and pixel ratio an icon is asked for.
class ItemTypeIconEngine : public QIconEngine {
public:
    explicit ItemTypeIconEngine(std::int32_t type) : type_(type) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        ItemTypeImages::paint(*painter, type_, rect);
    }
    QIconEngine* clone() const override { return new ItemTypeIconEngine(type_); }

private:
    std::int32_t type_;
};

} // namespace

void ItemTypeImages::paint(QPainter& painter, std::int32_t itemType, const QRectF& box) {
    if (!has(itemType) || box.isEmpty())
        return;
    QSvgRenderer& picture = renderer(itemType);
    if (!picture.isValid())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    picture.render(&painter, box);
    painter.restore();
}

QIcon ItemTypeImages::icon(std::int32_t itemType) {
    return has(itemType) ? QIcon(new ItemTypeIconEngine(itemType)) : QIcon();
}

QImage ItemTypeImages::image(std::int32_t itemType, int size) {
    if (!has(itemType) || size <= 0)
        return {};
    QImage result(size, size, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, itemType, QRectF(0, 0, size, size));
    return result;
}
