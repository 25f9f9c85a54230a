#include "ToolPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

using Drawing = std::function<void(QPainter&)>;

// 16 x 16 drawings; ink is the dark line colour, mark the colour that tells the kind of change.
const QColor kInk(0x30, 0x30, 0x38);
const QColor kAdd(0x2e, 0x8b, 0x3a);
const QColor kRemove(0xc0, 0x28, 0x28);
const QColor kMove(0x24, 0x5f, 0xb0);

void bar(QPainter& p, int x, int y, int width) {
    p.fillRect(x, y, width, 3, kInk);
}

void arrow(QPainter& p, double angle) {
    p.save();
    p.translate(8, 8);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(6, 0);
    path.lineTo(0, -6);
    path.lineTo(0, -2.5);
    path.lineTo(-6, -2.5);
    path.lineTo(-6, 2.5);
    path.lineTo(0, 2.5);
    path.lineTo(0, 6);
    path.closeSubpath();
    p.fillPath(path, kMove);
    p.restore();
}

void plus(QPainter& p, int x, int y) {
    p.fillRect(x - 1, y - 4, 3, 9, kAdd);
    p.fillRect(x - 4, y - 1, 9, 3, kAdd);
}

void page(QPainter& p, int x, int y, int w, int h) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(x, y, w, h);
}

struct Picture {
    std::string_view handler;
    const char* themeName; // freedesktop icon naming; nullptr where the theme has no fitting name
    Drawing draw;
};

const Picture kPictures[] = {
    {"Level11Click", nullptr,
     [](QPainter& p) {
         bar(p, 1, 3, 14);
         bar(p, 1, 10, 14);
     }},
    {"Level21Click", nullptr,
     [](QPainter& p) {
         bar(p, 1, 2, 14);
         bar(p, 5, 7, 10);
         bar(p, 1, 12, 14);
     }},
    {"AllLevels1Click", nullptr,
     [](QPainter& p) {
         bar(p, 1, 1, 14);
         bar(p, 4, 5, 11);
         bar(p, 7, 9, 8);
         bar(p, 10, 13, 5);
     }},
    {"Right1Click", "format-indent-more", [](QPainter& p) { arrow(p, 0); }},
    {"Down1Click", "go-down", [](QPainter& p) { arrow(p, 90); }},
    {"Left1Click", "format-indent-less", [](QPainter& p) { arrow(p, 180); }},
    {"Up1Click", "go-up", [](QPainter& p) { arrow(p, 270); }},
    {"PasteLink_mpClick", "edit-paste",
     [](QPainter& p) {
         page(p, 2, 2, 11, 13);
         p.fillRect(5, 1, 5, 3, kInk);
         bar(p, 4, 7, 7);
         bar(p, 4, 11, 7);
     }},
    {"Hoist1Click", "go-top",
     [](QPainter& p) {
         p.fillRect(1, 1, 14, 2, kInk);
         arrow(p, 270);
     }},
    {"CutLink_mpClick", "edit-cut",
     [](QPainter& p) {
         p.setRenderHint(QPainter::Antialiasing);
         p.setPen(QPen(kInk, 1.5));
         p.drawLine(QPointF(4, 1), QPointF(11, 10));
         p.drawLine(QPointF(12, 1), QPointF(5, 10));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QPointF(4, 12.5), 2.5, 2.5);
         p.drawEllipse(QPointF(12, 12.5), 2.5, 2.5);
     }},
    {"CopyLink_mpClick", "edit-copy",
     [](QPainter& p) {
         page(p, 1, 1, 9, 10);
         page(p, 6, 5, 9, 10);
     }},
    {"DeleteLink_mpClick", "edit-delete",
     [](QPainter& p) {
         p.setRenderHint(QPainter::Antialiasing);
         p.setPen(QPen(kRemove, 2.5));
         p.drawLine(3, 3, 13, 13);
         p.drawLine(13, 3, 3, 13);
     }},
    {"AddChildLink_mpClick", "list-add",
     [](QPainter& p) {
         bar(p, 1, 2, 9);
         plus(p, 10, 11);
     }},
    {"AddItemRight1Click", nullptr,
     [](QPainter& p) {
         bar(p, 1, 2, 6);
         p.fillRect(1, 2, 3, 10, kInk);
         plus(p, 11, 10);
     }},
    {"AddItemLeft1Click", nullptr,
     [](QPainter& p) {
         bar(p, 9, 2, 6);
         p.fillRect(12, 2, 3, 10, kInk);
         plus(p, 5, 10);
     }},
    {"InsertLinkBefore_mpClick", nullptr,
     [](QPainter& p) {
         plus(p, 8, 5);
         bar(p, 1, 12, 14);
     }},
};

const Picture* pictureFor(std::string_view handler) {
    for (const Picture& picture : kPictures)
        if (picture.handler == handler)
            return &picture;
    return nullptr;
}

} // namespace

QIcon drawnToolPicture(std::string_view handler) {
    const Picture* picture = pictureFor(handler);
    if (!picture)
        return {};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture->draw(painter);
    painter.end();
    return QIcon(pixmap);
}

QIcon toolPicture(std::string_view handler) {
    const Picture* picture = pictureFor(handler);
    if (!picture)
        return {};
    if (picture->themeName && QIcon::hasThemeIcon(QString::fromLatin1(picture->themeName)))
        return QIcon::fromTheme(QString::fromLatin1(picture->themeName));
    return drawnToolPicture(handler);
}
