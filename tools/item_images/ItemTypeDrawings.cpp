// The item-type pictures as drawing code on a 16-by-16 grid: the source the SVG files of
// resources/images/ are written from (make_item_images).
#include "ItemTypeDrawings.h"

#include <QPainterPath>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

// One look for all pictures: flat fills inside a 1-unit dark outline, on the half-unit grid so the
// outlines fall on whole pixels at 16 by 16.
const QColor kInk(0x3b, 0x44, 0x53);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperShade(0xdd, 0xe3, 0xea);
const QColor kTextLine(0x9a, 0xa5, 0xb1);
const QColor kBlue(0x4a, 0x90, 0xe2);
const QColor kDarkBlue(0x2f, 0x6c, 0xc4);
const QColor kLightBlue(0xd6, 0xeb, 0xff);
const QColor kYellow(0xf5, 0xc8, 0x4c);
const QColor kDarkYellow(0xdc, 0xa8, 0x2a);
const QColor kNoteYellow(0xff, 0xe6, 0x80);
const QColor kOrange(0xf0, 0x8a, 0x24);
const QColor kGray(0xae, 0xb6, 0xc2);
const QColor kNeutral(0x9a, 0xa3, 0xb0);
const QColor kGreen(0x3b, 0xb3, 0x4a);

QPen inkPen(qreal width = 1.0, const QColor& colour = kInk) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath box(qreal left, qreal top, qreal right, qreal bottom) {
    return polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

void shape(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(inkPen());
    p.setBrush(fill);
    p.drawPath(path);
}

void stroke(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width = 1.0) {
    p.setPen(inkPen(width, colour));
    p.drawLine(a, b);
}

void textLines(QPainter& p, qreal left, qreal right, std::initializer_list<qreal> ys) {
    for (qreal y : ys)
        stroke(p, {left, y}, {right, y}, kTextLine);
}

void folder(QPainter& p, const QColor& back, const QColor& front) {
    shape(p, polygon({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}), back);
    shape(p, box(1.5, 6.5, 14.5, 13.5), front);
}

// A sheet with a folded top-right corner.
void page(QPainter& p, qreal left, qreal top, qreal right, qreal bottom, const QColor& fill = kPaper) {
    const qreal fold = 3;
    shape(p, polygon({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}}), fill);
    shape(p, polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}), kPaperShade);
}

void globe(QPainter& p, QPointF c, qreal r) {
    p.setPen(inkPen());
    p.setBrush(kBlue);
    p.drawEllipse(c, r, r);
    p.setPen(inkPen(0.8, QColor(0xe6, 0xf0, 0xfb)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.42, r - 0.5);
    p.drawLine(QPointF(c.x() - r + 0.6, c.y()), QPointF(c.x() + r - 0.6, c.y()));
    const qreal dy = r * 0.5;
    const qreal half = std::sqrt(r * r - dy * dy) - 0.6;
    p.drawLine(QPointF(c.x() - half, c.y() - dy), QPointF(c.x() + half, c.y() - dy));
    p.drawLine(QPointF(c.x() - half, c.y() + dy), QPointF(c.x() + half, c.y() + dy));
    p.setPen(inkPen());
    p.drawEllipse(c, r, r);
}

void star(QPainter& p, QPointF c, qreal outer, qreal inner, const QColor& fill) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    shape(p, path, fill);
}

void drawGroup(QPainter& p) {
    folder(p, kDarkBlue, kBlue);
    stroke(p, {4, 9}, {12, 9}, kPaper);
    stroke(p, {4, 11}, {10, 11}, kPaper);
}

void drawUrl(QPainter& p) {
    globe(p, {8, 8}, 6.5);
}

void drawFolder(QPainter& p) {
    folder(p, kDarkYellow, kYellow);
}

void drawFile(QPainter& p) {
    page(p, 3.5, 1.5, 12.5, 14.5);
    textLines(p, 5.5, 10.5, {6.5, 8.5, 10.5, 12.5});
}

void drawApplication(QPainter& p) {
    shape(p, box(1.5, 2.5, 14.5, 13.5), QColor(0xee, 0xf2, 0xf7));
    shape(p, box(1.5, 2.5, 14.5, 5.5), kDarkBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12.5, 4), 0.8, 0.8);
    shape(p, box(3.5, 7.5, 7.5, 11.5), kBlue);
    textLines(p, 9.5, 12.5, {8.5, 10.5});
}

void drawSearch(QPainter& p) {
    stroke(p, {10, 10}, {14, 14}, kInk, 2.6);
    p.setPen(inkPen());
    p.setBrush(kLightBlue);
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(inkPen(1.0, kPaper));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 5, 5), 100 * 16, 70 * 16);
}

void drawSavedPage(QPainter& p) {
    page(p, 2.5, 1.5, 11.5, 14.5);
    textLines(p, 4.5, 9.5, {5.5, 7.5});
    globe(p, {11, 11}, 3.8);
}

void drawEmail(QPainter& p) {
    shape(p, box(1.5, 3.5, 14.5, 12.5), kPaper);
    stroke(p, {1.5, 12.5}, {6.2, 8}, kTextLine);
    stroke(p, {14.5, 12.5}, {9.8, 8}, kTextLine);
    shape(p, polygon({{1.5, 3.5}, {8, 9}, {14.5, 3.5}}), kPaperShade);
}

void drawNote(QPainter& p) {
    shape(p, polygon({{2.5, 2.5}, {13.5, 2.5}, {13.5, 10.5}, {10.5, 13.5}, {2.5, 13.5}}), kNoteYellow);
    shape(p, polygon({{10.5, 13.5}, {10.5, 10.5}, {13.5, 10.5}}), kDarkYellow);
    const QColor line(0xb8, 0x96, 0x2e);
    stroke(p, {4.5, 5.5}, {11.5, 5.5}, line);
    stroke(p, {4.5, 7.5}, {11.5, 7.5}, line);
    stroke(p, {4.5, 9.5}, {8.5, 9.5}, line);
}

void drawWarning(QPainter& p) {
    shape(p, polygon({{8, 1.5}, {14.5, 14}, {1.5, 14}}), QColor(0xff, 0xc9, 0x28));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(7.2, 5.2, 1.6, 5.3), 0.6, 0.6);
    p.drawEllipse(QPointF(8, 12), 0.9, 0.9);
}

void drawPrinter(QPainter& p) {
    shape(p, box(4.5, 1.5, 11.5, 6.5), kPaper);
    shape(p, box(1.5, 5.5, 14.5, 11.5), kGray);
    shape(p, box(4.5, 9.5, 11.5, 14.5), kPaper);
    textLines(p, 6, 10, {11.5, 13});
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(12.6, 7.6), 0.9, 0.9);
}

void drawAutoFill(QPainter& p) {
    shape(p, box(1.5, 3.5, 14.5, 10.5), kPaper);
    stroke(p, {3.5, 7}, {5.5, 7}, kTextLine);
    stroke(p, {6.5, 7}, {8.5, 7}, kTextLine);
    stroke(p, {10, 5}, {10, 9}, kInk);
    // the pencil that fills the field in
    stroke(p, {8.8, 14.2}, {14.2, 8.8}, kInk, 3.4);
    stroke(p, {8.8, 14.2}, {14.2, 8.8}, kOrange, 1.8);
    stroke(p, {8.2, 14.8}, {8.8, 14.2}, kInk, 1.6);
}

void drawCopyText(QPainter& p) {
    shape(p, box(1.5, 1.5, 10.5, 11.5), kPaperShade);
    shape(p, box(5.5, 4.5, 14.5, 14.5), kPaper);
    textLines(p, 7.5, 12.5, {7.5, 9.5, 11.5});
}

// Spare types: plain marks in one neutral colour, told apart by their shape.
void drawNeutral(QPainter& p, int variant) {
    switch (variant) {
    case 0:
        p.setPen(inkPen());
        p.setBrush(kNeutral);
        p.drawEllipse(QPointF(8, 8), 3.5, 3.5);
        break;
    case 1:
        shape(p, box(4.5, 4.5, 11.5, 11.5), kNeutral);
        break;
    case 2:
        shape(p, polygon({{8, 3}, {13, 8}, {8, 13}, {3, 8}}), kNeutral);
        break;
    case 3:
        shape(p, polygon({{8, 3.5}, {12.5, 12.5}, {3.5, 12.5}}), kNeutral);
        break;
    case 4: {
        QPainterPath ring;
        ring.addEllipse(QPointF(8, 8), 5, 5);
        ring.addEllipse(QPointF(8, 8), 2.5, 2.5);
        shape(p, ring, kNeutral);
        break;
    }
    case 5:
        shape(p,
              polygon({{6.5, 3.5},
                       {9.5, 3.5},
                       {9.5, 6.5},
                       {12.5, 6.5},
                       {12.5, 9.5},
                       {9.5, 9.5},
                       {9.5, 12.5},
                       {6.5, 12.5},
                       {6.5, 9.5},
                       {3.5, 9.5},
                       {3.5, 6.5},
                       {6.5, 6.5}}),
              kNeutral);
        break;
    default:
        star(p, {8, 8.4}, 6, 2.8, kNeutral);
        break;
    }
}

} // namespace

void drawItemTypePicture(QPainter& p, int type) {
    switch (type) {
    case 0:
        drawGroup(p);
        break;
    case 1:
        drawUrl(p);
        break;
    case 2:
        drawFolder(p);
        break;
    case 3:
        drawFile(p);
        break;
    case 4:
        drawApplication(p);
        break;
    case 5:
        drawSearch(p);
        break;
    case 6:
        drawSavedPage(p);
        break;
    case 7:
        drawEmail(p);
        break;
    case 8:
        drawNote(p);
        break;
    case 9:
        drawWarning(p);
        break;
    case 10:
        drawPrinter(p);
        break;
    case 11:
        drawAutoFill(p);
        break;
    case 12:
        drawCopyText(p);
        break;
    default:
        drawNeutral(p, type - 13);
        break;
    }
}
