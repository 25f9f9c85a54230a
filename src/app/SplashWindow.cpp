#include "SplashWindow.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

QPixmap SplashWindow::picture() {
    QPixmap pixmap(349, 224);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A small outline of linked items, the program's mark.
    QLinearGradient band(0, 0, 349, 0);
    band.setColorAt(0, QColor(0x2E, 0x5E, 0x8C));
    band.setColorAt(1, QColor(0x6C, 0xA6, 0xC1));
    p.fillRect(0, 0, 349, 10, band);
    p.fillRect(0, 214, 349, 10, band);
    p.setPen(QPen(QColor(0x2E, 0x5E, 0x8C), 2));
    p.setBrush(QColor(0xE8, 0xF1, 0xF8));
    const QRectF rows[] = {{40, 50, 70, 14}, {60, 74, 70, 14}, {60, 98, 70, 14}, {40, 122, 70, 14}};
    for (const QRectF& r : rows)
        p.drawRoundedRect(r, 4, 4);
    p.drawLine(QPointF(48, 64), QPointF(48, 105));
    p.drawLine(QPointF(48, 81), QPointF(60, 81));
    p.drawLine(QPointF(48, 105), QPointF(60, 105));
    QFont title("Tahoma");
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x2E, 0x5E, 0x8C));
    p.drawText(QRectF(140, 60, 200, 40), Qt::AlignLeft | Qt::AlignVCenter, "Wendelmoor");
    QFont subtitle("Tahoma");
    subtitle.setPixelSize(13);
    p.setFont(subtitle);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRectF(142, 100, 200, 20), Qt::AlignLeft | Qt::AlignVCenter, "links and small actions");
    p.drawText(QRectF(0, 180, 349, 20), Qt::AlignCenter, "starting...");
    return pixmap;
}

SplashWindow::SplashWindow() : QSplashScreen(picture(), Qt::WindowStaysOnTopHint) {
    setFixedSize(349, 224);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}
